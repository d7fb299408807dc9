#include "calendar/MiniMonths.h"

#include "calendar/DateRules.h"
#include "calendar/MonthGrid.h"
#include "calendar/Template.h"
#include "calendar/WeekLayout.h"
#include "core/CalendarNames.h"
#include "spreadsheet/Application.h"

#include <string>

namespace morvessa {

namespace {

// The silent trap of the mini months: a failed step is skipped.
template <class Step>
void Silently(const Step& step)
{
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

void AddMiniMonths(sheet::Application& app, int year, int month, const CalendarOptions& options)
{
    const YearMonth previous = AddMonths({year, month}, -1);
    PlaceMiniMonth(app, previous.year, previous.month, true, year, month, options);
    const YearMonth next = AddMonths({year, month}, 1);
    PlaceMiniMonth(app, next.year, next.month, false, year, month, options);
}

void PlaceMiniMonth(sheet::Application& app, int miniYear, int miniMonth, bool previous, int targetYear,
                    int targetMonth, const CalendarOptions& options)
{
    const int weekStart = options.FirstWeekday();
    int length = 0;
    int firstWeekday = 1;
    int rowCount = 0;
    int topRow = 0;
    const int firstColumn = previous ? 17 : 25;  // Q or Y
    std::string targetMonthName;

    Silently([&] {
        length = DaysInMonth(miniYear, miniMonth);
        firstWeekday = FirstColumn(miniYear, miniMonth, weekStart);
        rowCount = WeekRowCount(miniYear, miniMonth, weekStart);
    });
    Silently([&] { targetMonthName = options.language.MonthName(targetMonth); });
    Silently([&] { app.Sheets()(kSubCalendarSheetName).Select(); });
    Silently([&] {
        app.Range("A1").Select();
        app.ActiveCell().FormulaR1C1(options.language.MonthTitle(miniYear, miniMonth));
    });
    Silently([&] { app.Range("A1:G" + std::to_string(rowCount + 2)).Copy(); });
    // One empty row under the target month's last week band.
    Silently([&] { topRow = grid::WeekLastRow(WeekRowCount(targetYear, targetMonth, weekStart)) + 2; });
    Silently([&] { app.Sheets()(targetMonthName).Select(); });
    // Addressed by name, so a target that is missing never sends the block onto the working sheet.
    Silently([&] {
        sheet::Worksheet& target = app.Sheets()(targetMonthName);
        target.Range(ColumnLetter(firstColumn) + std::to_string(topRow)).Select();
        target.Paste();
    });
    Silently([&] { app.CutCopyMode(false); });
    // The day numbers, as the block's formulas would compute them, written as plain values.
    Silently([&] {
        sheet::Worksheet& target = app.Sheets()(targetMonthName);
        for (int day = 1; day <= length; ++day) {
            const int offset = day + firstWeekday - 2;
            target.Cells(topRow + 2 + offset / 7, firstColumn + offset % 7).Value(day);
        }
    });
    Silently([&] { app.Range("A1").Select(); });
}

}  // namespace morvessa
