#pragma once
// The days one parsed rule gives when evaluated for a year: its date, moved by weekday steps and
// shifts, kept or dropped by its year and weekday conditions. Conditions on other holidays (bridge
// days, moves off another holiday) are left to the caller, who knows the other holidays.

#include "holidays/world/RuleGrammar.h"

#include <QDate>

#include <vector>

namespace morvessa::world {

struct RuleDay {
    QDate date;
    int startMinutes = 0;
    int days = 1;            // calendar days it covers
    bool substitute = false; // a day moved by a shift and marked as standing in for the holiday
};

// The days `rule` gives for `year`; a shifted or Julian date may fall in a neighbouring year. Without
// `checkSince`, the caller checks "since" and "prior to" itself (InForce), after the data's own
// moves of single dates.
std::vector<RuleDay> EvaluateRule(const Rule& rule, int year, bool checkSince = true);
bool InForce(const Rule& rule, const QDate& date);

// Whether the rule can give a day outside the year it is evaluated for.
bool CanLeaveItsYear(const Rule& rule);

QDate EasterSunday(int year);
QDate OrthodoxEasterSunday(int year);
QDate FromJulianCalendar(int year, int month, int day);

}  // namespace morvessa::world
