// Whole workbooks with another first weekday, another first month, week numbers and other
// languages, read back by the independent checker (xlrd and Python's own calendar).

#include "calendar/CalendarOptions.h"
#include "calendar/GenerateCalendar.h"
#include "calendar/CalendarTestSupport.h"
#include "calendar/XlsChecker.h"
#include "calendar/WeekLayout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string>
#include <vector>

namespace morvessa {
namespace {

using calendar_test::CalendarFileMatches;

QJsonArray Strings(const std::vector<const char8_t*>& texts)
{
    QJsonArray array;
    for (const char8_t* text : texts)
        array.append(QString::fromUtf8(reinterpret_cast<const char*>(text)));
    return array;
}

class CalendarLayoutTest : public calendar_test::IsolatedCalendarTest {
protected:
    // Generates from `firstYear` with the options; the workbook's path, or "" when none came.
    QString Generate(int firstYear, const CalendarOptions& options, int monthIndex = 0)
    {
        ui_ = calendar_test::RecordingGenerationUi(monthIndex);
        GenerateCalendar(CalendarYear::Clamped(firstYear), ui_, options);
        EXPECT_TRUE(reports_.messages.empty()) << reports_.messages.front();
        return QString::fromStdString(ui_.workbook);
    }

    // The checker's settings for the options: the layout, and the words when `words` has them.
    QString CheckerSettings(const CalendarOptions& options, QJsonObject words = {})
    {
        words[QStringLiteral("week_start")] = options.FirstWeekday();
        words[QStringLiteral("first_month")] = options.firstMonth;
        words[QStringLiteral("week_numbers")] = options.weekNumbers;
        const QString path = FolderPath(QStringLiteral("checker-%1.json").arg(++checkerFiles_));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(words).toJson());
        return path;
    }

