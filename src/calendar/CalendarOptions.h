#pragma once
// How the calendar is laid out beyond the year: the language of its words, the first day of its
// weeks, the month it starts with and whether week rows carry ISO week numbers. The defaults
// (English, Sunday, January, none) give the calendar the program has always made.

#include "colours/ColorPalette.h"
#include "core/CalendarLanguage.h"

#include <QString>

#include <optional>

namespace morvessa {

enum class WeekStartChoice { Sunday, Monday, Saturday, Locale };

// Which pages the calendar has: the month pages, the year on one page first and then the months,
// or the year page alone.
enum class PageChoice { Months, YearAndMonths, Year };

// "months", "both", "year" (any letter case) and back.
std::optional<PageChoice> ParsePageChoice(const QString& text);
QString PageChoiceText(PageChoice choice);

// "landscape", "portrait" (any letter case): whether the pages stand upright.
std::optional<bool> ParsePortrait(const QString& text);
QString OrientationText(bool portrait);

// "sun", "mon", "sat", "locale" (any letter case) and back.
std::optional<WeekStartChoice> ParseWeekStart(const QString& text);
QString WeekStartText(WeekStartChoice choice);

struct CalendarOptions {
    CalendarLanguage language;
    WeekStartChoice weekStart = WeekStartChoice::Sunday;
    int firstMonth = 1;  // 1..12
    bool weekNumbers = false;
    PageChoice pages = PageChoice::Months;
    bool portrait = false;
    // The fill of weekend days (the language's weekend), a palette index; none by default.
    std::int32_t weekendColour = kNoColorIndex;

    bool HasYearPage() const { return pages != PageChoice::Months; }
    bool HasMonthPages() const { return pages != PageChoice::Year; }

    // The first weekday, 1 = Sunday .. 7 = Saturday; "Locale" asks the language's locale.
    int FirstWeekday() const;
    bool IsDefault() const;
};

// The options kept in the settings store; a missing or unreadable value gives its default, so a
// damaged entry never stops a calendar from being made.
CalendarOptions StoredCalendarOptions();

// The stored forms: "" / "system" / a locale name; "sun".."locale"; "1".."12"; "0" / "1";
// "months" / "both" / "year"; "landscape" / "portrait".
QString LanguageSettingText(const CalendarLanguage& language, bool system);

}  // namespace morvessa
