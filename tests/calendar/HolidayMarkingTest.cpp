// Holiday marking on the built month sheets, including the holidays that cannot be placed.

#include "calendar/HolidayMarking.h"
#include "calendar/StoredCalendars.h"
#include "calendar/GenerateCalendar.h"
#include "calendar/CalendarTestSupport.h"
#include "holidays/HolidayRules.h"
#include "core/NumericText.h"
#include "settings/SettingsStore.h"
#include "host/SheetPicture.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace morvessa::calendar_test {
namespace {

class HolidayMarkingTest : public IsolatedCalendarTest {
protected:
    void SetUp() override
    {
        IsolatedCalendarTest::SetUp();
        LoadHolidays();
        RuleHolidays().clear();
    }
    void TearDown() override
    {
        RuleHolidays().clear();
        IsolatedCalendarTest::TearDown();
    }

    static void UseRules(std::vector<std::pair<const char*, const char*>> rules)
    {
        RuleHolidays().clear();
        for (const auto& [text, name] : rules) {
            HolidayRule rule = ParseRuleText(QString::fromLatin1(text));
            rule.name = QString::fromUtf8(name);
            RuleHolidays().push_back(rule);
        }
    }

    // Marks the current tables on the twelve sheets of `year`; returns the reports of line 152.
    std::vector<std::string> Mark(int year)
    {
        built_ = BuildMonths(year);
        RecordingErrorReporter reporter;
        ErrorTrap trap(location::Calendar_GenerateCalendar, &reporter);
        MarkHolidays(*built_.app, year, trap, 152);
        return reporter.messages;
    }

    sheet::Worksheet& Sheet(const char* name) { return built_.app->Sheets()(name); }

    static void UseFixed(std::vector<std::vector<HolidayCell>> rows)
    {
        FixedHolidays().Reset(int(rows.size()));
        for (int r = 0; r < int(rows.size()); ++r)
            for (int c = 0; c < 3; ++c)
                FixedHolidays().Cell(r + 1, c + 1) = rows[r][c];
    }
    static void UseFloating(std::vector<std::vector<HolidayCell>> rows)
    {
        FloatingHolidays().Reset(int(rows.size()));
        for (int r = 0; r < int(rows.size()); ++r)
            for (int c = 0; c < 4; ++c)
                FloatingHolidays().Cell(r + 1, c + 1) = rows[r][c];
    }

