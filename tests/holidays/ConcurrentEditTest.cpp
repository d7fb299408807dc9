// Two processes that edit one settings file: every change of each survives.

#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"
#include "support/SettingsTestSupport.h"

#include <QProcess>
#include <QSet>

namespace morvessa {
namespace {

const QString kHelper = QStringLiteral(MORVESSA_BINARY_DIR "/bin/holiday-editor-helper");

class ConcurrentEditTest : public testing::TempSettingsTest {
protected:
    void SetUp() override
    {
        TempSettingsTest::SetUp();
        sink_ = std::make_unique<ScopedCatalogueMessageSink>(messages_);
    }
    void TearDown() override
    {
        sink_.reset();
        TempSettingsTest::TearDown();
    }

    // Starts a helper that adds `count` holidays named prefix1.. to this test's settings file.
    std::unique_ptr<QProcess> StartHelper(int count, const QString& prefix) const
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(kHelper, {SettingsPath(), QString::number(count), prefix});
        EXPECT_TRUE(process->waitForStarted(10000)) << kHelper.toStdString();
        return process;
    }
    static void Finish(QProcess& process)
    {
        ASSERT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
    }

    static QSet<QString> FixedNames()
    {
        QSet<QString> names;
        for (int row = 1; row <= FixedHolidays().RowCount(); ++row)
            names.insert(FixedHolidays().Cell(row, fixed_column::Name).Text());
        return names;
    }

    RecordingCatalogueMessageSink messages_;

private:
    std::unique_ptr<ScopedCatalogueMessageSink> sink_;
};

TEST_F(ConcurrentEditTest, AHolidayAddedByAnotherCopyOutlivesThisCopysDelete)
{
    LoadHolidays();  // this copy shows the defaults, say from the preview
    const HolidayTable seen = FixedHolidays();

    auto other = StartHelper(1, QStringLiteral("Theirs"));
    Finish(*other);

    // Back in this copy: delete "Flag Day", the row it shows as row 2.
    ChangeHolidays(
        [&](HolidayTable& fixed, HolidayTable&) { DeleteHolidayRow(fixed, SameHolidayRow(seen, 2, fixed)); });
    LoadHolidays();
    const QSet<QString> names = FixedNames();
    EXPECT_TRUE(names.contains(QStringLiteral("Theirs1")));
    EXPECT_FALSE(names.contains(QStringLiteral("Flag Day")));
    EXPECT_EQ(FixedHolidays().RowCount(), 7);
}

TEST_F(ConcurrentEditTest, TwoCopiesAddingAtOnceLoseNothing)
{
    LoadHolidays();
    constexpr int kEach = 25;
    auto first = StartHelper(kEach, QStringLiteral("First"));
    auto second = StartHelper(kEach, QStringLiteral("Second"));
    Finish(*first);
    Finish(*second);

    LoadHolidays();
    EXPECT_EQ(FixedHolidays().RowCount(), 7 + 2 * kEach);
    const QSet<QString> names = FixedNames();
    for (int i = 1; i <= kEach; ++i) {
        EXPECT_TRUE(names.contains(QStringLiteral("First%1").arg(i))) << i;
        EXPECT_TRUE(names.contains(QStringLiteral("Second%1").arg(i))) << i;
    }
    EXPECT_TRUE(messages_.messages.empty());
}

}  // namespace
}  // namespace morvessa
