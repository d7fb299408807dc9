#include "calendar/Template.h"

#include "calendar/MonthGrid.h"
#include "calendar/WeekLayout.h"

#include "colours/ColorPalette.h"
#include "settings/SettingsStore.h"
#include "spreadsheet/Application.h"

#include <exception>

namespace morvessa {

namespace {

using sheet::xlCenter;

std::string Address(int firstColumn, int firstRow, int lastColumn, int lastRow)
{
    return ColumnLetter(firstColumn) + std::to_string(firstRow) + ":" + ColumnLetter(lastColumn) +
           std::to_string(lastRow);
}

std::string TitleBand()
{
    return Address(1, grid::kTitleFirstRow, grid::kLastColumn, grid::kTitleLastRow);
}
// The weekday header and the six week bands.
std::string DayGrid()
{
    return Address(1, grid::kHeaderFirstRow, grid::kLastColumn, grid::kLastRow);
}
std::string GridColumns()
{
    return ColumnLetter(1) + ":" + ColumnLetter(grid::kLastColumn);
}
std::string FormattedRows()
{
    return "1:" + std::to_string(grid::kFormattedRows);
}

// Merges the range, as selecting it and pressing "Merge Cells" does.
sheet::Range SelectAndMerge(sheet::Application& app, const std::string& address)
{
    app.Range(address).Select();
    sheet::Range selection = app.Selection();
    selection.Merge();
    return selection;
}

// Column BE beside the grid: one merged cell per week row, level with the day numbers, for its
// ISO week number (written by each month sheet).
void FormatWeekNumberColumn(sheet::Application& app)
{
    app.Columns(ColumnLetter(kWeekNumberColumn) + ":" + ColumnLetter(kWeekNumberColumn))
        .ColumnWidth(grid::kWeekNumberColumnWidth);
    for (int week = 1; week <= grid::kWeekBands; ++week) {
        const int row = grid::WeekFirstRow(week);
        sheet::Range cell = SelectAndMerge(
            app, Address(kWeekNumberColumn, row, kWeekNumberColumn, row + grid::kDayNumberRows - 1));
        cell.HorizontalAlignment(xlCenter);
        cell.VerticalAlignment(xlCenter);
        cell.Font().Size(9);
        cell.Font().Italic(true);
        cell.Font().ColorIndex(grid::kWeekNumberColorIndex);
    }
}

}  // namespace

int XlsPaperSize(Paper paper)
{
    switch (paper) {
    case Paper::Letter:
        return sheet::xlPaperLetter;
    case Paper::Legal:
        return sheet::xlPaperLegal;
    case Paper::A3:
        return sheet::xlPaperA3;
    case Paper::A4:
        break;
    }
    return sheet::xlPaperA4;
}

std::string ColumnLetter(int column)
{
    return sheet::ColumnLetters(column);
}

void FillDaysColor(sheet::Application& app, const std::string& rangeText)
{
    app.Range(rangeText).Select();
    app.Selection().Interior().ColorIndex(GetColorIndex(key::DaysColor));
}

void SetThinBorder(sheet::Application& app, int borderIndex)
{
    sheet::Border border = app.Selection().Borders(borderIndex);
    border.LineStyle(sheet::xlContinuous);
    border.Weight(sheet::xlThin);
    border.ColorIndex(sheet::xlColorIndexAutomatic);
}

void ApplyHeaderStyle(sheet::Application& app, const std::string& styleName, const CalendarOptions& options)
{
    if (QString::fromStdString(styleName).compare(QStringLiteral("Headers"), Qt::CaseInsensitive) != 0)
        return;

    app.Range(TitleBand()).Select();
    sheet::Range title = app.Selection();
    title.HorizontalAlignment(xlCenter);
    title.VerticalAlignment(xlCenter);
    title.WrapText(false);
    title.MergeCells(true);
    title.Font().Name("Times New Roman");
    try {
        title.Font().FontStyle(kLocalizedBoldStyle);
    } catch (const std::exception&) {
        // A host of another language may not know this style name; the title is bold already.
    }
    title.Font().Size(20);
    title.NumberFormat("mmmm yyyy");

    // The week's first day in the first block, in the calendar's language.
    const int weekStart = options.FirstWeekday();
    for (int column = 1; column <= grid::kDaysPerWeek; ++column) {
        app.Range(ColumnLetter(grid::DayFirstColumn(column)) + std::to_string(grid::kHeaderFirstRow))
            .Select();
        app.ActiveCell().FormulaR1C1(options.language.WeekdayName(WeekdayAtColumn(column, weekStart)));
    }

    app.Range(DayGrid()).Select();
    sheet::Range days = app.Selection();
    days.HorizontalAlignment(xlCenter);
    days.VerticalAlignment(xlCenter);
    days.WrapText(true);
    days.Font().Bold(true);
}

void BuildCalendarTemplate(sheet::Application& app, const CalendarOptions& options)
{
    app.Sheets()(kTemplateSheetName).Select();
    app.Cells().Select();
    {
        sheet::Range all = app.Selection();
        all.Font().Name("Arial");
        all.Font().Size(12);
        all.Interior().ColorIndex(grid::kSheetColorIndex);
    }

    for (int week = 1; week <= grid::kWeekBands; ++week)
        FillDaysColor(app, Address(1, grid::NotesFirstRow(week), grid::kLastColumn, grid::WeekLastRow(week)));

    app.Columns(GridColumns()).ColumnWidth(grid::kColumnWidth);
    app.Rows(FormattedRows()).RowHeight(grid::kRowHeight);

    {
        sheet::Range title = SelectAndMerge(app, TitleBand());
        title.Font().Name("Arial");
        title.Font().FontStyle("Bold");
        title.Font().Size(20);
        title.HorizontalAlignment(xlCenter);
        title.VerticalAlignment(xlCenter);
    }

    for (int column = 1; column <= grid::kDaysPerWeek; ++column)
        SelectAndMerge(app, Address(grid::DayFirstColumn(column), grid::kHeaderFirstRow,
                                    grid::DayLastColumn(column), grid::kHeaderLastRow));

    for (int week = 1; week <= grid::kWeekBands; ++week) {
        for (int column = 1; column <= grid::kDaysPerWeek; ++column) {
            const int first = grid::DayFirstColumn(column);
            const int last = grid::DayLastColumn(column);
            SelectAndMerge(app, Address(first, grid::WeekFirstRow(week), last, grid::NotesFirstRow(week) - 1))
                .Interior()
                .ColorIndex(grid::kDayNumberBandColorIndex);
            SelectAndMerge(app, Address(first, grid::NotesFirstRow(week), last, grid::WeekLastRow(week)));
        }
    }

    app.Range(DayGrid()).Select();
    for (int border = sheet::xlEdgeLeft; border <= sheet::xlInsideHorizontal; ++border)
        SetThinBorder(app, border);
    {
        sheet::Font font = app.Selection().Font();
        font.Name("Arial");
        font.Size(12);
        font.Underline(sheet::xlUnderlineStyleNone);
        font.ColorIndex(sheet::xlColorIndexAutomatic);
    }

    ApplyHeaderStyle(app, "Headers", options);
    if (options.weekNumbers)
        FormatWeekNumberColumn(app);
    app.Range("A4").Select();

    // Each month on one page, landscape unless the user asked for upright pages. The month sheets
    // are copies of this one and take it along.
    SetCalendarPageSetup(app.ActiveSheet().PageSetup(), options);
}

void SetCalendarPageSetup(sheet::PageSetup page, const CalendarOptions& options)
{
    page.Orientation(options.portrait ? sheet::xlPortrait : sheet::xlLandscape);
    page.Zoom(false);
    page.FitToPagesWide(1);
    page.FitToPagesTall(1);
    page.CenterHorizontally(true);
    // Only a paper the user chose is written: without one the file keeps A4, as it always had.
    if (const std::optional<Paper> paper = StoredPaper())
        page.PaperSize(XlsPaperSize(*paper));
}

void BuildSubCalendar(sheet::Application& app, const CalendarOptions& options)
{
    app.Worksheets().Add(sheet::After{app.Sheets()(app.Sheets().Count())});
    app.Sheets()(app.Sheets().Count()).Name(kSubCalendarSheetName);

    app.Cells().Select();
    {
        sheet::Range all = app.Selection();
        all.Interior().ColorIndex(grid::kSheetColorIndex);
        all.Font().Name("Arial");
        all.Font().Size(7);
    }
    app.Columns(GridColumns()).ColumnWidth(grid::kColumnWidth);
    app.Rows(FormattedRows()).RowHeight(grid::kRowHeight);

    // The mini month's day numbers are computed directly where it is placed, so this sheet carries
    // only the block's title, letters, formats and borders.
    app.Range("A1").Select();
    app.ActiveCell().FormulaR1C1("Month 2007");
    const int weekStart = options.FirstWeekday();
    for (int column = 1; column <= 7; ++column) {
        app.Range(ColumnLetter(column) + "2").Select();
        app.ActiveCell().FormulaR1C1(options.language.WeekdayLetter(WeekdayAtColumn(column, weekStart)));
    }

    {
        sheet::Range title = SelectAndMerge(app, "A1:G1");
        title.HorizontalAlignment(xlCenter);
        title.VerticalAlignment(sheet::xlBottom);
        title.WrapText(false);
        title.Orientation(0);
        title.AddIndent(false);
        title.IndentLevel(0);
        title.ShrinkToFit(false);
        title.ReadingOrder(sheet::xlContext);
        title.MergeCells(true);
        title.Font().Name("Arial");
        title.Font().Size(8);
    }

    app.Range("A1:G8").Select();
    app.Selection().Borders(sheet::xlDiagonalDown).LineStyle(sheet::xlLineStyleNone);
    app.Selection().Borders(sheet::xlDiagonalUp).LineStyle(sheet::xlLineStyleNone);
    for (int border = sheet::xlEdgeLeft; border <= sheet::xlInsideHorizontal; ++border)
        SetThinBorder(app, border);
}

}  // namespace morvessa