    BuiltMonths built_;
};

TEST_F(HolidayMarkingTest, DefaultHolidaysOf2024LandOnTheirNotesCells)
{
    EXPECT_TRUE(Mark(2024).empty());
    EXPECT_EQ(built_.app->Sheets().Count(), 12);  // the template is gone

    // 4 July 2024 is a Thursday in the first band: notes cell AG11.
    sheet::Worksheet& july = Sheet("July");
    EXPECT_EQ(ValueAt(july, "AG11"), sheet::CellValue("Independence Day"));
    EXPECT_EQ(FormatAt(july, "AG11").font.colorIndex, 3);
    EXPECT_EQ(FillAt(july, "AG11"), 36);
    EXPECT_EQ(MergedAreaAt(july, "AG11"), "AG11:AN16");  // shown whole with its top-left format
    EXPECT_EQ(ValueAt(july, "AG9"), sheet::CellValue(4));
    EXPECT_EQ(FillAt(july, "AG9"), 19);

    // Last Monday of May 2024 is the 27th (band 5, Monday): I43.
    EXPECT_EQ(ValueAt(Sheet("May"), "I41"), sheet::CellValue(27));
    EXPECT_EQ(ValueAt(Sheet("May"), "I43"), sheet::CellValue("Memorial Day"));
    // Thanksgiving 2024, the 4th Thursday of November, is the 28th: AG43.
    EXPECT_EQ(ValueAt(Sheet("November"), "AG41"), sheet::CellValue(28));
    EXPECT_EQ(ValueAt(Sheet("November"), "AG43"), sheet::CellValue("Thanksgiving"));
    // Easter 2024 is 31 March (band 6, Sunday): A51.
    EXPECT_EQ(ValueAt(Sheet("March"), "A51"), sheet::CellValue("Easter"));
    EXPECT_EQ(FormatAt(Sheet("March"), "A51").font.colorIndex, 3);
    // After Easter the January sheet is active.
    EXPECT_EQ(built_.app->ActiveSheet().Name(), "January");
}

// A name is text whatever it looks like, and its day is found by place, not by searching for the
// day's number: a name "10" on the 1st must not pass for the 10th.
TEST_F(HolidayMarkingTest, NamesStayAsTypedAndNeverPassForADayNumber)
{
    UseFixed({{1, 1, "10"},
              {1, 2, "007"},
              {1, 3, "1e3"},
              {1, 4, "-5"},
              {1, 5, "'Tis the Season"},
              {1, 6, "=Solstice"},
              {1, 7, "=1+1"},
              {1, 9, "1/2/2024"},
              {1, 10, "Ten"}});
    EXPECT_TRUE(Mark(2024).empty());

    // January 2024 starts on a Monday: days 1..6 in band 1 from column I, 7..13 in band 2.
    sheet::Worksheet& january = Sheet("January");
    const std::vector<std::pair<const char*, const char*>> expected = {{"I11", "10"},
                                                                       {"Q11", "007"},
                                                                       {"Y11", "1e3"},
                                                                       {"AG11", "-5"},
                                                                       {"AO11", "'Tis the Season"},
                                                                       {"AW11", "=Solstice"},
                                                                       {"A19", "=1+1"},
                                                                       {"Q19", "1/2/2024"},
                                                                       {"Y19", "Ten"}};
    for (const auto& [address, name] : expected) {
        EXPECT_EQ(ValueAt(january, address), sheet::CellValue(std::string(name))) << address;
        EXPECT_EQ(FormatAt(january, address).font.colorIndex, 3) << address;
    }
    // Every day keeps its number; the 8th's notes stay empty.
    for (const auto& [address, day] : {std::pair{"I9", 1}, {"A17", 7}, {"I17", 8}, {"Y17", 10}})
        EXPECT_EQ(ValueAt(january, address), sheet::CellValue(day)) << address;
    EXPECT_EQ(ValueAt(january, "I19"), sheet::CellValue());
}

TEST_F(HolidayMarkingTest, WithoutEasterTheLastMarkedSheetStaysActive)
{
    WriteSetting(key::Easter, QStringLiteral("2"));
    EXPECT_TRUE(Mark(2024).empty());
    EXPECT_EQ(ValueAt(Sheet("March"), "A51"), sheet::CellValue());
    // The last floating default is the first Sunday of November.
    EXPECT_EQ(built_.app->ActiveSheet().Name(), "November");
}

TEST_F(HolidayMarkingTest, TheNewDefaultsMarkTodaysDaylightSavingDates)
{
    WriteSetting(key::Easter, QStringLiteral("2"));
    EXPECT_TRUE(Mark(2024).empty());
    // 10 March 2024 is the second Sunday (band 3): A27; 3 November the first (band 2): A19.
    EXPECT_EQ(ValueAt(Sheet("March"), "A25"), sheet::CellValue(10));
    EXPECT_EQ(ValueAt(Sheet("March"), "A27"), sheet::CellValue("Daylight Saving Time Begins"));
    EXPECT_EQ(ValueAt(Sheet("November"), "A17"), sheet::CellValue(3));
    EXPECT_EQ(ValueAt(Sheet("November"), "A19"), sheet::CellValue("Daylight Saving Time Ends"));
}

TEST_F(HolidayMarkingTest, AColourOutsideThePaletteMarksEveryHolidayWithoutFill)
{
    WriteSetting(key::HolidaysColor, QStringLiteral("999"));
    EXPECT_TRUE(Mark(2024).empty());
    EXPECT_EQ(ValueAt(Sheet("July"), "AG11"), sheet::CellValue("Independence Day"));
    EXPECT_EQ(FillAt(Sheet("July"), "AG11"), sheet::xlColorIndexNone);
}

TEST_F(HolidayMarkingTest, AnEasterSettingThatIsNotANumberIsNamed)
{
    WriteSetting(key::Easter, QStringLiteral("yes"));
    try {
        Mark(2024);
        FAIL() << "a setting that is not a number was taken";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "Type mismatch: the setting Easter holds \"yes\", which is not a number");
    }
}

TEST_F(HolidayMarkingTest, LaterHolidayOnTheSameDateWins)
{
    UseFixed({{3, 31, "Fixed first"}, {3, 31, "Fixed second"}});
    UseFloating({{3, 1, "Last", "Floating"}});  // last Sunday of March 2024 is the 31st, Easter too
    EXPECT_TRUE(Mark(2024).empty());
    EXPECT_EQ(ValueAt(Sheet("March"), "A51"), sheet::CellValue("Easter"));

    WriteSetting(key::Easter, QStringLiteral("2"));
    EXPECT_TRUE(Mark(2024).empty());
    EXPECT_EQ(ValueAt(Sheet("March"), "A51"), sheet::CellValue("Floating"));
}

