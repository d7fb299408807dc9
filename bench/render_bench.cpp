// How fast a month sheet becomes a picture: the drawing alone, and the whole snapshot (clipboard
// round trip and BMP file). Extra options, handled before the benchmark's own:
//   --write-png=OUT.png        also write the picture of the benchmark's month sheet
//   --render-xls=IN.xls,OUT.png  write the picture of the active sheet of a workbook file

#include "BenchSupport.h"
#include "host/SheetPicture.h"
#include "host/SheetSnapshot.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace morvessa;
using namespace morvessa::sheet;

constexpr const char* kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};

std::string Cols(int first, int last)
{
    return ColumnLetters(first) + ":" + ColumnLetters(last);
}

std::string Area(int firstColumn, int firstRow, int lastColumn, int lastRow)
{
    return ColumnLetters(firstColumn) + std::to_string(firstRow) + ":" + ColumnLetters(lastColumn) +
           std::to_string(lastRow);
}

void ThinGrid(const Range& range)
{
    for (int index = xlEdgeLeft; index <= xlInsideHorizontal; ++index) {
        Border border = range.Borders(index);
        border.LineStyle(xlContinuous);
        border.Weight(xlThin);
        border.ColorIndex(xlColorIndexAutomatic);
    }
}

// A mini month of 7 columns starting at `column`, title row `row`: title, weekday letters, days.
void MiniMonth(Worksheet& sheet, int row, int column, const std::string& title, int days, int firstWeekday)
{
    const int weeks = (days + firstWeekday - 1 + 6) / 7;
    const Range block = sheet.Range(Area(column, row, column + 6, row + 1 + weeks));
    block.Font().Name("Arial");
    block.Font().Size(7);
    block.Font().Bold(false);
    block.HorizontalAlignment(xlGeneral);
    block.VerticalAlignment(xlBottom);
    block.WrapText(false);
    const Range head = sheet.Range(Area(column, row, column + 6, row));
    head.Merge();
    head.HorizontalAlignment(xlCenter);
    head.Font().Size(8);
    sheet.Cells(row, column).Value(CellValue(title));
    const char* letters = "SMTWTFS";
    for (int i = 0; i < 7; ++i)
        sheet.Cells(row + 1, column + i).Value(CellValue(std::string(1, letters[i])));
    for (int day = 1; day <= days; ++day) {
        const int slot = day + firstWeekday - 2;
        sheet.Cells(row + 2 + slot / 7, column + slot % 7).Value(CellValue(day));
    }
    ThinGrid(block);
}

