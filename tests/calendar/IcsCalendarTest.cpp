#include "calendar/HolidayIcs.h"
#include "calendar/HolidayMarking.h"
#include "calendar/IcalLibrary.h"
#include "calendar/IcsCalendar.h"
#include "calendar/IcsPreScan.h"
#include "calendar/StoredCalendars.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"
#include "settings/SettingsStore.h"
#include "support/SettingsTestSupport.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

namespace morvessa {
namespace {

const QString kFeed = QStringLiteral(MORVESSA_SOURCE_DIR "/tests/calendar/data/feed.ics");
const QString kSecondReader = QStringLiteral(MORVESSA_SOURCE_DIR "/tests/calendar/ics_days.py");

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "YYYY-MM-DD<TAB>label" lines, as the second reader prints them.
std::set<std::string> Lines(const std::vector<IcsDay>& days)
{
    std::set<std::string> lines;
    for (const IcsDay& day : days)
        lines.insert(QStringLiteral("%1-%2-%3\t%4")
                         .arg(day.date.year, 4, 10, QLatin1Char('0'))
                         .arg(day.date.month, 2, 10, QLatin1Char('0'))
                         .arg(day.date.day, 2, 10, QLatin1Char('0'))
                         .arg(day.label)
                         .toStdString());
    return lines;
}

// The days icalendar and dateutil find in `path`; empty when that reader is not installed.
std::optional<std::set<std::string>> SecondReaderDays(const QString& path, int first, int last, bool timed)
{
    QProcess reader;
    QStringList arguments{kSecondReader, path, QString::number(first), QString::number(last)};
    if (timed)
        arguments.append(QStringLiteral("--timed"));
    reader.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!reader.waitForFinished(120000) || reader.exitCode() != 0) {
        if (reader.readAllStandardError().contains("ModuleNotFoundError"))
            return std::nullopt;
        ADD_FAILURE() << "the second reader failed";
        return std::set<std::string>{};
    }
    std::set<std::string> lines;
    for (const QByteArray& line : reader.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            lines.insert(line.toStdString());
    return lines;
}

TEST(IcsCalendarTest, TheFeedGivesTheSecondReadersDaysExactly)
{
    const IcsCalendar calendar = IcsCalendar::Parse(ReadAll(kFeed));
    EXPECT_EQ(calendar.Name(), "Shapes of public feeds");
    EXPECT_GE(calendar.Events().size(), 100u);
    for (const bool timed : {false, true}) {
        const auto expected = SecondReaderDays(kFeed, 2020, 2030, timed);
        if (!expected)
            GTEST_SKIP() << "python3-icalendar and python3-dateutil are not installed";
        const IcsExpansion expansion = calendar.Expand(2020, 2030, {timed, {}});
        const std::set<std::string> ours = Lines(expansion.days);
        EXPECT_EQ(ours.size(), expansion.days.size()) << "a day given twice";
        std::vector<std::string> missing, extra;
        std::set_difference(expected->begin(), expected->end(), ours.begin(), ours.end(),
                            std::back_inserter(missing));
        std::set_difference(ours.begin(), ours.end(), expected->begin(), expected->end(),
                            std::back_inserter(extra));
        EXPECT_EQ(missing, std::vector<std::string>{}) << "timed: " << timed;
        EXPECT_EQ(extra, std::vector<std::string>{}) << "timed: " << timed;
        EXPECT_GT(ours.size(), 900u);
        EXPECT_EQ(expansion.timedSkipped, timed ? 0 : 3);
        EXPECT_TRUE(expansion.cutEvents.isEmpty());
    }
    // One year on its own gives that year's part of the whole, multi-day events reaching into it too.
    std::set<std::string> of2021;
    for (const std::string& line : Lines(calendar.Expand(2020, 2030).days))
        if (line.starts_with("2021-"))
            of2021.insert(line);
    EXPECT_EQ(Lines(calendar.Expand(2021, 2021).days), of2021);
    EXPECT_TRUE(of2021.count("2021-01-02\tYear-end break"));
}

TEST(IcsCalendarTest, HiddenEventsAndTheirUidsAreLeftOut)
{
    const IcsCalendar calendar = IcsCalendar::Parse(ReadAll(kFeed));
    const auto hidden = calendar.Expand(2026, 2026, {false, {QStringLiteral("moved"), QStringLiteral("span3")}});
    const std::set<std::string> lines = Lines(hidden.days);
    EXPECT_FALSE(lines.count("2026-07-11\tStreet fair (moved)"));
    EXPECT_TRUE(Lines(calendar.Expand(2026, 2026).days).count("2026-07-11\tStreet fair (moved)"));
    for (const IcsDay& day : hidden.days)
        EXPECT_NE(day.uid, "span3");
}

IcsExpansion ExpandText(const QByteArray& events, int first, int last)
{
    return IcsCalendar::Parse("BEGIN:VCALENDAR\r\n" + events + "END:VCALENDAR\r\n").Expand(first, last);
}

std::string RefusalOf(const QByteArray& data)
{
    try {
        IcsCalendar::Parse(data);
    } catch (const IcsError& error) {
        return error.what();
    }
    return "(read)";
}

TEST(IcsCalendarTest, HostileFilesAreRefusedOrCutWithAMessage)
{
    // Rules without a useful end: only the shown year is walked, or the walk stops at its limit.
    EXPECT_EQ(ExpandText("BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20200101\r\n"
                         "RRULE:FREQ=DAILY;COUNT=1000000000\r\nSUMMARY:x\r\nEND:VEVENT\r\n",
                         2026, 2026)
                  .days.size(),
              365u);
    EXPECT_EQ(ExpandText("BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:00010101\r\nRRULE:FREQ=DAILY\r\n"
                         "SUMMARY:x\r\nEND:VEVENT\r\n",
                         2024, 2024)
                  .days.size(),
              366u);
    const IcsExpansion counted = ExpandText("BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:00010101\r\n"
                                            "RRULE:FREQ=DAILY;COUNT=1000000000\r\nSUMMARY:From year 1\r\nEND:VEVENT\r\n",
                                            2026, 2026);
    EXPECT_EQ(counted.cutEvents, QStringList{QStringLiteral("From year 1")});
    const IcsExpansion minutely = ExpandText("BEGIN:VEVENT\r\nUID:a\r\nDTSTART:20260101T000000\r\n"
                                             "RRULE:FREQ=MINUTELY\r\nSUMMARY:Tick\r\nEND:VEVENT\r\n",
                                             2026, 2026);
    EXPECT_TRUE(minutely.days.empty()) << "timed events are left out by default";
    const IcsExpansion ticks = IcsCalendar::Parse("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\n"
                                                  "DTSTART:20260101T000000\r\nRRULE:FREQ=MINUTELY\r\n"
                                                  "SUMMARY:Tick\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
                                   .Expand(2026, 2026, {true, {}});
    EXPECT_EQ(ticks.cutEvents, QStringList{QStringLiteral("Tick")});
    EXPECT_EQ(ticks.days.size(), std::size_t(kMaxOccurrencesOfEvent));  // each minute a label of its own
    const IcsExpansion last = ExpandText("BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:99991230\r\n"
                                         "RRULE:FREQ=DAILY\r\nSUMMARY:x\r\nEND:VEVENT\r\n",
                                         9999, 9999);
    ASSERT_FALSE(last.days.empty());
    EXPECT_EQ(last.days[0].date, (CalendarDate{9999, 12, 30}));

    // 10,000 events on one day are read.
    QByteArray many;
    for (int i = 0; i < 10000; ++i)
        many += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) +
                "\r\nDTSTART;VALUE=DATE:20260101\r\nSUMMARY:Event " + QByteArray::number(i) + "\r\nEND:VEVENT\r\n";
    EXPECT_EQ(ExpandText(many, 2026, 2026).days.size(), 10000u);

    // 300 daily events would mark 109,500 days: the calendar stops at its limit and says so, and
    // 400 listed exclusions leave exactly the other days of their event.
    QByteArray daily;
    for (int i = 0; i < 300; ++i)
        daily += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) +
                 "\r\nDTSTART;VALUE=DATE:20260101\r\nRRULE:FREQ=DAILY\r\nSUMMARY:E\r\nEND:VEVENT\r\n";
    const IcsExpansion capped = ExpandText(daily, 2026, 2026);
    EXPECT_TRUE(capped.daysCut);
    EXPECT_EQ(capped.days.size(), std::size_t(kMaxDaysOfCalendar));
    QByteArray exdates = "BEGIN:VEVENT\r\nUID:x\r\nDTSTART;VALUE=DATE:20260101\r\nRRULE:FREQ=DAILY\r\n";
    for (int day = 0; day < 400; ++day)
        exdates += "EXDATE;VALUE=DATE:" + QDate(2025, 12, 1).addDays(day).toString("yyyyMMdd").toLatin1() + "\r\n";
    const IcsExpansion excluded = ExpandText(exdates + "SUMMARY:x\r\nEND:VEVENT\r\n", 2026, 2027);
    ASSERT_EQ(excluded.days.size(), 730u - 369u);
    EXPECT_EQ(excluded.days.front().date, (CalendarDate{2027, 1, 5}));
    EXPECT_FALSE(excluded.daysCut);

