#pragma once
// The language of the calendar's own words: sheet names, titles, the weekday header and the mini
// months' weekday letters. English is the default and writes the program's English vocabulary
// exactly; any other language takes its words from QLocale (the standalone forms, so "Styczeń 2027"
// rather than the genitive of a date).

#include <QLocale>
#include <QString>

#include <optional>
#include <string>

namespace morvessa {

// The folder of the program's embedded translations ("morvessa_de.qm", "morvessa_fr.qm", ...).
inline constexpr const char* kTranslationsFolder = ":/i18n";

class CalendarLanguage {
public:
    // The stored and command-line forms of the choice.
    static inline const QString kEnglishSetting = QStringLiteral("");
    static inline const QString kSystemSetting = QStringLiteral("system");

    // English, the default.
    CalendarLanguage() = default;
    static CalendarLanguage English() { return {}; }
    static CalendarLanguage ForLocale(const QLocale& locale);
    // "" (English), "system" (the system's locale) or a locale name such as "de", "de_DE", "pl-PL".
    // Nothing for a name QLocale does not know.
    static std::optional<CalendarLanguage> FromSetting(const QString& setting);

    bool IsEnglish() const { return !locale_; }
    // The locale the words come from (English: en_US).
    QLocale Locale() const;

    // The month's name as a sheet name: its standalone name, first letter capitalised, with the
    // characters a sheet name may not hold replaced and at most 31 characters.
    std::string MonthName(int month) const;
    // The month's title: "January 2024", "Januar 2027", "2027年1月", in the locale's own order.
    std::string MonthTitle(int year, int month) const;
    // The weekday's name for the header (1 = Sunday .. 7 = Saturday), first letter capitalised.
    std::string WeekdayName(int weekday) const;
    // The weekday's letter for the mini months.
    std::string WeekdayLetter(int weekday) const;
    // The first day of the locale's week, 1 = Sunday .. 7 = Saturday (English: Sunday).
    int WeekStart() const;
    // Whether the weekday (1 = Sunday .. 7 = Saturday) is a day off in the locale's week: Saturday
    // and Sunday in English, Friday and Saturday in Hebrew or Arabic.
    bool IsWeekend(int weekday) const;
    // One of the calendar's own words (marked with QT_TRANSLATE_NOOP("CalendarWords", ...)) in its
    // language, from the program's translations; as written when there is none for the language.
    QString Word(const char* english) const;

    friend bool operator==(const CalendarLanguage& a, const CalendarLanguage& b)
    {
        return a.Locale() == b.Locale() && a.IsEnglish() == b.IsEnglish();
    }

private:
    explicit CalendarLanguage(const QLocale& locale) : locale_(locale) {}
    std::optional<QLocale> locale_;
};

}  // namespace morvessa
