#include "calendar/RuleDates.h"

#include "holidays/HolidayRules.h"

#include <algorithm>
#include <set>

namespace morvessa {

namespace {

constexpr int kSunday = 1;
constexpr int kSaturday = 7;

bool IsWeekend(const CalendarDate& date)
{
    const int weekday = WeekdayOf(date);
    return weekday == kSunday || weekday == kSaturday;
}

// The actual day and the observed day of every rule for one holiday year.
struct YearDays {
    std::vector<std::optional<CalendarDate>> actual;
    std::vector<std::optional<CalendarDate>> observed;
};

YearDays DaysOfHolidayYear(const std::vector<HolidayRule>& rules, int year)
{
    YearDays days;
    days.actual.reserve(rules.size());
    for (const HolidayRule& rule : rules)
        days.actual.push_back(RuleDate(rule, year));
    days.observed.assign(rules.size(), std::nullopt);

    // The days "next free weekday" holidays hold, so a moved one does not land on another.
    std::set<long> taken;
    std::vector<std::size_t> moving;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if ((rules[i].observed != HolidayRule::Observed::NextFreeWeekday &&
             rules[i].observed != HolidayRule::Observed::SundayToNextFreeWeekday) ||
            !days.actual[i])
            continue;
        taken.insert(DayNumber(*days.actual[i]));
        moving.push_back(i);
    }
    // Earlier holidays choose first: Christmas before Boxing Day.
    std::stable_sort(moving.begin(), moving.end(),
                     [&](std::size_t a, std::size_t b) { return *days.actual[a] < *days.actual[b]; });

    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (!days.actual[i] || !IsWeekend(*days.actual[i]))
            continue;
        const CalendarDate date = *days.actual[i];
        const bool sunday = WeekdayOf(date) == kSunday;
        switch (rules[i].observed) {
        case HolidayRule::Observed::SaturdayToFridaySundayToMonday:
            days.observed[i] = AddDays(date, sunday ? 1 : -1);
            break;
        case HolidayRule::Observed::SundayToNextFreeWeekday:
        case HolidayRule::Observed::NextFreeWeekday:
        case HolidayRule::Observed::None:
            break;
        }
    }
    for (const std::size_t i : moving) {
        const CalendarDate date = *days.actual[i];
        if (!IsWeekend(date) || (rules[i].observed == HolidayRule::Observed::SundayToNextFreeWeekday &&
                                 WeekdayOf(date) != kSunday))
            continue;
        CalendarDate candidate = AddDays(date, 1);
        while (IsWeekend(candidate) || taken.count(DayNumber(candidate)) != 0)
            candidate = AddDays(candidate, 1);
        taken.insert(DayNumber(candidate));
        days.observed[i] = candidate;
    }
    return days;
}

}  // namespace

QString ObservedLabel(const QString& name)
{
    return name + QStringLiteral(" (observed)");
}

std::optional<CalendarDate> RuleDate(const HolidayRule& rule, int year)
{
    if (!rule.InForce(year))
        return std::nullopt;
    switch (rule.kind) {
    case HolidayRule::Kind::Fixed:
        // 29 February is kept only in leap years.
        if (rule.day > DaysInMonth(year, rule.month))
            return std::nullopt;
        return CalendarDate{year, rule.month, rule.day};
    case HolidayRule::Kind::NthWeekday: {
        const int count = WeekdayCountInMonth(year, rule.month, rule.weekday);
        const int n = rule.occurrence == HolidayRule::kLast ? count : rule.occurrence;
        if (n < 1 || n > count)
            return std::nullopt;
        return NthWeekdayDate(year, rule.month, rule.weekday, n);
    }
    case HolidayRule::Kind::EasterOffset:
        return AddDays(EasterDate(year), rule.offset);
    case HolidayRule::Kind::WeekdayOnOrAfter:
    case HolidayRule::Kind::WeekdayOnOrBefore: {
        if (rule.day > DaysInMonth(year, rule.month))
            return std::nullopt;
        const CalendarDate anchor{year, rule.month, rule.day};
        const int shift = rule.kind == HolidayRule::Kind::WeekdayOnOrAfter
                              ? (rule.weekday - WeekdayOf(anchor) + 7) % 7
                              : -((WeekdayOf(anchor) - rule.weekday + 7) % 7);
        return AddDays(anchor, shift);
    }
    case HolidayRule::Kind::Dated:
        if (rule.day > DaysInMonth(year, rule.month))
            return std::nullopt;
        return CalendarDate{rule.year, rule.month, rule.day};
    }
    return std::nullopt;
}

std::vector<HolidayOccurrence> HolidaysInYear(const std::vector<HolidayRule>& rules, int year)
{
    // Holidays of the years around can reach into this one: an Easter offset of a few weeks, a
    // weekday after 31 December, a day observed across New Year.
    std::vector<std::vector<HolidayOccurrence>> perRule(rules.size());
    for (int holidayYear = year - 1; holidayYear <= year + 1; ++holidayYear) {
        if (holidayYear < 1583 || holidayYear > 9999)
            continue;
        const YearDays days = DaysOfHolidayYear(rules, holidayYear);
        for (std::size_t i = 0; i < rules.size(); ++i) {
            if (days.actual[i] && days.actual[i]->year == year)
                perRule[i].push_back({*days.actual[i], rules[i].name, i});
            if (days.observed[i] && days.observed[i]->year == year)
                perRule[i].push_back({*days.observed[i], ObservedLabel(rules[i].name), i});
        }
    }
    std::vector<HolidayOccurrence> all;
    for (auto& occurrences : perRule) {
        std::stable_sort(
            occurrences.begin(), occurrences.end(),
            [](const HolidayOccurrence& a, const HolidayOccurrence& b) { return a.date < b.date; });
        all.insert(all.end(), occurrences.begin(), occurrences.end());
    }
    return all;
}

}  // namespace morvessa
