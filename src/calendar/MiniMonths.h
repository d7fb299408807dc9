#pragma once
// The small calendars of the previous and the next month under the day grid of every month sheet.

#include <string>

namespace morvessa {

namespace sheet {
class Application;
}

// Places the previous month's mini calendar at column Q and the next month's at column Y of the
// sheet `monthName`, one blank row below its grid. January's previous month is December of the year
// before; December's next month is January of the year after.
void AddMiniMonths(sheet::Application& app, const std::string& monthName, const std::string& yearText,
                   int monthNumber);

// Copies the block of "SubCalendar" (title "<name> <year>", weekday letters, formats, borders) to
// row 8 * WeekRowCount(target) + 10 of the target sheet, at column Q (`previous`) or Y, and writes
// the mini month's day numbers below its letters. Every step runs under a silent trap: one that
// fails is skipped and the next one runs.
void PlaceMiniMonth(sheet::Application& app, const std::string& miniMonthName,
                    const std::string& miniYearText, bool previous, const std::string& targetMonthName,
                    const std::string& targetYearText);

}  // namespace morvessa
