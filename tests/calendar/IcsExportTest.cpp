#include "calendar/HolidayIcs.h"
#include "calendar/IcsExport.h"
#include "holidays/CountryPresets.h"
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

TEST_F(IcsExportTest, ASecondReaderFindsTheSheetsDaysForFourCountriesOverFortyYears)
{
    for (const char* code : {"GB", "AU", "NZ", "IE"}) {
        RuleHolidays().clear();
        AddCountryHolidays(RuleHolidays(), LoadCountryPreset(QString::fromLatin1(code)), PresetNames::English);
        const QString path = FolderPath(QStringLiteral("%1.ics").arg(QLatin1String(code)));
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
        EXPECT_EQ(exported, sheet) << code;
        EXPECT_GT(sheet.size(), 41u * 8) << code;
    }
    // The days where the file used to differ from the sheet, and a rule that repeats as one event.
    RuleHolidays().clear();
    AddCountryHolidays(RuleHolidays(), LoadCountryPreset(QStringLiteral("GB")), PresetNames::English);
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