TEST_F(HolidayMarkingTest, ADayOfManyHolidaysShowsTheFirstFiftyAndSaysSoOnce)
{
    SetShowEveryHolidayOfDay(true);
    RuleHolidays().clear();
    for (int n = 1; n <= 120; ++n) {
        HolidayRule rule = ParseRuleText(QString::fromLatin1(n <= 110 ? "fixed 03-17" : "fixed 03-18"));
        rule.name = QStringLiteral("Name %1").arg(n);
        RuleHolidays().push_back(rule);
    }
    RecordingCatalogueMessageSink messages;
    ScopedCatalogueMessageSink scoped(&messages);
    EXPECT_TRUE(Mark(2021).empty());
    std::vector<std::string> texts;
    const sheet::Worksheet& march = Sheet("March");
    for (int row = 1; row <= march.UsedArea()->lastRow; ++row)
        for (int column = 1; column <= march.UsedArea()->lastColumn; ++column)
            if (const sheet::Cell* cell = march.FindCell(row, column); cell && cell->value.IsText() &&
                                                                       cell->value.Text().rfind("Name ", 0) == 0)
                texts.push_back(cell->value.Text());
    ASSERT_EQ(texts.size(), 2u);
    const std::string& full = texts[0].size() > texts[1].size() ? texts[0] : texts[1];
    EXPECT_EQ(std::count(full.begin(), full.end(), '\n'), 50);
    EXPECT_TRUE(full.rfind("Name 50\nand 60 more") == full.size() - 19) << full.substr(full.size() - 40);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].indexOf(QStringLiteral("more than 50 holidays")), -1);
}

TEST_F(HolidayMarkingTest, RuleHolidaysAndTheirObservedDaysAreMarkedAfterTheTables)
{
    UseFixed({{12, 25, "Christmas"}});
    UseFloating({{5, 2, "Last", "Memorial Day"}});
    UseRules({{"easter -2", "Good Friday"},
              {"fixed 12-25 observe=next", "Christmas Day"},
              {"fixed 12-26 observe=next", "Boxing Day"},
              {"date 2021-06-12", "Wedding"},
              {"date 2022-06-12", "Not this year"}});
    EXPECT_TRUE(Mark(2021).empty());
    // Good Friday 2021 is 2 April (Friday, band 1): AO11.
    EXPECT_EQ(ValueAt(Sheet("April"), "AO9"), sheet::CellValue(2));
    EXPECT_EQ(ValueAt(Sheet("April"), "AO11"), sheet::CellValue("Good Friday"));
    EXPECT_EQ(FillAt(Sheet("April"), "AO11"), 36);
    // Christmas 2021 is a Saturday: the rule's name replaces the table's; the observed days are the
    // 27th and 28th (Monday and Tuesday of band 5).
    EXPECT_EQ(ValueAt(Sheet("December"), "I41"), sheet::CellValue(27));
    EXPECT_EQ(ValueAt(Sheet("December"), "I43"), sheet::CellValue("Christmas Day (observed)"));
    EXPECT_EQ(ValueAt(Sheet("December"), "Q43"), sheet::CellValue("Boxing Day (observed)"));
    EXPECT_EQ(ValueAt(Sheet("December"), "AW35"), sheet::CellValue("Christmas Day"));
    // 12 June 2021 is a Saturday in band 2.
    EXPECT_EQ(ValueAt(Sheet("June"), "AW19"), sheet::CellValue("Wedding"));
    EXPECT_EQ(built_.app->ActiveSheet().Name(), "January");
}

TEST_F(HolidayMarkingTest, ShowEveryHolidayListsEachNameOfADayOncePerLine)
{
    UseFixed({{3, 31, "Fixed first"}, {3, 31, "Fixed second"}, {3, 31, "Fixed first"}});
    UseFloating({{3, 1, "Last", "Floating"}});
    UseRules({{"easter +0", "Easter Sunday"}});
    SetShowEveryHolidayOfDay(true);
    EXPECT_TRUE(Mark(2024).empty());
    EXPECT_EQ(ValueAt(Sheet("March"), "A51"),
              sheet::CellValue("Fixed first\nFixed second\nFloating\nEaster\nEaster Sunday"));

    SetShowEveryHolidayOfDay(false);
    EXPECT_TRUE(Mark(2024).empty());
    EXPECT_EQ(ValueAt(Sheet("March"), "A51"), sheet::CellValue("Easter Sunday"));
}