// A sheet shaped like a generated month: the formatted template, the day numbers, the fills of the
// days outside the month, two holidays, the unused week band removed and the two mini months.
Worksheet& BuildMonthSheet(Application& app, const std::string& title, double titleSerial, int days,
                           int firstWeekday, int previousDays, int previousFirst, int nextFirst)
{
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.ActiveSheet();
    sheet.Cells().Font().Name("Arial");
    sheet.Cells().Font().Size(12);
    sheet.Cells().Interior().ColorIndex(2);
    sheet.Columns(Cols(1, 56)).ColumnWidth(1.57);
    sheet.Rows("1:70").RowHeight(9);
    const Range titleArea = sheet.Range("A1:BD5");
    titleArea.Merge();
    for (int t = 1; t <= 7; ++t)
        sheet.Range(Area(8 * t - 7, 6, 8 * t, 8)).Merge();
    for (int week = 1; week <= 6; ++week) {
        for (int day = 1; day <= 7; ++day) {
            const Range number = sheet.Range(Area(8 * day - 7, 8 * week + 1, 8 * day, 8 * week + 2));
            number.Merge();
            number.Interior().ColorIndex(19);
            sheet.Range(Area(8 * day - 7, 8 * week + 3, 8 * day, 8 * week + 8)).Merge();
        }
    }
    const Range grid = sheet.Range("A6:BD56");
    ThinGrid(grid);
    grid.Font().Name("Arial");
    grid.Font().Size(12);
    grid.Font().Underline(xlUnderlineStyleNone);
    grid.Font().ColorIndex(xlColorIndexAutomatic);
    grid.HorizontalAlignment(xlCenter);
    grid.VerticalAlignment(xlCenter);
    grid.WrapText(true);
    grid.Font().Bold(true);
    titleArea.HorizontalAlignment(xlCenter);
    titleArea.VerticalAlignment(xlCenter);
    titleArea.WrapText(false);
    titleArea.Font().Name("Arial");
    titleArea.Font().Bold(true);
    titleArea.Font().Size(20);
    titleArea.NumberFormat("mmmm yyyy");
    for (int t = 0; t < 7; ++t)
        sheet.Cells(6, 8 * t + 1).Value(CellValue(kWeekdays[t]));

    // The title holds the month's first day; its number format shows month and year.
    sheet.Range("A1").Value(titleSerial > 0 ? CellValue(titleSerial) : CellValue(title));
    for (int day = 1; day <= days; ++day) {
        const int slot = day + firstWeekday - 2;
        sheet.Cells(9 + 8 * (slot / 7), 8 * (slot % 7) + 1).Value(CellValue(day));
    }
    const int weeks = (days + firstWeekday - 1 + 6) / 7;
    if (firstWeekday > 1)
        sheet.Range(Area(1, 9, 8 * (firstWeekday - 1), 16)).Interior().ColorIndex(15);
    const int lastSlot = days + firstWeekday - 2;
    if (lastSlot % 7 != 6) {
        const int row = 9 + 8 * (lastSlot / 7);
        sheet.Range(Area(8 * (lastSlot % 7 + 1) + 1, row, 56, row + 7)).Interior().ColorIndex(15);
    }
    for (int day : {1, 15}) {
        const int slot = day + firstWeekday - 2;
        const Range notes = sheet.Cells(11 + 8 * (slot / 7), 8 * (slot % 7) + 1);
        notes.Value(CellValue(day == 1 ? "New Year's Day" : "Martin Luther King Day"));
        notes.Font().ColorIndex(3);
        notes.MergeArea().Interior().ColorIndex(36);
    }
    if (weeks < 6)
        sheet.Rows(std::to_string(8 * weeks + 9) + ":" + std::to_string(56)).Delete(xlShiftUp);

    const int top = 8 * weeks + 10;
    MiniMonth(sheet, top, 17, "December 2023", previousDays, previousFirst);
    MiniMonth(sheet, top, 25, "February 2024", 29, nextFirst);
    sheet.Range("A1").Select();
    return sheet;
}

// January 2024: 31 days from a Monday; December 2023 began on a Friday, February 2024 on a Thursday.
Worksheet& January2024(Application& app)
{
    return BuildMonthSheet(app, "January 2024", 45292, 31, 2, 31, 6, 5);
}

void BM_RenderMonthSheet(benchmark::State& state)
{
    Application app;
    const Worksheet& sheet = January2024(app);
    const CellRange used = *sheet.UsedArea();
    for (auto _ : state) {
        QImage picture = RenderRangePicture(sheet, used);
        benchmark::DoNotOptimize(picture.constBits());
    }
    const QImage picture = RenderRangePicture(sheet, used);
    state.counters["width"] = picture.width();
    state.counters["height"] = picture.height();
}
BENCHMARK(BM_RenderMonthSheet)->Unit(benchmark::kMillisecond);

void BM_SnapshotMonthSheet(benchmark::State& state)
{
    Application app;
    app.SetPictureSink(&SystemClipboardPictureSink());
    Worksheet& sheet = January2024(app);
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("temp.bmp").toStdString();
    for (auto _ : state)
        saveCellsActivesheet(sheet.Parent(), path);
}
BENCHMARK(BM_SnapshotMonthSheet)->Unit(benchmark::kMillisecond);

bool WritePng(const Worksheet& sheet, const std::string& out)
{
    const auto used = sheet.UsedArea();
    if (!used)
        return false;
    const bool saved = RenderRangePicture(sheet, *used).save(QString::fromStdString(out), "PNG");
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", out.c_str());
    return saved;
}

}  // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatformUnlessChosen();
    QGuiApplication gui(argc, argv);
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--write-png=", 0) == 0) {
            Application app;
            if (!WritePng(January2024(app), arg.substr(12)))
                return 1;
            continue;
        }
        if (arg.rfind("--render-xls=", 0) == 0) {
            const std::string pair = arg.substr(13);
            const size_t comma = pair.find(',');
            if (comma == std::string::npos)
                return 2;
            try {
                const auto book = xls::OpenWorkbook(pair.substr(0, comma));
                if (!WritePng(book->ActiveSheet(), pair.substr(comma + 1)))
                    return 1;
            } catch (const std::exception& error) {
                std::fprintf(stderr, "%s\n", error.what());
                return 1;
            }
            continue;
        }
        rest.push_back(argv[i]);
    }
    int count = static_cast<int>(rest.size());
    benchmark::Initialize(&count, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