    // Text the parser never sees.
    QByteArray folded = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:";
    for (int i = 0; i < 1024 * 1024 / 64; ++i)
        folded += QByteArray(63, 'x') + "\r\n ";
    folded += "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    QByteArray nested = "BEGIN:VCALENDAR\r\n";
    for (int i = 0; i < 100000; ++i)
        nested += "BEGIN:VEVENT\r\n";
    const struct {
        QByteArray data;
        const char* message;
    } refused[] = {
        {folded, "is longer than 64 KB"},
        {nested, "nested more than 8 deep"},
        // libical's cost grows with the square of these; its recursive free overflows the stack on
        // the nesting, and it prints a line of its own for each stray END.
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n" + QByteArray("X:\r\n").repeated(3000), "more than 2000 lines"},
        {"BEGIN:VCALENDAR\r\nX" + QByteArray(";a=b").repeated(41) + ":v\r\n", "more than 40 parameters"},
        // Each listed date costs libical as much as a line.
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nRDATE;VALUE=DATE:20260101" + QByteArray(",20260102").repeated(1000) +
             "\r\n " + QByteArray(",20260103").repeated(1000) + "\r\n",
         "a block holds more than 2000 lines and listed dates"},
        {"BEGIN:VCALENDAR\r\n" + ("BEGIN:VEVENT\r\n" + QByteArray("X:\r\n").repeated(1990) + "END:VEVENT\r\n")
                                      .repeated(101),
         "it holds more than 200000 lines and listed dates"},
        {"BEGIN:VCALENDAR\r\n" + QByteArray("END:X\r\n").repeated(1000), "ends a block it did not begin"},
        {QByteArray("BEGIN:VCALENDAR\r\nSUMMARY:\xff\xfe\r\nEND:VCALENDAR\r\n"), "not UTF-8"},
        {QByteArray("BEGIN:VCALENDAR\r\n\0\0END:VCALENDAR\r\n", 33), "NUL bytes"},
        {QByteArray(kMaxIcsBytes + 1, 'A'), "larger than 8 MB"},
        {QByteArray("SUMMARY:no calendar\r\n"), "no BEGIN:VCALENDAR"},
    };
    for (const auto& [data, message] : refused) {
        const std::string what = RefusalOf(data);
        EXPECT_NE(what.find(message), std::string::npos) << message << ": " << what;
        EXPECT_NE(what.find("nothing was imported"), std::string::npos) << what;
    }
}

