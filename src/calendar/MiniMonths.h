#pragma once
// The small calendars of the previous and the next month under the day grid of every month sheet.

#include "calendar/CalendarOptions.h"

namespace morvessa {

namespace sheet {
class Application;
}

// Places the previous month's mini calendar at column Q and the next month's at column Y of the
// sheet of `month` (1..12), one blank row below its grid. January's previous month is December of
// the year before; December's next month is January of the year after.
void AddMiniMonths(sheet::Application& app, int year, int month, const CalendarOptions& options = {});

// Copies the block of "SubCalendar" (title "<name> <year>", weekday letters, formats, borders) to
// row 8 * WeekRowCount(target) + 10 of the target month's sheet, at column Q (`previous`) or Y, and
// writes the mini month's day numbers below its letters. Every step runs under a silent trap: one
// that fails is skipped and the next one runs.
// Titles, letters, positions and the target sheet's name follow the options.
void PlaceMiniMonth(sheet::Application& app, int miniYear, int miniMonth, bool previous, int targetYear,
                    int targetMonth, const CalendarOptions& options = {});

}  // namespace morvessa
