// The .xlsx save of a calendar workbook (twelve formatted month sheets with merged areas, fills,
// borders, holidays and mini months) beside the .xls save of the same workbook.
//   build/<dir>/bench/xlsx_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <filesystem>

#include "../tests/spreadsheet/ModelCalendarBuilder.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xlsx/XlsxFile.h"

namespace {

using namespace morvessa::sheet;

struct Calendar {
    Application app;
    Workbook* book = nullptr;
    Calendar() { book = &testing::BuildCalendar(app, 2024); }
};

const Workbook& CalendarWorkbook()
{
    static Calendar calendar;
    return *calendar.book;
}

template <class Save>
void SaveCalendar(benchmark::State& state, const char* name, Save save)
{
    const Workbook& book = CalendarWorkbook();
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    for (auto _ : state)
        save(book, path);
    state.counters["file_kb"] = double(std::filesystem::file_size(path)) / 1024;
    std::filesystem::remove(path);
}

void BM_SaveCalendarXls(benchmark::State& state)
{
    SaveCalendar(state, "morvessa-bench.xls",
                 [](const Workbook& book, const std::string& path) { xls::SaveWorkbook(book, path); });
}
BENCHMARK(BM_SaveCalendarXls)->Unit(benchmark::kMillisecond);

void BM_SaveCalendarXlsx(benchmark::State& state)
{
    SaveCalendar(state, "morvessa-bench.xlsx", xlsx::SaveWorkbook);
}
BENCHMARK(BM_SaveCalendarXlsx)->Unit(benchmark::kMillisecond);

// The files' bytes only, without the disk.
void BM_CalendarXlsBytes(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(xls::WriteWorkbookBytes(CalendarWorkbook()));
}
BENCHMARK(BM_CalendarXlsBytes)->Unit(benchmark::kMillisecond);

void BM_CalendarXlsxBytes(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(xlsx::WriteWorkbookBytes(CalendarWorkbook()));
}
BENCHMARK(BM_CalendarXlsxBytes)->Unit(benchmark::kMillisecond);

// The preview's and the batch tool's path: the generated .xls read back and written as .xlsx.
void BM_ConvertCalendarXlsToXlsx(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path();
    const std::string source = (folder / "morvessa-bench-source.xls").string();
    xls::SaveWorkbook(CalendarWorkbook(), source);
    const std::string target = (folder / "morvessa-bench-converted.xlsx").string();
    for (auto _ : state)
        xlsx::SaveXlsFileAsXlsx(source, target);
    std::filesystem::remove(source);
    std::filesystem::remove(target);
}
BENCHMARK(BM_ConvertCalendarXlsToXlsx)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
