#include "core/CalendarLanguage.h"

#include <gtest/gtest.h>

#include <QString>

#include <stdexcept>
#include <string>
#include <vector>

namespace morvessa {
namespace {

CalendarLanguage Language(const char* name)
{
    const auto language = CalendarLanguage::FromSetting(QString::fromLatin1(name));
    EXPECT_TRUE(language.has_value()) << name;
    return language.value_or(CalendarLanguage::English());
}

std::string Utf8(const char8_t* text)
{
    return std::string(reinterpret_cast<const char*>(text));
}

TEST(CalendarLanguageTest, EnglishIsTheProgramsOwnVocabulary)
{
    const CalendarLanguage english;
    EXPECT_TRUE(english.IsEnglish());
    EXPECT_EQ(english.MonthName(1), "January");
    EXPECT_EQ(english.MonthName(12), "December");
    EXPECT_EQ(english.MonthTitle(2024, 1), "January 2024");
    EXPECT_EQ(english.MonthTitle(1900, 9), "September 1900");
    EXPECT_EQ(english.WeekdayName(1), "Sunday");
    EXPECT_EQ(english.WeekdayName(7), "Saturday");
    std::string letters;
    for (int weekday = 1; weekday <= 7; ++weekday)
        letters += english.WeekdayLetter(weekday);
    EXPECT_EQ(letters, "SMTWTFS");
    EXPECT_EQ(english.WeekStart(), 1);
    EXPECT_THROW(english.MonthName(13), std::out_of_range);
    EXPECT_THROW(english.WeekdayName(0), std::out_of_range);
}

TEST(CalendarLanguageTest, SettingsNameEnglishTheSystemOrALocale)
{
    EXPECT_TRUE(CalendarLanguage::FromSetting(QString())->IsEnglish());
    EXPECT_TRUE(CalendarLanguage::FromSetting(QStringLiteral("  "))->IsEnglish());
    const auto system = CalendarLanguage::FromSetting(QStringLiteral("system"));
    ASSERT_TRUE(system.has_value());
    EXPECT_FALSE(system->IsEnglish());
    EXPECT_EQ(system->Locale(), QLocale::system());
    EXPECT_EQ(Language("de_DE").Locale().language(), QLocale::German);
    EXPECT_EQ(Language("pl-PL").Locale().language(), QLocale::Polish);
    EXPECT_FALSE(CalendarLanguage::FromSetting(QStringLiteral("xx_nowhere")).has_value());
    EXPECT_FALSE(CalendarLanguage::FromSetting(QStringLiteral("12")).has_value());
}

struct Expected {
    const char* locale;
    const char8_t* january;
    const char8_t* title;  // of January 2027
    const char8_t* monday;
    const char8_t* letters;  // Sunday first
    int weekStart;
};

TEST(CalendarLanguageTest, EachLanguageWritesItsOwnWordsInItsOwnOrder)
{
    const std::vector<Expected> cases = {
        {"de", u8"Januar", u8"Januar 2027", u8"Montag", u8"SMDMDFS", 2},
        {"fr", u8"Janvier", u8"Janvier 2027", u8"Lundi", u8"DLMMJVS", 2},
        {"es", u8"Enero", u8"Enero de 2027", u8"Lunes", u8"DLMXJVS", 2},
        // Nominative, not the genitive "stycznia" a date would use.
        {"pl", u8"Styczeń", u8"Styczeń 2027", u8"Poniedziałek", u8"NPWŚCPS", 2},
        {"fi", u8"Tammikuu", u8"Tammikuu 2027", u8"Maanantai", u8"SMTKTPL", 2},
        {"el", u8"Ιανουάριος", u8"Ιανουάριος 2027", u8"Δευτέρα", u8"ΚΔΤΤΠΠΣ", 2},
        {"ru", u8"Январь", u8"Январь 2027 г.", u8"Понедельник", u8"ВПВСЧПС", 2},
        // The year first, the month in its own case after it.
        {"hu", u8"Január", u8"2027. január", u8"Hétfő", u8"VHKSzCsPSz", 2},
        {"ja", u8"1月", u8"2027年1月", u8"月曜日", u8"日月火水木金土", 1},
    };
    for (const Expected& e : cases) {
        const CalendarLanguage language = Language(e.locale);
        EXPECT_EQ(language.MonthName(1), Utf8(e.january)) << e.locale;
        EXPECT_EQ(language.MonthTitle(2027, 1), Utf8(e.title)) << e.locale;
        EXPECT_EQ(language.WeekdayName(2), Utf8(e.monday)) << e.locale;
        std::string letters;
        for (int weekday = 1; weekday <= 7; ++weekday)
            letters += language.WeekdayLetter(weekday);
        EXPECT_EQ(letters, Utf8(e.letters)) << e.locale;
        EXPECT_EQ(language.WeekStart(), e.weekStart) << e.locale;
    }
}

TEST(CalendarLanguageTest, SheetNamesAreDistinctAndValidInEveryLocale)
{
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const CalendarLanguage language = CalendarLanguage::ForLocale(locale);
        std::vector<QString> names;
        for (int month = 1; month <= 12; ++month) {
            const QString name = QString::fromStdString(language.MonthName(month));
            ASSERT_FALSE(name.isEmpty()) << locale.name().toStdString();
            ASSERT_LE(name.size(), 31);
            for (const QChar c : u":\\/?*[]")
                ASSERT_FALSE(name.contains(c)) << name.toStdString();
            for (const QString& earlier : names)
                ASSERT_NE(earlier.compare(name, Qt::CaseInsensitive), 0)
                    << locale.name().toStdString() << ": " << name.toStdString();
            names.push_back(name);
            ASSERT_FALSE(language.MonthTitle(2027, month).empty());
        }
    }
}

// The weekend is the language's (Friday and Saturday in Hebrew); the words beside the holidays come
// from the program's translations, English where there is none.
TEST(CalendarLanguageTest, WeekendsAndWordsFollowTheLanguage)
{
    const auto weekend = [](const CalendarLanguage& language) {
        std::vector<int> days;
        for (int weekday = 1; weekday <= 7; ++weekday)
            if (language.IsWeekend(weekday))
                days.push_back(weekday);
        return days;
    };
    EXPECT_EQ(weekend(CalendarLanguage::English()), (std::vector<int>{1, 7}));
    EXPECT_EQ(weekend(Language("de_DE")), (std::vector<int>{1, 7}));
    EXPECT_EQ(weekend(Language("he_IL")), (std::vector<int>{6, 7}));
    EXPECT_THROW(CalendarLanguage::English().IsWeekend(8), std::out_of_range);

    EXPECT_EQ(CalendarLanguage::English().Word("Weekend"), QStringLiteral("Weekend"));
    EXPECT_EQ(Language("de_AT").Word("Weekend"), QStringLiteral("Wochenende"));
    EXPECT_EQ(Language("pl").Word("… %1 more").arg(3), QString::fromUtf8("… jeszcze 3"));
    EXPECT_EQ(Language("ja").Word("Weekend"), QStringLiteral("Weekend"));
}

}  // namespace
}  // namespace morvessa
