#pragma once
// Builds a calendar-shaped workbook through the automation objects, call for call the way a month
// calendar is laid out: a formatted template sheet, one copy per month with day numbers, fills and
// the unused week bands deleted, holidays written below their day, and two mini months pasted under
// each month. Shared by the engine tests and the workbook benchmark.

#include <chrono>
#include <string>

#include "spreadsheet/Application.h"

namespace morvessa::sheet::testing {

inline const char* const kMonthNames[12] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};

inline int DaysIn(int year, int month)
{
    using namespace std::chrono;
    return int(unsigned((year_month_day_last(::std::chrono::year(year),
                                             month_day_last(::std::chrono::month(unsigned(month)))))
                            .day()));
}

// 1 = Sunday .. 7 = Saturday.
inline int FirstWeekdayOf(int year, int month)
{
    using namespace std::chrono;
    return int(weekday(sys_days(::std::chrono::year(year) / ::std::chrono::month(unsigned(month)) / 1))
                   .c_encoding()) +
           1;
}

inline int WeekRows(int year, int month)
{
    return (DaysIn(year, month) + FirstWeekdayOf(year, month) - 1 + 6) / 7;
}

inline std::string Letters(int column)
{
    return ColumnLetters(column);
}

inline void ThinBorders(Application& app)
{
    for (int index :
         {xlEdgeLeft, xlEdgeTop, xlEdgeBottom, xlEdgeRight, xlInsideVertical, xlInsideHorizontal}) {
        Border border = app.Selection().Borders(index);
        border.LineStyle(xlContinuous);
        border.Weight(xlThin);
        border.ColorIndex(xlColorIndexAutomatic);
    }
}

// The template on the active sheet.
inline void BuildTemplate(Application& app, int daysColor)
{
    app.Cells().Select();
    app.Selection().Font().Name("Arial");
    app.Selection().Font().Size(12);
    app.Selection().Interior().ColorIndex(2);
    for (const char* notes : {"A11:BD16", "A19:BD24", "A27:BD32", "A35:BD40", "A43:BD48", "A51:BD56"}) {
        app.Range(notes).Select();
        app.Selection().Interior().ColorIndex(daysColor);
    }
    app.Columns("A:BD").ColumnWidth(1.57);
    app.Rows("1:70").RowHeight(9);
    app.Range("A1:BD5").Select();
    app.Selection().Merge();
    app.Selection().Font().Name("Arial");
    app.Selection().Font().FontStyle("Bold");
    app.Selection().Font().Size(20);
    app.Selection().HorizontalAlignment(xlCenter);
    app.Selection().VerticalAlignment(xlCenter);
    for (int t = 1; t <= 7; ++t)
        app.Range(Letters(8 * t - 7) + "6:" + Letters(8 * t) + "8").Merge();
    for (int j = 1; j <= 6; ++j) {
        for (int i = 1; i <= 7; ++i) {
            Range day = app.Range(Letters(8 * i - 7) + std::to_string(8 * j + 1) + ":" + Letters(8 * i) +
                                  std::to_string(8 * j + 2));
            day.Merge();
            day.Interior().ColorIndex(19);
            app.Range(Letters(8 * i - 7) + std::to_string(8 * j + 3) + ":" + Letters(8 * i) +
                      std::to_string(8 * j + 8))
                .Merge();
        }
    }
    app.Range("A6:BD56").Select();
    ThinBorders(app);
    app.Selection().Font().Name("Arial");
    app.Selection().Font().Size(12);
    app.Selection().Font().Underline(xlUnderlineStyleNone);
    app.Selection().Font().ColorIndex(xlColorIndexAutomatic);
    app.Range("A1:BD5").Select();
    app.Selection().HorizontalAlignment(xlCenter);
    app.Selection().VerticalAlignment(xlCenter);
    app.Selection().WrapText(false);
    app.Selection().MergeCells(true);
    app.Selection().Font().Name("Times New Roman");
    app.Selection().Font().FontStyle(
        "\xD0\x9F\xD0\xBE\xD0\xBB\xD1\x83\xD0\xB6\xD0\xB8\xD1\x80\xD0\xBD\xD1\x8B\xD0\xB9");
    app.Selection().Font().Size(20);
    app.Selection().NumberFormat("mmmm yyyy");
    const char* days[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 7; ++i) {
        app.Range(Letters(8 * i + 1) + "6").Select();
        app.ActiveCell().FormulaR1C1(days[i]);
    }
    app.Range("A6:BD56").Select();
    app.Selection().HorizontalAlignment(xlCenter);
    app.Selection().VerticalAlignment(xlCenter);
    app.Selection().WrapText(true);
    app.Selection().Font().Bold(true);
    app.Range("A4").Select();
}

