#pragma once
// The calendar workbook and its month sheets: PrepareWorkbook creates the workbook with the sheets
// "Dead" and "Calendar Template"; BuildMonthSheet turns one copy of the template into one month.

#include "calendar/CalendarOptions.h"

#include <string>

namespace morvessa {

namespace sheet {
class Application;
class Workbook;
}  // namespace sheet

// What the month sheets share during one generation.
struct CalendarWorkbookState {
    sheet::Workbook* CalendarWorkbook = nullptr;  // the workbook Workbooks.Add returned
    std::string WorkbookName;                     // its name, where month sheets are copied to
};

// New workbook; surplus sheets deleted; sheet 1 named "Dead", sheet 2 "Calendar Template" (added
// when the new workbook has only one); then BuildCalendarTemplate.
void PrepareWorkbook(sheet::Application& app, CalendarWorkbookState& state,
                     const CalendarOptions& options = {});

// Copies the template to the end of the workbook as the sheet named for `month` (1..12) in the
// options' language: title "<month> <year>" in the language's order, the day numbers in their day
// cells for the options' first weekday, the blocks before the 1st and after the last day filled with
// the "EmptyColor" setting, the unused week bands removed (the grid ends at row 8 * WeekRowCount +
// 8), and with week numbers on, each row's ISO week in column BE.
void BuildMonthSheet(sheet::Application& app, CalendarWorkbookState& state, int year, int month,
                     const CalendarOptions& options = {});

// Row and column of the day-number cell of `day` in a month whose 1st stands in column block
// `firstWeekday` (1..7; with the week starting on Sunday, the weekday of the 1st).
struct DayCellPosition {
    int row;
    int column;
};
DayCellPosition DayCell(int day, int firstWeekday);
// The notes cell of day `day` of year/month: the top-left cell of the block below its day number,
// where the day's holiday names are written.
DayCellPosition NotesCell(int year, int month, int day, int weekStart = 1);

}  // namespace morvessa
