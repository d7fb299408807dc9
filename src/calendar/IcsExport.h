#pragma once
// Holidays out to an iCalendar file, exactly as the sheets mark them: observed and substitute days on
// their own dates, Easter-based and imported days alike. A holiday that falls on the same kind of day
// every year of a run of years (the same date, or the same n-th or last weekday of a month) is one
// yearly event for that run; every other day is an event of its own. A calendar program that reads
// the file shows the sheet's days, year by year.

#include "calendar/HolidayMarking.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace morvessa {

// The .ics text of `days` (in any order), written for the years firstYear..lastYear.
QByteArray WriteMarkedDaysIcs(const std::vector<MarkedHoliday>& days);

// Every holiday the sheets mark in firstYear..lastYear (1583..9999, first <= last, else
// std::invalid_argument).
std::vector<MarkedHoliday> MarkedHolidays(int firstYear, int lastYear);

// Writes the marked holidays of firstYear..lastYear to `path` in one step; throws IcsError when the
// file cannot be written. Returns how many days went out.
std::size_t ExportMarkedHolidays(const QString& path, int firstYear, int lastYear);

}  // namespace morvessa
