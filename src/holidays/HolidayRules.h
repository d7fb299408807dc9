#pragma once
// Holidays beyond the fixed and floating tables: every kind of date rule (a fixed date with an
// observed day, the n-th weekday, Easter with an offset, a weekday on or after / on or before a
// date, one dated event), each with the years it is in force. Kept in their own settings key
// ("RuleHolidays", a JSON list) so the tables' keys and formats stay as they are.
//
// A rule also has a short text form, used by the country files and shown in the rule list:
//   fixed 12-25 [observe=us|next|sunday]   a date each year; the observed day when it falls on a weekend
//                                          (us: Saturday to Friday, Sunday to Monday; next: to the next
//                                          free weekday; sunday: only a Sunday, to the next free weekday)
//   nth 2 mon 05  /  last mon 05           the n-th (1..5) or last weekday of a month
//   easter -2                              days before (-) or after (+) Easter Sunday
//   mon on-or-before 05-24                 the weekday on or before / on or after a date
//   sat on-or-after 06-20
//   date 2027-06-12                        one day of one year
// followed by "from YYYY" and/or "until YYYY" for the years in force.

#include "holidays/HolidaySource.h"

#include <QString>

#include <stdexcept>
#include <vector>

namespace morvessa {

namespace key {
inline constexpr const char* RuleHolidays = "RuleHolidays";
inline constexpr const char* RuleHolidaysDamaged = "RuleHolidaysDamaged";
inline constexpr const char* ShowEveryHoliday = "ShowEveryHoliday";
}  // namespace key

struct HolidayRule {
    enum class Kind { Fixed, NthWeekday, EasterOffset, WeekdayOnOrAfter, WeekdayOnOrBefore, Dated };
    // How a fixed date that falls on a weekend is also observed on a working day.
    enum class Observed {
        None,
        SaturdayToFridaySundayToMonday,  // US federal
        NextFreeWeekday,                 // UK: Saturday or Sunday to the next weekday no holiday holds
        SundayToNextFreeWeekday,         // only a Sunday moves, to the next weekday no holiday holds
    };
    static constexpr int kLast = -1;  // occurrence of the last weekday of the month

    Kind kind = Kind::Fixed;
    QString name;
    int month = 1;       // Fixed, NthWeekday, the anchor of OnOrAfter/OnOrBefore, Dated
    int day = 1;         // Fixed, anchor, Dated
    int year = 0;        // Dated
    int weekday = 1;     // NthWeekday, OnOrAfter/OnOrBefore: 1 = Sunday .. 7 = Saturday
    int occurrence = 1;  // NthWeekday: 1..5 or kLast
    int offset = 0;      // EasterOffset: days from Easter Sunday
    Observed observed = Observed::None;
    int firstYear = 0;  // in force from this year on; 0: always
    int lastYear = 0;   // up to and including this year; 0: no end
    HolidaySource source;  // the program's lists unless a country or a calendar gave the rule

    // True when the rule applies in `year` (years in force; a dated event only in its own year).
    bool InForce(int year) const;

    friend bool operator==(const HolidayRule&, const HolidayRule&) = default;
};

// Thrown for a rule text or a stored list that cannot be read; the message says what is wrong.
class HolidayRuleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text form of a rule's date (no name); ParseRuleText(RuleText(r)) gives r back, name aside.
QString RuleText(const HolidayRule& rule);

// Reads a rule text into a rule without a name. Throws HolidayRuleError naming the bad part.
HolidayRule ParseRuleText(const QString& text);

// What a user reads in the rule list: "Good Friday - Easter -2 days", "Victoria Day - Monday on or
// before 24 May".
QString DescribeRule(const HolidayRule& rule);

// The rule holidays of the program (empty until LoadRuleHolidays).
std::vector<HolidayRule>& RuleHolidays();

// Loads the list from the store. A missing key is an empty list. What of it cannot be read is kept
// aside (KeepDamagedRuleHolidaysAside: nothing is lost) and reported through the catalogue's message
// sink; every entry that reads is loaded.
void LoadRuleHolidays();

// Writes the list in memory to the store (one update of the file), keeping what another copy of the
// program changed in the stored list since this copy last read or wrote it: the changes made in memory
// since then are made to the list as stored now, and the list in memory becomes the result.
void SaveRuleHolidays();

// The list as this copy last read it from the store or wrote it there.
std::vector<HolidayRule>& RuleHolidaysAsLastStored();

// A stored list as read: every entry that reads, and what could not be read kept as stored text.
struct RuleListReading {
    std::vector<HolidayRule> rules;
    QString damagedText;  // empty, the whole text when it is no list, else a list of the bad entries
    QString problem;      // why, naming the first bad rule
};
RuleListReading ReadRuleList(const QString& text);

// Keeps `reading.damagedText` under RuleHolidaysDamaged, or RuleHolidaysDamaged2, ... when an earlier
// one is kept there already (nothing is ever overwritten), and tells the user why.
void KeepDamagedRuleHolidaysAside(const RuleListReading& reading);
// Whether that text is kept aside already under one of those keys.
bool RuleTextKeptAside(const QString& damagedText);

// The stored text of a list, and the list of a stored text (throws HolidayRuleError when damaged).
QString RuleListText(const std::vector<HolidayRule>& rules);
std::vector<HolidayRule> ParseRuleList(const QString& text);

// "Show every holiday of a day": when 1, a day's notes cell lists all its holidays one per line;
// otherwise (the default) a later holiday replaces an earlier one.
bool ShowEveryHolidayOfDay();
void SetShowEveryHolidayOfDay(bool on);

}  // namespace morvessa