TEST_F(HolidayMarkingTest, ACalendarsEventsOfADayComeLastAndACutEventIsNoFailedStep)
{
    UseFixed({{3, 31, "Fixed first"}});
    UseFloating({{3, 1, "Last", "Floating"}});
    QTemporaryDir folder;
    QFile feed(folder.filePath(QStringLiteral("feed.ics")));
    ASSERT_TRUE(feed.open(QIODevice::WriteOnly));
    feed.write("BEGIN:VCALENDAR\r\n"
               "BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20240331\r\nSUMMARY:Easter\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20240331\r\nSUMMARY:Feed one\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nUID:c\r\nDTSTART:20240101T000000\r\nRRULE:FREQ=MINUTELY\r\n"
               "SUMMARY:Tick\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    feed.close();
    ImportCalendar(feed.fileName(), true, true);
    RecordingCatalogueMessageSink notices;
    ScopedCatalogueMessageSink useNotices(notices);
    SetShowEveryHolidayOfDay(true);
    EXPECT_TRUE(Mark(2024).empty());
    EXPECT_EQ(ValueAt(Sheet("March"), "A51"), sheet::CellValue("Fixed first\nFloating\nEaster\nFeed one"));
    // The cut event, and the days of 1,440 ticks each, which show their first 50.
    ASSERT_EQ(notices.messages.size(), 2u);
    EXPECT_TRUE(notices.messages[0].contains(QStringLiteral("more than 50 holidays")) ||
                notices.messages[1].contains(QStringLiteral("more than 50 holidays")));
    SetShowEveryHolidayOfDay(false);
    EXPECT_TRUE(Mark(2024).empty());
    EXPECT_EQ(ValueAt(Sheet("March"), "A51"), sheet::CellValue("Feed one"));
    EXPECT_EQ(built_.app->ActiveSheet().Name(), "January");
}

TEST_F(HolidayMarkingTest, HolidayColourOfNoneKeepsTheRedFont)
{
    WriteSetting(key::HolidaysColor, QStringLiteral("0"));
    WriteSetting(key::DaysColor, QStringLiteral("35"));
    EXPECT_TRUE(Mark(2024).empty());
    EXPECT_EQ(FillAt(Sheet("July"), "AG11"), sheet::xlColorIndexNone);
    EXPECT_EQ(FormatAt(Sheet("July"), "AG11").font.colorIndex, 3);
    EXPECT_EQ(FillAt(Sheet("July"), "AO11"), 35);
}

TEST_F(HolidayMarkingTest, UnplaceableHolidaysAreReportedOnceEachAndSkipped)
{
    UseFixed({{4, 31, "No Such Day"},
              {2, 29, "Leap Day"},
              {"x", 3, "Bad Month"},
              {13, 1, "Month Thirteen"},
              {5, "abc", "Bad %2 Day"},  // a name is never read for placeholders
              {7, 4, "Independence Day"}});
    UseFloating({{6, 2, 5, "Fifth Monday"}, {1, 9, 1, "Bad Weekday"}, {11, 5, 4, "Thanksgiving"}});
    const std::vector<std::string> reports = Mark(2023);

    // 29 February of a common year is skipped silently; every other bad row gives one report.
    ASSERT_EQ(reports.size(), 6u);
    const char* const names[] = {"No Such Day", "Bad Month",    "Month Thirteen",
                                 "Bad %2 Day",  "Fifth Monday", "Bad Weekday"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_NE(reports[i].find(std::string("\"") + names[i] + "\""), std::string::npos) << reports[i];
        EXPECT_NE(reports[i].find("Calendar.GenerateCalendar at line 152"), std::string::npos) << reports[i];
    }
    EXPECT_EQ(std::count_if(reports.begin(), reports.end(),
                            [](const std::string& r) { return r.find("Leap Day") != std::string::npos; }),
              0);
    // Each says what is wrong in a user's words: the day or weekday the month lacks, never the
    // stored numbers of a weekday.
    const char* const reasons[] = {": April 2023 has no 31st day.",
                                   ": its month \"x\" is not a number from 1 to 12.",
                                   ": there is no month 13 (the months are 1 to 12).",
                                   ": its day \"abc\" is not a whole number.",
                                   ": June 2023 has no 5th Monday.",
                                   ": its day of the week \"9\" is none of Sunday to Saturday."};
    for (int i = 0; i < 6; ++i)
        EXPECT_NE(reports[i].find(std::string(names[i]) + "\" cannot be placed" + reasons[i]), std::string::npos)
            << reports[i];

    // Everything after the bad rows is still marked, Easter included (9 April 2023, a Sunday).
    EXPECT_EQ(ValueAt(Sheet("July"), "Q19"), sheet::CellValue("Independence Day"));   // a Tuesday
    EXPECT_EQ(ValueAt(Sheet("November"), "AG35"), sheet::CellValue("Thanksgiving"));  // 23 November
    EXPECT_EQ(ValueAt(Sheet("April"), "A27"), sheet::CellValue("Easter"));
    // The fifth Monday that June 2023 lacks does not spill onto 3 July (or 3 June).
    EXPECT_EQ(ValueAt(Sheet("July"), "I19"), sheet::CellValue());
    EXPECT_EQ(ValueAt(Sheet("June"), "AW11"), sheet::CellValue());
}

TEST_F(HolidayMarkingTest, ALongNameShrinksToFitItsNotesAreaAndAShortOneKeepsItsFormat)
{
    UseRules({{"fixed 04-02", "Día del Veterano y de los Caídos en la Guerra de Malvinas"},
              {"fixed 04-05", "Day"},
              {"fixed 04-09", "Aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa "
                              "Bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb "
                              "Cccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc"}});
    EXPECT_TRUE(Mark(2027).empty());
    sheet::Worksheet& april = Sheet("April");
    // 2 April 2027 is a Friday: its notes cell is AO11 with Sunday first.
    const sheet::CellFormat& longName = FormatAt(april, "AO11");
    EXPECT_TRUE(longName.shrinkToFit);
    EXPECT_LT(longName.font.size, 12);
    EXPECT_GE(longName.font.size, kSmallestShrunkPoints);
    // At that size the whole name fits.
    EXPECT_EQ(FittingFontSize(april, 11, 41), longName.font.size);
    // A name that fits is written as it always was, and the unreadable one stops at the smallest size.
    EXPECT_FALSE(FormatAt(april, "I19").shrinkToFit);
    EXPECT_EQ(FormatAt(april, "I19").font.size, 12);
    EXPECT_TRUE(FormatAt(april, "AO19").shrinkToFit);
    EXPECT_EQ(FormatAt(april, "AO19").font.size, kSmallestShrunkPoints);
    EXPECT_FALSE(FittingFontSize(april, 19, 41));
}

TEST_F(HolidayMarkingTest, LeapDayIsMarkedInALeapYear)
{
    UseFixed({{2, 29, "Leap Day"}});
    EXPECT_TRUE(Mark(2024).empty());
    // 29 February 2024 is a Thursday in band 5.
    EXPECT_EQ(ValueAt(Sheet("February"), "AG43"), sheet::CellValue("Leap Day"));
}

// Easter is named in the calendar's language; an English calendar keeps "Easter".
TEST_F(HolidayMarkingTest, EasterIsNamedInTheCalendarsLanguage)
{
    UseFixed({});
    UseFloating({});
    const auto easterName = [] {
        const std::vector<MarkedHoliday> days = MarkedHolidaysOfYear(2026);
        return days.size() == 1 && days[0].date == CalendarDate{2026, 4, 5} ? days[0].name : QString();
    };
    EXPECT_EQ(easterName(), QStringLiteral("Easter"));
    for (const auto& [language, name] : {std::pair{"de_DE", "Ostern"}, {"fr_FR", "Pâques"}, {"pl_PL", "Wielkanoc"}}) {
        WriteSetting(QString::fromLatin1(key::CalendarLanguage), QString::fromLatin1(language));
        EXPECT_EQ(easterName(), QString::fromUtf8(name)) << language;
    }
}

TEST_F(HolidayMarkingTest, EasterOf2100IsTheTrueDate)
{
    UseFixed({{1, 1, "New Year's Day"}});
    UseFloating({{1, 2, 3, "Martin Luthar King Day"}});
    EXPECT_TRUE(Mark(2100).empty());
    // 28 March 2100 is a Sunday in band 5.
    EXPECT_EQ(ValueAt(Sheet("March"), "A41"), sheet::CellValue(28));
    EXPECT_EQ(ValueAt(Sheet("March"), "A43"), sheet::CellValue("Easter"));
}

TEST_F(HolidayMarkingTest, MissingTemplateEndsMarkingWithAnError)
{
    built_ = BuildMonths(2024);
    built_.app->Sheets()("Calendar Template").Delete();
    RecordingErrorReporter reporter;
    ErrorTrap trap(location::Calendar_GenerateCalendar, &reporter);
    EXPECT_ANY_THROW(MarkHolidays(*built_.app, 2024, trap, 152));
}

}  // namespace
}  // namespace morvessa::calendar_test
