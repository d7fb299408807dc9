#pragma once
// The year on one page: the calendar's twelve months as small grids (4 across on landscape paper,
// 3 across on portrait), holidays coloured on their days, and the year's holidays listed by date
// with a legend of their colours beside the grids (landscape) or below them (portrait). And the
// legend of each month page, when the calendar uses more than one colour.

#include "calendar/CalendarOptions.h"
#include "calendar/HolidayMarking.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace morvessa {

namespace sheet {
class Application;
class Worksheet;
}  // namespace sheet

// "2027", or "2026-2027" for a calendar that starts after January.
std::string YearSheetName(int year, const CalendarOptions& options);

// Adds the year sheet in front of the workbook's sheets, printed like the month sheets (one page,
// centred, the same paper and orientation), and returns it. `holidays` are what the month sheets
// show (MarkHolidays), each in its source's colour.
sheet::Worksheet& BuildYearSheet(sheet::Application& app, int year, const std::vector<MarkedHoliday>& holidays,
                                 const CalendarOptions& options);

// One line of a legend: the colour and what it marks.
struct LegendEntry {
    QString label;
    std::int32_t colour;
};
// Each source of `holidays` once, in the order first met, then the weekend when it has a fill, in
// the calendar's language.
std::vector<LegendEntry> HolidayLegend(const std::vector<MarkedHoliday>& holidays, const CalendarOptions& options);

// When more than one colour is in use, the legend on every month sheet of the calendar of `year`,
// right of its mini months.
void AddMonthLegends(sheet::Application& app, int year, const std::vector<MarkedHoliday>& holidays,
                     const CalendarOptions& options);

// Where the grid of the `index`-th month (0..11) of the year sheet starts: its title row and the
// column of its first weekday.
struct YearGridPlace {
    int titleRow;
    int firstDayColumn;
};
YearGridPlace YearGridOrigin(int index, const CalendarOptions& options);

}  // namespace morvessa
