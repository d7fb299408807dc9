#include "calendar/HolidayIcs.h"
#include "calendar/IcsExport.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"
#include "support/SettingsTestSupport.h"

#include <QFile>
#include <QProcess>

#include <set>

namespace morvessa {
namespace {

class IcsExportTest : public testing::TempSettingsTest {
protected:
    void SetUp() override
    {
        TempSettingsTest::SetUp();
        LoadHolidays();
        LoadRuleHolidays();
    }
    void TearDown() override
    {
        RuleHolidays().clear();
        TempSettingsTest::TearDown();
    }
};

std::string Line(const CalendarDate& date, const QString& name)
{
    return QStringLiteral("%1-%2-%3\t%4")
        .arg(date.year, 4, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .arg(name)
        .toStdString();
}

// Holidays by rule of every kind and every way of being observed, as British, Irish and New Zealand
// users keep them.
void AddRuleHolidays()
{
    const char* const rules[][2] = {
        {"fixed 01-01 observe=next", "New Year's Day"}, {"easter -2", "Good Friday"},
        {"easter +1", "Easter Monday"}, {"nth 1 mon 05 until 2019", "Early May bank holiday"},
        {"date 2020-05-08", "Early May bank holiday (VE Day)"}, {"nth 1 mon 05 from 2021", "Early May bank holiday"},
        {"last mon 05", "Spring bank holiday"}, {"fixed 03-17 observe=sunday", "Saint Patrick's Day"},
        {"fixed 02-06 observe=next from 2014", "Waitangi Day"}, {"nth 4 mon 10", "Labour Day"},
        {"last mon 10", "October Bank Holiday"}, {"fixed 12-25 observe=next", "Christmas Day"},
        {"fixed 12-26 observe=next", "Boxing Day"}};
    for (const auto& [text, name] : rules) {
        HolidayRule rule = ParseRuleText(QString::fromLatin1(text));
        rule.name = QString::fromLatin1(name);
        RuleHolidays().push_back(rule);
    }
}

TEST_F(IcsExportTest, ASecondReaderFindsTheSheetsDaysOverFortyYears)
{
    RuleHolidays().clear();
    AddRuleHolidays();
    const QString path = FolderPath(QStringLiteral("rules.ics"));
    ExportMarkedHolidays(path, 2000, 2040);

    std::set<std::string> sheet;
    for (const MarkedHoliday& day : MarkedHolidays(2000, 2040))
        sheet.insert(Line(day.date, day.name));
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(MORVESSA_SOURCE_DIR "/tests/calendar/ics_days.py"), path,
                  QStringLiteral("2000"), QStringLiteral("2040")});
    ASSERT_TRUE(reader.waitForFinished(120000));
    if (reader.exitCode() != 0 && reader.readAllStandardError().contains("ModuleNotFoundError"))
        GTEST_SKIP() << "python3-icalendar and python3-dateutil are not installed";
    std::set<std::string> exported;
    for (const QByteArray& line : reader.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            exported.insert(line.toStdString());
    EXPECT_EQ(exported, sheet);
    EXPECT_GT(sheet.size(), 41u * 12);

    // The days where the file used to differ from the sheet, and a rule that repeats as one event.
    const QByteArray ics = WriteMarkedDaysIcs(MarkedHolidays(2022, 2027));
    EXPECT_TRUE(ics.contains("DTSTART;VALUE=DATE:20221227\r\nDTEND;VALUE=DATE:20221228\r\n"
                             "SUMMARY:Christmas Day (observed)\r\n"));
    // Observed on 28 December in 2026 and in 2027: one event for both years.
    EXPECT_TRUE(ics.contains("DTSTART;VALUE=DATE:20261228\r\nDTEND;VALUE=DATE:20261229\r\n"
                             "SUMMARY:Boxing Day (observed)\r\nTRANSP:TRANSPARENT\r\n"
                             "RRULE:FREQ=YEARLY;UNTIL=20271231;BYMONTHDAY=28;BYMONTH=12\r\n"));
    EXPECT_TRUE(ics.contains("RRULE:FREQ=YEARLY;UNTIL=20271231;BYDAY=-1MO;BYMONTH=5\r\n")) << ics.toStdString();
}

TEST_F(IcsExportTest, AFileThatCannotBeWrittenIsNamedAndNothingIsLeftBehind)
{
    const QString path = FolderPath(QStringLiteral("no/folder/x.ics"));
    try {
        ExportMarkedHolidays(path, 2024, 2024);
        ADD_FAILURE();
    } catch (const IcsError& error) {
        EXPECT_NE(std::string(error.what()).find("x.ics"), std::string::npos) << error.what();
    }
    EXPECT_THROW(MarkedHolidays(2025, 2024), std::invalid_argument);
}

}  // namespace
}  // namespace morvessa