// A new workbook holding "Dead" and a laid-out "Calendar Template".
inline Workbook& PrepareWorkbook(Application& app, int daysColor)
{
    Workbook& book = app.Workbooks().Add();
    while (app.Sheets().Count() > 2)
        app.Sheets().Item(2).Delete();
    app.Sheets().Item(1).Name("Dead");
    if (app.Sheets().Count() < 2)
        app.Worksheets().Add(After{app.Sheets().Item(app.Sheets().Count())});
    app.Sheets().Item(2).Name("Calendar Template");
    app.Sheets().Item("Calendar Template").Select();
    BuildTemplate(app, daysColor);
    return book;
}

// One month sheet, moving the selection from day to day as a user would.
inline void BuildMonth(Application& app, Workbook& book, int year, int month, int emptyColor)
{
    const int n = DaysIn(year, month);
    const int first = FirstWeekdayOf(year, month);
    int r = 9;
    app.Sheets().Item("Calendar Template").Copy(After{book.Sheets().Item(book.Sheets().Count())});
    app.ActiveSheet().Name(kMonthNames[month - 1]);
    app.Range("A1").Font().Name("Arial");
    app.Range("A1").FormulaR1C1(std::string(kMonthNames[month - 1]) + " " + std::to_string(year));
    app.Cells(9, 8 * (first - 1) + 1).Select();
    for (int d = 1; d <= n; ++d) {
        app.ActiveCell().FormulaR1C1(d);
        if (app.ActiveCell().Column() == 49) {
            r += 8;
            app.Cells(r, 1).Select();
        } else {
            app.ActiveCell().Offset(0, 1).Select();
        }
    }
    if (app.ActiveCell().Column() == 1) {
        app.Rows(std::to_string(r) + ":" + std::to_string(r + 42)).Delete(xlShiftUp);
    } else {
        app.Range(app.ActiveCell(), app.Cells(r + 2, 49)).Select();
        app.Selection().Interior().ColorIndex(emptyColor);
        app.Selection().Interior().Pattern(xlSolid);
        app.Rows(std::to_string(r + 8) + ":" + std::to_string(r + 50)).Delete(xlShiftUp);
    }
    if (first != 1) {
        app.Range(app.Range("A9"), app.Cells(16, 8 * (first - 2) + 1)).Select();
        app.Selection().Interior().ColorIndex(emptyColor);
        app.Selection().Interior().Pattern(xlSolid);
    }
    app.Range("A1").Select();
}

// Writes `name` into the notes cell below `day` on sheet `month`; throws when the day is missing.
inline void MarkHoliday(Application& app, int month, int day, const std::string& name, int colour)
{
    app.Sheets().Item(month).Activate();
    Range found = app.ActiveSheet().Range("A6:BD100").Find(day, xlFormulas, xlWhole);
    app.Range(found.Address()).Offset(1, 0).Select();
    app.ActiveCell().Value(name);
    app.ActiveCell().Font().ColorIndex(3);
    app.ActiveCell().Interior().ColorIndex(colour);
    app.Range("A1").Select();
}

