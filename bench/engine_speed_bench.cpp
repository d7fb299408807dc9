// The spreadsheet engine's share of a calendar, in process: building the default calendar workbook
// (the generation's own workbook steps), saving it as a 97-2003 file, both together, and many
// workbooks in a row as morvessa-batch --years writes them. Beside them, the yardstick: the xlwt
// script's own in-process median per workbook (--repeat), run from here in the same session, and
// the ratio of ours to it.
//
// The script is looked for in $MORVESSA_YARDSTICK, else ../shared/peers/xlwt_calendar.py beside
// the source tree; without it (or without /usr/bin/python3 and xlwt) the yardstick is skipped.

#include "BenchSupport.h"
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "calendar/CalendarWorkbook.h"
#include "calendar/GenerateCalendar.h"
#include "holidays/HolidayCatalogue.h"
#include "core/ErrorTrap.h"
#include "host/HostInstances.h"
#include "settings/SettingsStore.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/Workbook.h"

namespace {

using namespace morvessa;

constexpr int kYear = 2024;
constexpr int kXlwtRepeats = 30;

QTemporaryDir* g_folder = nullptr;
double g_oursMedianMs = 0;     // build + save per workbook (wall clock), from BM_BuildAndSaveWorkbook
double g_oursCpuMedianMs = 0;  // the same in CPU time: what a busy shared machine cannot inflate

std::string BenchPath(const QString& name)
{
    return g_folder->filePath(name).toStdString();
}

void CheckNoReports(benchmark::State& state, const RecordingErrorReporter& reports)
{
    if (!reports.messages.empty())
        state.SkipWithError(reports.messages.front().c_str());
}

// One calendar workbook as the batch tool builds it: a fresh instance, the generation's steps.
struct BuiltWorkbook {
    sheet::Application instance;
    CalendarWorkbookState state;
};

void Build(BuiltWorkbook& built, int year, RecordingErrorReporter& reports)
{
    ErrorTrap trap(location::Calendar_GenerateCalendar, &reports);
    BuildCalendarWorkbook(&built.instance, built.state, year, 1, trap);
}

void Save(BuiltWorkbook& built, const std::string& path, RecordingErrorReporter& reports)
{
    if (built.state.CalendarWorkbook == nullptr) {
        reports.Report("the calendar workbook was not built");
        return;
    }
    built.state.CalendarWorkbook->SaveAs(path, GetXlsFileFormat());
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

void BM_BuildWorkbook(benchmark::State& state)
{
    RecordingErrorReporter reports;
    for (auto _ : state) {
        BuiltWorkbook built;
        Build(built, kYear, reports);
        benchmark::DoNotOptimize(built.state.CalendarWorkbook);
    }
    CheckNoReports(state, reports);
}
BENCHMARK(BM_BuildWorkbook)->Unit(benchmark::kMillisecond);

void BM_SaveWorkbook(benchmark::State& state)
{
    RecordingErrorReporter reports;
    BuiltWorkbook built;
    Build(built, kYear, reports);
    const std::string path = BenchPath("save.xls");
    for (auto _ : state)
        Save(built, path, reports);
    CheckNoReports(state, reports);
}
BENCHMARK(BM_SaveWorkbook)->Unit(benchmark::kMillisecond);

// The figure the yardstick is compared with: each iteration builds and saves one workbook, timed
// by hand so the median over the iterations can be printed beside the yardstick's median.
void BM_BuildAndSaveWorkbook(benchmark::State& state)
{
    RecordingErrorReporter reports;
    const std::string path = BenchPath("build_save.xls");
    std::vector<double> times, cpuTimes;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuMs();
        {
            BuiltWorkbook built;
            Build(built, kYear, reports);
            Save(built, path, reports);
        }
        cpuTimes.push_back(ThreadCpuMs() - cpuStart);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    g_oursMedianMs = Median(times);
    g_oursCpuMedianMs = Median(cpuTimes);
    state.counters["median_ms"] = g_oursMedianMs;
    state.counters["cpu_median_ms"] = g_oursCpuMedianMs;
    CheckNoReports(state, reports);
}
BENCHMARK(BM_BuildAndSaveWorkbook)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Many calendars in one process, years 1900..2100 round and round: workbooks per second of CPU
// time, and the growth of the peak memory from the first pass to the last (0 when memory holds).
void BM_ManyWorkbooks(benchmark::State& state)
{
    RecordingErrorReporter reports;
    const std::string path = BenchPath("many.xls");
    int year = 1900;
    const double peakBefore = bench::PeakMemoryMB();
    for (auto _ : state) {
        BuiltWorkbook built;
        Build(built, year, reports);
        Save(built, path, reports);
        year = year == 2100 ? 1900 : year + 1;
    }
    state.counters["workbooks_per_cpu_s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["rss_growth_MB"] = bench::PeakMemoryMB() - peakBefore;
    CheckNoReports(state, reports);
}
BENCHMARK(BM_ManyWorkbooks)->Unit(benchmark::kMillisecond)->MinTime(3.0)->MeasureProcessCPUTime();

QString XlwtScript()
{
    const QString configured = qEnvironmentVariable("MORVESSA_YARDSTICK");
    if (!configured.isEmpty())
        return configured;
    return QDir(QStringLiteral(MORVESSA_SOURCE_DIR "/../shared/peers")).filePath("xlwt_calendar.py");
}

// The script's own median per workbook over --repeat runs in one Python process.
void BM_XlwtYardstick(benchmark::State& state)
{
    const QString script = XlwtScript();
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!QFileInfo(script).isFile() || !QFileInfo(python).isExecutable()) {
        state.SkipWithError("the xlwt yardstick script or /usr/bin/python3 is missing");
        return;
    }
    double medianMs = 0;
    for (auto _ : state) {
        QProcess run;
        run.start(python, {script, QString::number(kYear), QString::fromStdString(BenchPath("xlwt.xls")),
                           "--repeat", QString::number(kXlwtRepeats)});
        if (!run.waitForFinished(300000) || run.exitCode() != 0) {
            state.SkipWithError(run.readAllStandardError().constData());
            return;
        }
        const QString output = QString::fromUtf8(run.readAllStandardOutput());
        const auto match = QRegularExpression(QStringLiteral("median=([0-9.]+) s")).match(output);
        if (!match.hasMatch()) {
            state.SkipWithError("the yardstick printed no median");
            return;
        }
        medianMs = match.captured(1).toDouble() * 1000.0;
    }
    state.counters["xlwt_median_ms"] = medianMs;
    if (g_oursMedianMs > 0) {
        state.counters["ours_median_ms"] = g_oursMedianMs;
        state.counters["ours_per_xlwt"] = g_oursMedianMs / medianMs;
    }
    std::printf("build+save per workbook: ours %.2f ms (CPU %.2f ms), xlwt %.2f ms (median of %d), "
                "ratio %.3f (CPU %.3f; target <= 0.2)\n",
                g_oursMedianMs, g_oursCpuMedianMs, medianMs, kXlwtRepeats,
                medianMs > 0 ? g_oursMedianMs / medianMs : 0.0,
                medianMs > 0 ? g_oursCpuMedianMs / medianMs : 0.0);
}
BENCHMARK(BM_XlwtYardstick)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatformUnlessChosen();
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    g_folder = &folder;
    // The default settings in a store of the benchmark's own.
    SetSettingsFile(folder.filePath(QStringLiteral("Vantrelle.ini")));
    LoadHolidays();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("Peak memory (max RSS) of this process: %.1f MB\n", bench::PeakMemoryMB());
    return 0;
}
