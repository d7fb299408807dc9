// How fast the calendar's twelve months become a PDF in process (the pages drawn by the sheet
// picture's painter through QPdfWriter), and the peak memory of the whole process meanwhile.
// The calendar is generated once, before timing, from the default holidays.

#include "BenchSupport.h"
#include "calendar/GenerateCalendar.h"
#include "calendar/GenerationUi.h"
#include "core/CalendarYear.h"
#include "core/ErrorTrap.h"
#include "host/HostInstances.h"
#include "host/SheetPrint.h"
#include "settings/SettingsStore.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

using namespace morvessa;

std::unique_ptr<sheet::Workbook> g_calendar;

void BM_TwelvePagePdf(benchmark::State& state)
{
    const auto sheets = SheetsInSpan(*g_calendar, {1, 12});
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = SheetsPdf(sheets, Paper::A4, QStringLiteral("Calendar"));
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["pdf_kB"] = static_cast<double>(bytes) / 1024.0;
    state.counters["peak_rss_MB"] = bench::PeakMemoryMB();
}
BENCHMARK(BM_TwelvePagePdf)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_OnePagePdf(benchmark::State& state)
{
    const auto sheets = SheetsInSpan(*g_calendar, {7, 7});
    for (auto _ : state) {
        const QByteArray pdf = SheetsPdf(sheets, Paper::A4, QStringLiteral("Calendar"));
        benchmark::DoNotOptimize(pdf.constData());
    }
}
BENCHMARK(BM_OnePagePdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatformUnlessChosen();
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    ScopedSettingsFile settings(folder.filePath(QStringLiteral("Vantrelle.ini")));
    QDir(folder.path()).mkpath(QStringLiteral("temp"));
    qputenv("TEMP", QFile::encodeName(folder.filePath(QStringLiteral("temp"))));
    ScopedInstanceRegistryFolder instances(folder.filePath(QStringLiteral("instances")).toStdString());
    RecordingErrorReporter reports;
    ScopedErrorReporter useReports(reports);
    HeadlessGenerationUi ui;
    GenerateCalendar(CalendarYear::Clamped(2024), ui);
    if (ui.workbookPath().empty() || !reports.messages.empty()) {
        std::fprintf(stderr, "pdf_bench: the calendar could not be generated\n");
        return 1;
    }
    g_calendar = sheet::xls::OpenWorkbook(ui.workbookPath());
    std::fprintf(stderr, "pdf_bench: peak memory before the benchmarks %.1f MB\n", bench::PeakMemoryMB());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_calendar.reset();
    return 0;
}