// The "SubCalendar" working sheet: title, weekday letters and borders for a seven-column mini month.
inline void BuildSubCalendar(Application& app)
{
    app.Worksheets().Add(After{app.Sheets().Item(app.Sheets().Count())});
    app.Sheets().Item(app.Sheets().Count()).Name("SubCalendar");
    app.Cells().Select();
    app.Selection().Interior().ColorIndex(2);
    app.Selection().Font().Name("Arial");
    app.Selection().Font().Size(7);
    app.Columns("A:BD").ColumnWidth(1.57);
    app.Rows("1:70").RowHeight(9);
    const char* letters[7] = {"S", "M", "T", "W", "T", "F", "S"};
    for (int c = 1; c <= 7; ++c)
        app.Cells(2, c).FormulaR1C1(letters[c - 1]);
    app.Range("A1:G1").Select();
    app.Selection().Merge();
    app.Selection().HorizontalAlignment(xlCenter);
    app.Selection().VerticalAlignment(xlBottom);
    app.Selection().WrapText(false);
    app.Selection().ReadingOrder(xlContext);
    app.Selection().Font().Size(8);
    app.Range("A1:G8").Select();
    app.Selection().Borders(xlDiagonalDown).LineStyle(xlLineStyleNone);
    app.Selection().Borders(xlDiagonalUp).LineStyle(xlLineStyleNone);
    ThinBorders(app);
}

// One mini month under the target month, computed directly on "SubCalendar" and pasted twice
// (everything, then values only over the day cells).
inline void PlaceMiniMonth(Application& app, int miniYear, int miniMonth, bool previous, int targetYear,
                           int targetMonth)
{
    const int n = DaysIn(miniYear, miniMonth);
    const int first = FirstWeekdayOf(miniYear, miniMonth);
    const int k = (n + first - 1 + 6) / 7;
    app.Sheets().Item("SubCalendar").Select();
    app.Range("A3:G8").Value(CellValue());
    for (int d = 1; d <= n; ++d) {
        int row = 3 + (d + first - 2) / 7;
        int column = 1 + (d + first - 2) % 7;
        app.Cells(row, column).Value(d);
    }
    app.Range("A1").FormulaR1C1(std::string(kMonthNames[miniMonth - 1]) + " " + std::to_string(miniYear));
    app.Range("A1:G" + std::to_string(k + 2)).Select();
    app.Selection().Copy();
    const int r = 8 * WeekRows(targetYear, targetMonth) + 10;
    const std::string left = previous ? "Q" : "Y";
    const std::string right = previous ? "W" : "AE";
    app.Sheets().Item(kMonthNames[targetMonth - 1]).Select();
    app.Range(left + std::to_string(r)).Select();
    app.ActiveSheet().Paste();
    app.Sheets().Item("SubCalendar").Select();
    app.Range("A3:G" + std::to_string(k + 2)).Select();
    app.CutCopyMode(false);
    app.Selection().Copy();
    app.Sheets().Item(kMonthNames[targetMonth - 1]).Select();
    app.Range(left + std::to_string(r + 2) + ":" + right + std::to_string(r + k + 1)).Select();
    app.Selection().PasteSpecial(xlPasteValues, xlPasteSpecialOperationNone, false, false);
    app.Range("A1").Select();
}

// The whole calendar workbook of `year`: twelve month sheets, holidays, mini months.
inline Workbook& BuildCalendar(Application& app, int year)
{
    app.ScreenUpdating(false);
    app.DisplayAlerts(false);
    app.EnableEvents(false);
    app.EnableCancelKey(xlDisabled);
    app.Cursor(xlWait);
    Workbook& book = PrepareWorkbook(app, 36);
    for (int month = 1; month <= 12; ++month)
        BuildMonth(app, book, year, month, 15);
    app.Sheets().Item("Dead").Delete();
    app.Sheets().Item("Calendar Template").Delete();
    MarkHoliday(app, 1, 1, "New Year's Day", 36);
    MarkHoliday(app, 7, 4, "Independence Day", 36);
    MarkHoliday(app, 12, 25, "Christmas Day", 36);
    BuildSubCalendar(app);
    for (int month = 1; month <= 12; ++month) {
        int pm = month == 1 ? 12 : month - 1;
        int nm = month == 12 ? 1 : month + 1;
        PlaceMiniMonth(app, month == 1 ? year - 1 : year, pm, true, year, month);
        PlaceMiniMonth(app, month == 12 ? year + 1 : year, nm, false, year, month);
    }
    app.Sheets().Item("SubCalendar").Delete();
    app.Sheets().Item(1).Select();
    app.Range("I11").Select();
    app.Cursor(xlDefault);
    app.ScreenUpdating(true);
    app.DisplayAlerts(true);
    app.EnableEvents(true);
    app.EnableCancelKey(xlInterrupt);
    return book;
}

}  // namespace morvessa::sheet::testing
