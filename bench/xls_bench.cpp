// Save and open of a calendar-shaped workbook (twelve formatted month sheets with merged areas,
// fills, borders, holidays and mini months) through the .xls writer and reader.
//   build/<dir>/bench/xls_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "BenchSupport.h"
#include <benchmark/benchmark.h>

#include <filesystem>

#include "../tests/spreadsheet/ModelCalendarBuilder.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/xls/XlsFile.h"

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

void BM_SaveAndOpenCalendarFile(benchmark::State& state)
{
    const Workbook& book = CalendarWorkbook();
    const std::string path = (std::filesystem::temp_directory_path() / "morvessa-xls-bench.xls").string();
    for (auto _ : state) {
        xls::SaveWorkbook(book, path);
        auto back = xls::OpenWorkbook(path);
        benchmark::DoNotOptimize(back.get());
    }
    state.counters["file_kb"] = double(std::filesystem::file_size(path)) / 1024;
    state.counters["peak_mb"] = morvessa::bench::PeakMemoryMB();
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveAndOpenCalendarFile)->Unit(benchmark::kMillisecond);

void BM_WriteCalendarBytes(benchmark::State& state)
{
    const Workbook& book = CalendarWorkbook();
    for (auto _ : state)
        benchmark::DoNotOptimize(xls::WriteWorkbookBytes(book));
}
BENCHMARK(BM_WriteCalendarBytes)->Unit(benchmark::kMillisecond);

void BM_ReadCalendarBytes(benchmark::State& state)
{
    const auto bytes = xls::WriteWorkbookBytes(CalendarWorkbook());
    for (auto _ : state)
        benchmark::DoNotOptimize(xls::ReadWorkbookBytes(bytes));
    state.counters["peak_mb"] = morvessa::bench::PeakMemoryMB();
}
BENCHMARK(BM_ReadCalendarBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
