#pragma once
// The day rules of the world holiday data ("easter 39", "2nd monday in May", "substitutes 05-03 if
// sunday then next monday", "15 Nisan P8D", "march equinox in +09:00 since 1949" ...), read into a
// structure that RuleEvaluator turns into dates.

#include "holidays/world/OtherCalendars.h"

#include <QDate>
#include <QString>

#include <optional>
#include <stdexcept>
#include <vector>

namespace morvessa::world {

class RuleGrammarError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Days of the week as Qt counts them: Monday = 1 ... Sunday = 7.
using Weekday = int;

struct RuleBase {
    enum class Kind { MonthDay, Dated, Easter, Orthodox, Julian, Other, Season, ChineseSolarTerm };
    Kind kind = Kind::MonthDay;
    int year = 0, month = 1, day = 1;  // MonthDay/Julian: month, day; Dated: all three
    int offset = 0;                    // Easter/Orthodox: days after Easter Sunday
    OtherDate other;                   // Other
    int solarTerm = 0, termDay = 1;    // ChineseSolarTerm: term 1..24, day within it
    int zoneMinutes = 0;               // Season: the time zone's offset east of UTC
    QString zone;                      // Season: a named time zone, when given
};

// One link of "3rd sunday after ...", "friday before ...", "1 day before ...": applied inner first.
struct WeekdayStep {
    int count = 1;
    Weekday weekday = 0;  // 0: plain days, `count` of them
    bool before = false;  // strictly before; otherwise on or after
};

// "if saturday,sunday then next monday": a date on one of `when` moves to the next or previous `to`.
struct WeekdayShift {
    std::vector<Weekday> when;
    Weekday to = 1;
    bool next = true;
    bool keepOriginal = false;  // "and if ...": the day itself stays, the moved day is added
};

// "if is public holiday then next monday": a date that another holiday already holds moves on.
struct CollisionShift {
    QString type;  // empty: any kind
    Weekday to = 1;
    bool next = true;
};

struct Rule {
    QString text;
    RuleBase base;
    std::vector<WeekdayStep> steps;  // outermost first, as written
    int startMinutes = 0;            // "14:00"
    std::vector<std::pair<std::vector<Weekday>, int>> startOn;  // "if sunday then 00:00"
    std::optional<int> durationMinutes;  // "P2D", "PT14H"
    bool substitutes = false;        // only the moved day, marked as a substitute
    std::vector<WeekdayShift> shifts;
    std::optional<CollisionShift> collision;
    std::vector<QDate> bridgeDays;   // "if 09-21 and 09-23 is public holiday" (month and day used)
    QString bridgeType;
    std::optional<QDate> since, priorTo;  // years become their 1 January
    enum class YearFilter { Any, Even, Odd, Leap, NonLeap } yearFilter = YearFilter::Any;
    int everyYears = 0, everySince = 0;
    std::vector<Weekday> onlyOn, notOn;
};

// Throws RuleGrammarError naming what could not be read.
Rule ParseRule(const QString& text);

}  // namespace morvessa::world
