// A settings file as a hand edit or an old version leaves it: a value the program cannot use is
// said once, naming its key, and the default is used; a well-formed value says nothing.

#include "calendar/CalendarOptions.h"
#include "calendar/CalendarTestSupport.h"
#include "colours/ColorPalette.h"
#include "holidays/HolidayRules.h"
#include "settings/PaperSetting.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QStringList>

namespace morvessa::calendar_test {
namespace {

class StoredSettingsTest : public IsolatedCalendarTest {
protected:
    void SetUp() override
    {
        IsolatedCalendarTest::SetUp();
        SetSettingsNoticeHandler([this](const QString& text) { notices_ << text; });
    }
    void TearDown() override
    {
        SetSettingsNoticeHandler({});
        IsolatedCalendarTest::TearDown();
    }
    void WriteRaw(const QByteArray& text)
    {
        QFile file(FolderPath(QStringLiteral("Vantrelle.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    // Reads every value the way a generation does.
    void ReadEveryValue()
    {
        (void)StoredCalendarOptions();
        (void)StoredPaper();
        (void)ShowEveryHolidayOfDay();
        (void)GetColorIndex(QStringLiteral("EmptyColor"));
    }
    QStringList notices_;
};

TEST_F(StoredSettingsTest, EachUnusableValueIsSaidOnceByItsKey)
{
    WriteRaw("[Morvessa]\nShowEveryHoliday=7\nPaperSize=junk\nCalendarLanguage=xx-nowhere\n"
             "WeekStart=tuesday\nFirstMonth=13\nWeekNumbers=2\nEmptyColor=abc\n");
    ReadEveryValue();
    ReadEveryValue();
    const QStringList keys{"ShowEveryHoliday", "PaperSize",   "CalendarLanguage", "WeekStart",
                           "FirstMonth",       "WeekNumbers", "EmptyColor"};
    ASSERT_EQ(notices_.size(), keys.size()) << notices_.join(u'\n').toStdString();
    for (const QString& key : keys)
        EXPECT_EQ(notices_.filter(QStringLiteral("setting %1 holds").arg(key)).size(), 1) << key.toStdString();
    EXPECT_EQ(StoredCalendarOptions().firstMonth, 1);
    EXPECT_FALSE(ShowEveryHolidayOfDay());

    notices_.clear();
    WriteRaw("[Morvessa]\nShowEveryHoliday=1\nPaperSize=a3\nCalendarLanguage=de_DE\nWeekStart=mon\n"
             "FirstMonth=9\nWeekNumbers=0\nEmptyColor=0\n");
    ReadEveryValue();
    EXPECT_TRUE(notices_.isEmpty()) << notices_.join(u'\n').toStdString();
}

}  // namespace
}  // namespace morvessa::calendar_test