    calendar_test::RecordingGenerationUi ui_;
    RecordingErrorReporter reports_;
    ScopedErrorReporter reporterScope_{reports_};
    int checkerFiles_ = 0;
};

TEST_F(CalendarLayoutTest, EveryWeekStartFirstMonthAndYearReadsBackRight)
{
    struct Case {
        WeekStartChoice weekStart;
        int year;
        int firstMonth;
        bool weekNumbers;
        int activeMonth;  // the month selector's month, 1..12
    };
    // Years with a leap February, an Easter in March and one in April, a year that ends on a
    // Thursday (week 53), and the last year the program makes.
    const std::vector<Case> cases = {
        {WeekStartChoice::Monday, 2024, 1, true, 3},    {WeekStartChoice::Monday, 2026, 9, true, 9},
        {WeekStartChoice::Monday, 2100, 12, false, 1},  {WeekStartChoice::Saturday, 2024, 3, true, 2},
        {WeekStartChoice::Saturday, 2027, 1, false, 7}, {WeekStartChoice::Saturday, 2015, 9, true, 12},
        {WeekStartChoice::Sunday, 2026, 9, true, 8},    {WeekStartChoice::Sunday, 2020, 4, false, 4},
        {WeekStartChoice::Sunday, 2024, 1, true, 1},
    };
    for (const Case& c : cases) {
        CalendarOptions options;
        options.weekStart = c.weekStart;
        options.firstMonth = c.firstMonth;
        options.weekNumbers = c.weekNumbers;
        const QString workbook = Generate(c.year, options, c.activeMonth - 1);
        EXPECT_TRUE(CalendarFileMatches(workbook, c.year, c.activeMonth, CheckerSettings(options)))
            << "week start " << options.FirstWeekday() << ", " << c.year << "-" << c.firstMonth;
    }
}

TEST_F(CalendarLayoutTest, GermanPolishAndRussianSheetsTitlesAndHeadersReadBackRight)
{
    struct Case {
        const char* locale;
        std::vector<const char8_t*> months;
        std::vector<const char8_t*> weekdays;  // Sunday first
        std::vector<const char8_t*> letters;
        const char8_t* titleFormat;
        const char8_t* easter;  // a language without a translation keeps the English name
    };
    const std::vector<Case> cases = {
        {"de_DE",
         {u8"Januar", u8"Februar", u8"März", u8"April", u8"Mai", u8"Juni", u8"Juli", u8"August",
          u8"September", u8"Oktober", u8"November", u8"Dezember"},
         {u8"Sonntag", u8"Montag", u8"Dienstag", u8"Mittwoch", u8"Donnerstag", u8"Freitag", u8"Samstag"},
         {u8"S", u8"M", u8"D", u8"M", u8"D", u8"F", u8"S"},
         u8"{month} {year}", u8"Ostern"},
        // The nominative in titles, never the genitive "stycznia 2027".
        {"pl_PL",
         {u8"Styczeń", u8"Luty", u8"Marzec", u8"Kwiecień", u8"Maj", u8"Czerwiec", u8"Lipiec", u8"Sierpień",
          u8"Wrzesień", u8"Październik", u8"Listopad", u8"Grudzień"},
         {u8"Niedziela", u8"Poniedziałek", u8"Wtorek", u8"Środa", u8"Czwartek", u8"Piątek", u8"Sobota"},
         {u8"N", u8"P", u8"W", u8"Ś", u8"C", u8"P", u8"S"},
         u8"{month} {year}", u8"Wielkanoc"},
        // Cyrillic sheet names through the .xls file and back.
        {"ru_RU",
         {u8"Январь", u8"Февраль", u8"Март", u8"Апрель", u8"Май", u8"Июнь", u8"Июль", u8"Август",
          u8"Сентябрь", u8"Октябрь", u8"Ноябрь", u8"Декабрь"},
         {u8"Воскресенье", u8"Понедельник", u8"Вторник", u8"Среда", u8"Четверг", u8"Пятница", u8"Суббота"},
         {u8"В", u8"П", u8"В", u8"С", u8"Ч", u8"П", u8"С"},
         u8"{month} {year} г.", u8"Easter"},
    };
    for (const Case& c : cases) {
        CalendarOptions options;
        options.language = *CalendarLanguage::FromSetting(QString::fromLatin1(c.locale));
        options.weekStart = WeekStartChoice::Locale;  // Monday in all three
        options.firstMonth = 9;
        ASSERT_EQ(options.FirstWeekday(), kMonday) << c.locale;
        QJsonObject words;
        words[QStringLiteral("months")] = Strings(c.months);
        words[QStringLiteral("weekdays")] = Strings(c.weekdays);
        words[QStringLiteral("letters")] = Strings(c.letters);
        words[QStringLiteral("title_format")] =
            QString::fromUtf8(reinterpret_cast<const char*>(c.titleFormat));
        words[QStringLiteral("easter_name")] = QString::fromUtf8(reinterpret_cast<const char*>(c.easter));
        const QString workbook = Generate(2026, options, 0);
        EXPECT_TRUE(CalendarFileMatches(workbook, 2026, 1, CheckerSettings(options, words))) << c.locale;
    }
}

TEST_F(CalendarLayoutTest, FinnishGreekFrenchAndSpanishSheetsAreFoundByTheirNames)
{
    // Holidays are placed on sheets found by name: every default holiday must arrive.
    const std::pair<const char*, const char*> languages[] = {
        {"fi_FI", "Easter"}, {"el_GR", "Easter"}, {"fr_FR", "P\u00e2ques"}, {"es_ES", "Pascua"}};
    for (const auto& [locale, easter] : languages) {
        CalendarOptions options;
        options.language = *CalendarLanguage::FromSetting(QString::fromLatin1(locale));
        const QString workbook = Generate(2027, options, 11);
        QJsonObject words;
        QJsonArray months;
        for (int month = 1; month <= 12; ++month)
            months.append(QString::fromStdString(options.language.MonthName(month)));
        words[QStringLiteral("months")] = months;
        QJsonArray weekdays;
        QJsonArray letters;
        for (int weekday = 1; weekday <= 7; ++weekday) {
            weekdays.append(QString::fromStdString(options.language.WeekdayName(weekday)));
            letters.append(QString::fromStdString(options.language.WeekdayLetter(weekday)));
        }
        words[QStringLiteral("weekdays")] = weekdays;
        words[QStringLiteral("letters")] = letters;
        // The titles are checked against the language's own rule, which its own test pins down.
        QJsonArray titles;
        for (int month = 1; month <= 12; ++month)
            titles.append(QString::fromStdString(options.language.MonthTitle(2027, month))
                              .replace(QStringLiteral("2027"), QStringLiteral("{year}")));
        words[QStringLiteral("title_months")] = titles;
        words[QStringLiteral("title_format")] = QStringLiteral("{month}");
        words[QStringLiteral("easter_name")] = QString::fromUtf8(easter);
        EXPECT_TRUE(CalendarFileMatches(workbook, 2027, 12, CheckerSettings(options, words))) << locale;
    }
}

}  // namespace
}  // namespace morvessa
