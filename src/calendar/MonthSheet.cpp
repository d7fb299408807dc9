#include "calendar/MonthSheet.h"

#include "calendar/DateRules.h"
#include "calendar/MonthGrid.h"
#include "calendar/Template.h"
#include "calendar/WeekLayout.h"
#include "colours/ColorPalette.h"
#include "core/CalendarNames.h"
#include "settings/SettingsStore.h"
#include "spreadsheet/Application.h"

#include <stdexcept>
#include <string>

namespace morvessa {

namespace {

constexpr int kLastBlockColumn =
    grid::DayFirstColumn(grid::kDaysPerWeek);  // the block of the week's last day

std::string RowsAddress(int first, int last)
{
    return std::to_string(first) + ":" + std::to_string(last);
}

// Fills the selection with the "EmptyColor" setting (read afresh), solid.
void FillEmptyBlocks(sheet::Application& app)
{
    const int colour = GetColorIndex(key::EmptyColor);
    sheet::Interior interior = app.Selection().Interior();
    interior.ColorIndex(colour);
    // A solid pattern without a colour would paint black; "none" means no fill at all.
    if (colour != kNoColorIndex)
        interior.Pattern(sheet::xlSolid);
}

}  // namespace

DayCellPosition DayCell(int day, int firstWeekday)
{
    const int offset = day + firstWeekday - 2;
    return {grid::WeekFirstRow(1 + offset / grid::kDaysPerWeek),
            grid::DayFirstColumn(1 + offset % grid::kDaysPerWeek)};
}

DayCellPosition NotesCell(int year, int month, int day, int weekStart)
{
    // Below the two merged rows of the day number.
    const DayCellPosition dayCell = DayCell(day, FirstColumn(year, month, weekStart));
    return {dayCell.row + grid::kDayNumberRows, dayCell.column};
}

void PrepareWorkbook(sheet::Application& app, CalendarWorkbookState& state, const CalendarOptions& options)
{
    state.CalendarWorkbook = &app.Workbooks().Add();
    for (int surplus = app.Sheets().Count() - 2; surplus > 0; --surplus)
        app.Sheets()(2).Delete();
    app.Sheets()(1).Name(kDeadSheetName);
    state.WorkbookName = app.ActiveWorkbook().Name();
    try {
        try {
            app.Sheets()(2).Name(kTemplateSheetName);
        } catch (const std::exception&) {
            // The new workbook has a single sheet: add the second one.
            app.Worksheets().Add(sheet::After{app.Sheets()(app.Sheets().Count())});
            app.Sheets()(2).Name(kTemplateSheetName);
        }
    } catch (const std::exception&) {
        // Left to BuildCalendarTemplate, which fails on the missing sheet and is reported.
    }
    BuildCalendarTemplate(app, options);
}

void BuildMonthSheet(sheet::Application& app, CalendarWorkbookState& state, int year, int month,
                     const CalendarOptions& options)
{
    const std::string monthName = options.language.MonthName(month);
    const int length = DaysInMonth(year, month);
    const int weekStart = options.FirstWeekday();
    // The column block of the 1st; with Sunday first it is the weekday of the 1st.
    const int firstWeekday = FirstColumn(year, month, weekStart);

    sheet::Workbook& workbook = app.Workbooks()(state.WorkbookName);
    sheet::Worksheet& monthSheet =
        app.Sheets()(kTemplateSheetName).Copy(sheet::After{workbook.Sheets()(workbook.Sheets().Count())});
    monthSheet.Name(monthName);
    monthSheet.Range("A1").Font().Name("Arial");
    monthSheet.Range("A1").FormulaR1C1(options.language.MonthTitle(year, month));

    // Each day straight into its day cell (the position the selection would walk to).
    for (int day = 1; day <= length; ++day) {
        const DayCellPosition cell = DayCell(day, firstWeekday);
        monthSheet.Cells(cell.row, cell.column).FormulaR1C1(day);
    }

    // Where day length + 1 would go.
    const DayCellPosition next = DayCell(length + 1, firstWeekday);
    const int band = next.row;
    if (next.column == 1) {
        // The month ended on the week's last day: band `band` and all below it are unused.
        monthSheet.Rows(RowsAddress(band, band + 42)).Delete(sheet::xlShiftUp);
    } else {
        // The selection widens over the merged blocks to the band's last column, notes included.
        monthSheet
            .Range(monthSheet.Cells(band, next.column),
                   monthSheet.Cells(band + grid::kDayNumberRows, kLastBlockColumn))
            .Select();
        FillEmptyBlocks(app);
        monthSheet.Rows(RowsAddress(band + grid::kRowsPerWeek, band + 50)).Delete(sheet::xlShiftUp);
    }

    if (firstWeekday != 1) {
        monthSheet
            .Range(monthSheet.Cells(grid::WeekFirstRow(1), 1),
                   monthSheet.Cells(grid::WeekLastRow(1), grid::DayFirstColumn(firstWeekday - 1)))
            .Select();
        FillEmptyBlocks(app);
    }
    // Weekends set apart only when the user chose a colour for them; a holiday's fill goes over it.
    if (options.weekendColour != kNoColorIndex) {
        for (int day = 1; day <= length; ++day) {
            if (!options.language.IsWeekend(WeekdayAtColumn(DayPlace(day, firstWeekday).column, weekStart)))
                continue;
            const DayCellPosition notes = NotesCell(year, month, day, weekStart);
            monthSheet.Cells(notes.row, notes.column).Interior().ColorIndex(options.weekendColour);
        }
    }
    if (options.weekNumbers) {
        for (int week = 1; week <= WeekRowCount(year, month, weekStart); ++week)
            monthSheet.Cells(grid::WeekFirstRow(week), kWeekNumberColumn)
                .Value(IsoWeekOfRow(year, month, week, weekStart));
    }
    monthSheet.Range("A1").Select();
}

}  // namespace morvessa
