#include "calendar/HolidayIcs.h"
#include "calendar/IcalLibrary.h"
#include "calendar/IcsPreScan.h"

#include "calendar/RuleDates.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace morvessa {
namespace {

std::vector<std::string> Texts(const std::vector<HolidayRule>& rules)
{
    std::vector<std::string> texts;
    for (const HolidayRule& rule : rules)
        texts.push_back((rule.name + QStringLiteral(" = ") + RuleText(rule)).toStdString());
    return texts;
}

TEST(HolidayIcsTest, RealWorldShapesCrlfFoldedLinesTimeZonesAndBothValueTypes)
{
    const QByteArray ics =
        "BEGIN:VCALENDAR\r\n"
        "VERSION:2.0\r\n"
        "PRODID:-//Some feed//EN\r\n"
        "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:STANDARD\r\nDTSTART:19701025T030000\r\n"
        "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
        "BEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:20240101\r\nDTEND;VALUE=DATE:20240102\r\n"
        "RRULE:FREQ=YEARLY\r\nSUMMARY:New Year's\r\n  Day\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:2\r\nDTSTART;VALUE=DATE:20240527\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=MO;BYSETPOS=-1\r\nSUMMARY:Memorial Day\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:3\r\nDTSTART;VALUE=DATE:20240415\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=4;BYDAY=3MO;COUNT=3\r\nSUMMARY:Patriots' Day\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:4\r\nDTSTART;VALUE=DATE:20250612\r\nDTEND;VALUE=DATE:20250615\r\n"
        "SUMMARY:Trip\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:5\r\nDTSTART;TZID=Europe/Berlin:20250612T090000\r\n"
        "DTEND;TZID=Europe/Berlin:20250612T100000\r\nSUMMARY:Meeting\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:6\r\nDTSTART:20250613T090000Z\r\nSUMMARY:Call\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:7\r\nDTSTART;VALUE=DATE:20250101\r\nRRULE:FREQ=WEEKLY\r\nSUMMARY:Weekly\r\nEND:"
        "VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:8\r\nDTSTART;VALUE=DATE:20240229\r\nRRULE:FREQ=YEARLY;INTERVAL=2\r\n"
        "SUMMARY:Every other year\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n";
    const IcsImport result = ReadIcs(ics);
    EXPECT_EQ(Texts(result.holidays),
              (std::vector<std::string>{"New Year's Day = fixed 01-01", "Memorial Day = last mon 05",
                                        "Patriots' Day = nth 3 mon 04 until 2026", "Trip = date 2025-06-12",
                                        "Trip = date 2025-06-13", "Trip = date 2025-06-14"}));
    EXPECT_EQ(result.timedSkipped, 2);
    EXPECT_EQ(result.unsupportedSkipped, 2);
    EXPECT_EQ(
        IcsImportSummary(result, 5, 1).toStdString(),
        "Imported 5 holidays; 1 was already there; 2 timed events were skipped; 2 events that could not "
        "be read or that no holiday rule can say were skipped.");
    // The same with bare line feeds.
    QByteArray unix = ics;
    unix.replace("\r\n", "\n");
    EXPECT_EQ(Texts(ReadIcs(unix).holidays), Texts(result.holidays));
}

TEST(HolidayIcsTest, HostileOrBrokenFilesGiveAClearMessage)
{
    static const char kEmbeddedNuls[] = "BEGIN:VCALENDAR\r\n\0\0\0\r\nEND:VCALENDAR\r\n";
    const QByteArray bad[] = {
        QByteArray(),
        QByteArray("just some text"),
        QByteArray(kEmbeddedNuls, sizeof(kEmbeddedNuls) - 1),
        QByteArray(kMaxIcsBytes + 1, 'A'),
    };
    for (const QByteArray& data : bad) {
        try {
            ReadIcs(data);
            ADD_FAILURE() << data.left(40).toStdString();
        } catch (const IcsError& error) {
            EXPECT_NE(std::string(error.what()).find("nothing was imported"), std::string::npos)
                << error.what();
        }
    }
    // Damaged events inside a calendar are skipped, not trusted.
    const QByteArray damaged =
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20241345\r\nSUMMARY:Bad date\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:No start\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20240101\r\nRRULE:FREQ=YEARLY;BYMONTHDAY=40\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20240101\r\nDTEND;VALUE=DATE:99991231\r\nSUMMARY:Long\r\nEND:"
        "VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20240101\r\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30\r\nEND:"
        "VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20240101\r\nX-MORVESSA-RULE:fixed "
        "13-13\r\nSUMMARY:Own\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n";
    const IcsImport result = ReadIcs(damaged);
    EXPECT_EQ(result.unsupportedSkipped, 4);
    ASSERT_EQ(result.holidays.size(), 367u);  // "Long" for 366 days, "Own" as a dated event
    EXPECT_EQ(RuleText(result.holidays.back()), "date 2024-01-01");
    EXPECT_EQ(result.holidays.back().name, "Own");

    // Too many holidays in one file.
    QByteArray many = "BEGIN:VCALENDAR\r\n";
    for (int i = 0; i < 60; ++i)
        many += "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:" + QByteArray::number(2000 + i) +
                "0101\r\nDTEND;VALUE=DATE:" + QByteArray::number(2001 + i) +
                "0101\r\nSUMMARY:Year\r\nEND:VEVENT\r\n";
    many += "END:VCALENDAR\r\n";
    EXPECT_THROW(ReadIcs(many), IcsError);
}

TEST(HolidayIcsTest, AMissingFileIsNamed)
{
    QTemporaryDir dir;
    try {
        ReadIcsFile(dir.filePath(QStringLiteral("missing.ics")));
        ADD_FAILURE();
    } catch (const IcsError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.ics"), std::string::npos);
    }
}

// libical is loaded when an iCalendar file is first read or written: one that is missing, or that
// lacks a function the import or export calls, is named in the error instead of ending the program.
TEST(IcalLibrary, AMissingOrForeignLibraryIsAClearError)
{
    const auto messageOf = [](const std::string& file) -> std::string {
        try {
            LoadIcalFrom(file);
        } catch (const IcsError& error) {
            return error.what();
        }
        return "(loaded)";
    };
    const std::string missing = messageOf("libmorvessa-no-such-library.so.9");
    EXPECT_NE(missing.find("libmorvessa-no-such-library.so.9 could not be loaded"), std::string::npos)
        << missing;
    EXPECT_NE(missing.find("Install libical"), std::string::npos) << missing;
    const std::string foreign = messageOf("libc.so.6");
    EXPECT_NE(foreign.find("libc.so.6 has no function"), std::string::npos) << foreign;
}

TEST(IcalLibrary, TheInstalledLibraryHasEveryFunction)
{
    const IcalLibrary& library = Ical();
#define MORVESSA_EXPECT_LOADED(name) EXPECT_NE(library.name, nullptr) << #name;
    MORVESSA_LIBICAL_FUNCTIONS(MORVESSA_EXPECT_LOADED)
#undef MORVESSA_EXPECT_LOADED
    EXPECT_EQ(&Ical(), &library) << "loaded once";
}

}  // namespace
}  // namespace morvessa
