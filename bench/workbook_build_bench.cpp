// Building a calendar-shaped workbook through the automation objects (template, twelve month copies
// with values, fills, merged areas, borders, deleted rows, holidays, mini months), and saving and
// opening it again as a 97-2003 file.

#include "BenchSupport.h"
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "../tests/spreadsheet/ModelCalendarBuilder.h"
#include "spreadsheet/xls/XlsFile.h"

namespace {

using namespace morvessa::sheet;

std::string TempPath()
{
    return (std::filesystem::temp_directory_path() /
            ("workbook_build_bench_" + std::to_string(::getpid()) + ".xls"))
        .string();
}

void BM_BuildTemplate(benchmark::State& state)
{
    for (auto _ : state) {
        Application app;
        Workbook& book = testing::PrepareWorkbook(app, 36);
        benchmark::DoNotOptimize(&book);
    }
}
BENCHMARK(BM_BuildTemplate)->Unit(benchmark::kMillisecond);

void BM_BuildCalendarWorkbook(benchmark::State& state)
{
    for (auto _ : state) {
        Application app;
        Workbook& book = testing::BuildCalendar(app, 2024);
        benchmark::DoNotOptimize(&book);
    }
    state.counters["peak_MB"] = morvessa::bench::PeakMemoryMB();
}
BENCHMARK(BM_BuildCalendarWorkbook)->Unit(benchmark::kMillisecond);

void BM_SaveCalendarWorkbook(benchmark::State& state)
{
    Application app;
    Workbook& book = testing::BuildCalendar(app, 2024);
    const std::string path = TempPath();
    for (auto _ : state)
        xls::SaveWorkbook(book, path);
    state.counters["file_KB"] = double(std::filesystem::file_size(path)) / 1024.0;
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveCalendarWorkbook)->Unit(benchmark::kMillisecond);

void BM_SaveAndOpenCalendarWorkbook(benchmark::State& state)
{
    Application app;
    Workbook& book = testing::BuildCalendar(app, 2024);
    const std::string path = TempPath();
    for (auto _ : state) {
        xls::SaveWorkbook(book, path);
        std::unique_ptr<Workbook> opened = xls::OpenWorkbook(path);
        benchmark::DoNotOptimize(opened.get());
    }
    state.counters["peak_MB"] = morvessa::bench::PeakMemoryMB();
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveAndOpenCalendarWorkbook)->Unit(benchmark::kMillisecond);

// Build, save through the workbook, quit, reopen in a second instance: the host's share of one run.
void BM_BuildSaveReopen(benchmark::State& state)
{
    const std::string path = TempPath();
    for (auto _ : state) {
        {
            Application app;
            Workbook& book = testing::BuildCalendar(app, 2024);
            book.SaveAs(path, xlExcel8);
            book.Close();
            app.Quit();
        }
        Application second;
        Workbook& opened = second.Workbooks().Open(path);
        benchmark::DoNotOptimize(&opened);
        second.Quit();
    }
    state.counters["peak_MB"] = morvessa::bench::PeakMemoryMB();
    std::filesystem::remove(path);
}
BENCHMARK(BM_BuildSaveReopen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