TEST(IcsCalendarTest, AFifoIsNeverWaitedOnACountBeyondEveryYearRunsOnAndLibicalPrintsNothing)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("feed.ics"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);  // no writer: a read would wait
    try {
        ReadCalendarFile(fifo);
        ADD_FAILURE() << "a FIFO was read";
    } catch (const IcsError& error) {
        EXPECT_NE(std::string(error.what()).find("feed.ics"), std::string::npos) << error.what();
    }

    const IcsExpansion counted =
        IcsCalendar::Parse("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20240704\r\n"
                           "RRULE:FREQ=YEARLY;COUNT=2147483647\r\nSUMMARY:Always\r\nEND:VEVENT\r\n"
                           "END:VCALENDAR\r\n")
            .Expand(2030, 2031);
    EXPECT_EQ(counted.days.size(), 2u);

    // libical writes to stderr for a stray END; inside the guard nothing reaches it.
    std::FILE* captured = std::tmpfile();
    ASSERT_NE(captured, nullptr);
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(::fileno(captured), STDERR_FILENO);
    {
        const QuietLibicalErrors quiet;
        icalcomponent* parsed = Ical().icalparser_parse_string("BEGIN:VCALENDAR\r\nEND:X\r\nEND:VCALENDAR\r\n");
        if (parsed)
            Ical().icalcomponent_free(parsed);
    }
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    struct stat written {};
    ASSERT_EQ(::fstat(::fileno(captured), &written), 0);
    EXPECT_EQ(written.st_size, 0) << "libical printed on stderr";
    std::fclose(captured);
}

class StoredCalendarsTest : public testing::TempSettingsTest {
protected:
    QString WriteFeed(const QString& name, const QByteArray& events)
    {
        const QString path = FolderPath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BEGIN:VCALENDAR\r\nX-WR-CALNAME:Family\r\n" + events + "END:VCALENDAR\r\n");
        return path;
    }
    static QByteArray Event(const char* uid, const char* date, const char* summary)
    {
        return QByteArray("BEGIN:VEVENT\r\nUID:") + uid + "\r\nDTSTART;VALUE=DATE:" + date +
               "\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:" + summary + "\r\nEND:VEVENT\r\n";
    }
    static std::vector<QString> NamesOn(int year, int month, int day)
    {
        std::vector<QString> names;
        for (const MarkedHoliday& holiday : MarkedHolidaysOfYear(year))
            if (holiday.date == CalendarDate{year, month, day})
                names.push_back(holiday.name);
        return names;
    }
};

