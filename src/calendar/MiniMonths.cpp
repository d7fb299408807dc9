#include "calendar/MiniMonths.h"

#include "calendar/DateRules.h"
#include "calendar/MonthSheet.h"
#include "calendar/Template.h"
#include "core/NumericText.h"
#include "spreadsheet/Application.h"

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

void AddMiniMonths(sheet::Application& app, const std::string& monthName, const std::string& yearText,
                   int monthNumber)
{
    const int yearNumber = ToWholeNumber(QString::fromStdString(yearText));
    const int previous = monthNumber == 1 ? 12 : monthNumber - 1;
    const std::string previousYear = monthNumber == 1 ? std::to_string(yearNumber - 1) : yearText;
    PlaceMiniMonth(app, CalendarMonthName(previous), previousYear, true, monthName, yearText);

    const int next = monthNumber == 12 ? 1 : monthNumber + 1;
    const std::string nextYear = monthNumber == 12 ? std::to_string(yearNumber + 1) : yearText;
    PlaceMiniMonth(app, CalendarMonthName(next), nextYear, false, monthName, yearText);
}

void PlaceMiniMonth(sheet::Application& app, const std::string& miniMonthName,
                    const std::string& miniYearText, bool previous, const std::string& targetMonthName,
                    const std::string& targetYearText)
{
    const QString miniMonth = QString::fromStdString(miniMonthName);
    const QString miniYear = QString::fromStdString(miniYearText);
    int length = 0;
    int firstWeekday = 1;
    int rowCount = 0;
    int topRow = 0;
    const int firstColumn = previous ? 17 : 25;  // Q or Y

    Silently([&] {
        length = DaysInMonth(miniMonth, miniYear);
        firstWeekday = FirstWeekday(miniMonth, miniYear);
        rowCount = WeekRowCount(miniMonth, miniYear);
    });
    Silently([&] { app.Sheets()(kSubCalendarSheetName).Select(); });
    Silently([&] {
        app.Range("A1").Select();
        app.ActiveCell().FormulaR1C1(miniMonthName + " " + miniYearText);
    });
    Silently([&] { app.Range("A1:G" + std::to_string(rowCount + 2)).Copy(); });
    Silently([&] {
        topRow = 8 * WeekRowCount(QString::fromStdString(targetMonthName),
                                  QString::fromStdString(targetYearText)) +
                 10;
    });
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
