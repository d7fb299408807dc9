#pragma once
// Why a holiday cannot be placed, said as a user reads it in the language of the installed
// translation: "February 2026 has no 31st day", "June 2026 has no 5th Friday", with the month and
// weekday names of that language, never the stored numbers of a weekday.

#include <QString>

#include <string>

namespace morvessa {

// A stored field that does not read as a whole number (the text as stored).
QString MonthNotANumberReason(const QString& text);
QString DayNotANumberReason(const QString& text);
QString WeekdayNotANumberReason(const QString& text);
QString OccurrenceNotANumberReason(const QString& text);

// A number outside what it may be.
QString NoSuchMonthReason(int month);
QString NoSuchWeekdayReason(int weekday);
// The day the month lacks (the 31st of February, the 0th of any month).
QString NoSuchDayReason(int year, int month, int day);
// The n-th weekday (1 = Sunday .. 7 = Saturday) that the month does not have.
QString NoSuchOccurrenceReason(int year, int month, int weekday, int occurrence);

// The reports: `The holiday "X" cannot be placed: reason.` and the like, ready for the error report.
std::string UnplaceableHolidayReport(const QString& name, const QString& reason);
std::string UnplaceableEventReport(const QString& name, const QString& reason);
std::string UnplaceableRulesReport(const QString& reason);

}  // namespace morvessa