TEST_F(StoredCalendarsTest, ACopyStaysAsImportedALinkFollowsItsFileAndEitherCanBeRefreshed)
{
    LoadHolidays();
    const QString copied = WriteFeed(QStringLiteral("family.ics"), Event("a", "19800312", "Anna"));
    const QString linked = WriteFeed(QStringLiteral("club.ics"), Event("b", "20200401", "Club day"));
    const StoredCalendar copy = ImportCalendar(copied, false);
    ImportCalendar(linked, true, false);
    EXPECT_EQ(copy.name, "Family");
    EXPECT_EQ(copy.eventCount, 1);
    EXPECT_NE(copy.file, copy.source);
    EXPECT_TRUE(copy.file.startsWith(FolderPath(QStringLiteral("Calendars/family-"))));

    WriteFeed(QStringLiteral("family.ics"), Event("a", "19800313", "Anna") + Event("c", "19850101", "Carl"));
    WriteFeed(QStringLiteral("club.ics"), Event("b", "20200402", "Club day"));
    EXPECT_EQ(NamesOn(2026, 3, 12), std::vector<QString>{QStringLiteral("Anna")});
    EXPECT_EQ(NamesOn(2026, 4, 2), std::vector<QString>{QStringLiteral("Club day")});
    RefreshCalendar(0);
    EXPECT_EQ(NamesOn(2026, 3, 13), std::vector<QString>{QStringLiteral("Anna")});
    EXPECT_EQ(StoredCalendars()[0].eventCount, 2);

    SetEventHidden(0, QStringLiteral("a"), true);
    EXPECT_TRUE(NamesOn(2026, 3, 13).empty());
    EXPECT_EQ(NamesOn(2026, 1, 1).back(), "Carl");

    const StoredCalendar removed = RemoveCalendar(0);
    EXPECT_TRUE(NamesOn(2026, 1, 1).empty() || NamesOn(2026, 1, 1).back() != "Carl");
    RestoreCalendar(0, removed);
    EXPECT_EQ(NamesOn(2026, 1, 1).back(), "Carl");

    // A file that can no longer be read leaves the stored calendar as it was and says why.
    QFile::remove(copied);
    EXPECT_THROW(RefreshCalendar(0), IcsError);
    EXPECT_EQ(StoredCalendars()[0], removed);
    QFile::remove(linked);
    const StoredCalendarDays days = DaysOfStoredCalendars(2026, 2026);
    ASSERT_EQ(days.problems.size(), 1);
    EXPECT_TRUE(days.problems[0].contains(QStringLiteral("club.ics"))) << days.problems[0].toStdString();
}

TEST_F(StoredCalendarsTest, ARefusedFileStoresNothingAndOldImportsStayIntact)
{
    // Holidays imported before calendars were kept whole are rule and table holidays, as they were.
    WriteSetting(QString::fromLatin1(key::RuleHolidays), QStringLiteral(R"([{"name":"Trip","rule":"date 2025-06-12"}])"));
    LoadHolidays();
    LoadRuleHolidays();
    ASSERT_EQ(RuleHolidays().size(), 1u) << RawSettings().toStdString();
    const QByteArray before = RawSettings();
    EXPECT_THROW(ImportCalendar(WriteFeed(QStringLiteral("bad.ics"), "BEGIN:VEVENT\r\nSUMMARY:\xff\r\n"), false),
                 IcsError);
    EXPECT_THROW(ImportCalendar(FolderPath(QStringLiteral("missing.ics")), true), IcsError);
    EXPECT_EQ(RawSettings(), before);
    EXPECT_EQ(NamesOn(2025, 6, 12), std::vector<QString>{QStringLiteral("Trip")});

    // An event cut at its limit is named once, for the first year a generation shows.
    ImportCalendar(WriteFeed(QStringLiteral("ticks.ics"), "BEGIN:VEVENT\r\nUID:t\r\nDTSTART:20260101T000000\r\n"
                                                          "RRULE:FREQ=MINUTELY\r\nSUMMARY:Tick\r\nEND:VEVENT\r\n"),
                   true, true);
    const StoredCalendarDays days = DaysOfStoredCalendars(2026, 2026);
    EXPECT_EQ(days.notices, QStringList{QStringLiteral("In the calendar \"Family\", \"Tick\" repeats more often than "
                                                        "10000 times or than can be counted; shown up to there only.")});
}

}  // namespace
}  // namespace morvessa
