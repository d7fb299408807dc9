#include "calendar/RunHolidays.h"

#include "calendar/HolidayMarking.h"
#include "holidays/HolidayEditing.h"
#include "settings/SettingsStore.h"
#include "support/SettingsTestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace morvessa {
namespace {

class RunHolidaysTest : public testing::TempSettingsTest {
protected:
    void SetUp() override
    {
        TempSettingsTest::SetUp();
        ASSERT_TRUE(run_.isValid());
        sink_ = std::make_unique<ScopedCatalogueMessageSink>(messages_);
    }
    void TearDown() override
    {
        sink_.reset();
        RuleHolidays().clear();
        TempSettingsTest::TearDown();
    }
    QTemporaryDir run_;
    RecordingCatalogueMessageSink messages_;
    std::unique_ptr<ScopedCatalogueMessageSink> sink_;
};

TEST_F(RunHolidaysTest, CountriesAndIcsFilesGoIntoACopyAndTheStoreStaysAsItWas)
{
    WriteSetting(QStringLiteral("HolidaysColor"), QStringLiteral("7"));
    const QByteArray before = RawSettings();
    const QString ics = FolderPath(QStringLiteral("feed.ics"));
    QFile feed(ics);
    ASSERT_TRUE(feed.open(QIODevice::WriteOnly));
    feed.write(
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20250612\r\nSUMMARY:Exam\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART:20250612T100000Z\r\nSUMMARY:Call\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    feed.close();

    const QStringList lines =
        UseRunHolidays({{QStringLiteral("de"), QStringLiteral("FR")}, {ics}, true}, run_.path());
    EXPECT_EQ(
        lines.join(u'|').toStdString(),
        QStringList({"Added 9 holidays of Germany.", "Added 5 holidays of France; 6 were already there.",
                     "feed.ics: Imported the calendar \"feed.ics\" with 2 events; 1 timed event is left out."})
            .join(u'|')
            .toStdString());
    EXPECT_EQ(SettingsFilePath(), run_.filePath(QStringLiteral("settings.ini")));
    // The run reads the copy: the user's colour, the defaults, the added holidays.
    EXPECT_EQ(ReadSetting(QStringLiteral("HolidaysColor"), QString()), "7");
    LoadRuleHolidays();
    EXPECT_EQ(RuleHolidays().size(), 9u + 5u);
    EXPECT_EQ(MarkedHolidaysOfYear(2025).back(), (MarkedHoliday{{2025, 6, 12}, QStringLiteral("Exam")}));
    EXPECT_EQ(RuleHolidays()[0].name, "New Year's Day");

    SetSettingsFile(SettingsPath());
    EXPECT_EQ(RawSettings(), before);
}

TEST_F(RunHolidaysTest, ABadCodeOrFileStopsBeforeAnythingChanges)
{
    WriteSetting(QStringLiteral("Easter"), QStringLiteral("1"));
    EXPECT_THROW(UseRunHolidays({{QStringLiteral("DE"), QStringLiteral("ZZ")}, {}, false}, run_.path()),
                 std::runtime_error);
    EXPECT_THROW(UseRunHolidays({{}, {FolderPath(QStringLiteral("none.ics"))}, false}, run_.path()),
                 std::runtime_error);
    EXPECT_EQ(SettingsFilePath(), SettingsPath());
    EXPECT_FALSE(QFileInfo::exists(run_.filePath(QStringLiteral("settings.ini"))));
}

}  // namespace
}  // namespace morvessa
