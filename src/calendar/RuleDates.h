#pragma once
// The days the rule holidays fall on in one year, observed days included.

#include "calendar/DateRules.h"

#include <QString>

#include <optional>
#include <vector>

namespace morvessa {

struct HolidayRule;

// One holiday on one day: its date and the text for the notes cell ("Christmas Day", or "Christmas
// Day (observed)" on an observed day).
struct HolidayOccurrence {
    CalendarDate date;
    QString label;
    std::size_t rule = 0;  // index of the rule in the list it came from

    friend bool operator==(const HolidayOccurrence&, const HolidayOccurrence&) = default;
};

// The day `rule` gives in `year`, without observed days; nothing when the rule is not in force that
// year (years in force, or a dated event of another year). Throws std::out_of_range for a year Easter
// is not computed for.
std::optional<CalendarDate> RuleDate(const HolidayRule& rule, int year);

// Every holiday of `rules` that falls within `year`, in the order of the list, each followed by its
// observed day. Observed days may come from a holiday of the next or previous year (1 January on a
// Saturday is observed on 31 December before it). A "next free weekday" day skips weekends and the
// days the other such holidays of the list hold, so Christmas and Boxing Day on a weekend give 27 and
// 28 December.
std::vector<HolidayOccurrence> HolidaysInYear(const std::vector<HolidayRule>& rules, int year);

// The text an observed day shows.
QString ObservedLabel(const QString& name);

}  // namespace morvessa
