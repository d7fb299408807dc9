// Speed beside the yardstick: the same default calendar written by a Python xlwt script
// (MORVESSA_YARDSTICK, default ../shared/peers/xlwt_calendar.py beside the checkout, run with
// /usr/bin/python3). Prints, from one run on this machine, each figure beside the yardstick's:
//   - in process: building and saving the workbook, and the whole generation with and without the
//     month's picture, against xlwt's in-process median per workbook (its --repeat);
//   - whole processes: morvessa-batch for a workbook, then with the snapshot, against the script,
//     run in turn A B A B, CPU time per pair and both programs' peak memory;
//   - many calendars: workbooks per second of CPU time for --years 1900-2100 against the script's,
//     wall time against CPU time, and peak memory for 10 against 201 workbooks.

#include "BenchSupport.h"
#include "calendar/CalendarWorkbook.h"
#include "calendar/GenerateCalendar.h"
#include "calendar/GenerationUi.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"
#include "host/HostInstances.h"
#include "settings/SettingsStore.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/xls/XlsFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace morvessa;

QTemporaryDir* g_folder = nullptr;
std::map<std::string, double> g_medianMs;  // benchmark name -> median CPU ms

std::string Path(const char* name)
{
    return g_folder->filePath(QString::fromLatin1(name)).toStdString();
}

void BM_BuildAndSaveWorkbook(benchmark::State& state)
{
    const std::string out = Path("built.xls");
    for (auto _ : state) {
        sheet::Application app;
        CalendarWorkbookState books;
        ErrorTrap trap(location::Calendar_GenerateCalendar);
        BuildCalendarWorkbook(&app, books, 2024, 1, trap);
        books.CalendarWorkbook->SaveAs(out, GetXlsFileFormat());
    }
}
BENCHMARK(BM_BuildAndSaveWorkbook)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The whole generation of a workbook-only run; with the month's picture as the window takes it.
void BM_WholeGeneration(benchmark::State& state)
{
    for (auto _ : state) {
        HeadlessGenerationUi ui(0, state.range(0) != 0);
        GenerateCalendar(CalendarYear::Clamped(2024), ui);
        QFile::remove(QString::fromStdString(ui.workbookPath()));
    }
}
BENCHMARK(BM_WholeGeneration)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Keeps the medians for the summary while the console shows everything.
class MedianKeeper final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median")
                g_medianMs[run.run_name.function_name +
                           (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

struct ProcessFigures {
    bool ok = false;
    double cpuSeconds = 0;
    double wallSeconds = 0;
    double peakMiB = 0;
};

// Runs a program to its end and reads the kernel's own accounting of it.
ProcessFigures RunProcess(const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    std::fflush(stdout);  // the child must not print what this process has buffered
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr))
            _exit(127);
        execv(args[0], args.data());
        _exit(127);
    }
    ProcessFigures figures;
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return figures;
    figures.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    figures.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    figures.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    figures.peakMiB = double(usage.ru_maxrss) / 1024.0;
    return figures;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// xlwt's own median seconds per workbook, from the script's --repeat.
double YardstickInProcessMs(const std::string& script)
{
    QProcess python;
    python.start(
        QStringLiteral("/usr/bin/python3"),
        {QString::fromStdString(script), "2024", QString::fromStdString(Path("xlwt.xls")), "--repeat", "30"});
    if (!python.waitForFinished(120000))
        return 0;
    const QString out = QString::fromUtf8(python.readAllStandardOutput());
    const QRegularExpressionMatch median = QRegularExpression(QStringLiteral("median=([0-9.]+)")).match(out);
    return median.hasMatch() ? median.captured(1).toDouble() * 1000.0 : 0;
}

void PrintInProcess(const std::string& script)
{
    const double xlwtMs = YardstickInProcessMs(script);
    const double buildSaveMs = g_medianMs["BM_BuildAndSaveWorkbook"];
    const double workbookMs = g_medianMs["BM_WholeGeneration/0"];
    const double pictureMs = g_medianMs["BM_WholeGeneration/1"];
    std::printf("\nIn process, median per workbook (ours: CPU time; xlwt: its own wall-clock figure):\n");
    std::printf("  xlwt build and save (yardstick)          %8.2f ms\n", xlwtMs);
    std::printf("  ours, build and save                     %8.2f ms  (%.2f x xlwt; target <= 0.2)\n",
                buildSaveMs, xlwtMs > 0 ? buildSaveMs / xlwtMs : 0.0);
    std::printf("  ours, whole generation of a workbook     %8.2f ms  (%.2f x xlwt; target <= 4 ms)\n",
                workbookMs, xlwtMs > 0 ? workbookMs / xlwtMs : 0.0);
    std::printf("  ours, the same with the month's picture  %8.2f ms\n", pictureMs);
}

struct PairFigures {
    std::vector<double> ours, theirs, ratios, ourPeaks, theirPeaks;
};

// Our command and the yardstick in turn, A B A B, after one warm-up pair (page cache, font cache).
bool RunPairs(const std::vector<std::string>& ourCommand, const std::string& script, int pairs,
              PairFigures& figures)
{
    for (int i = 0; i < pairs + 1; ++i) {
        const ProcessFigures a = RunProcess(ourCommand);
        const ProcessFigures b = RunProcess({"/usr/bin/python3", script, "2024", Path("process-xlwt.xls")});
        if (!a.ok || !b.ok) {
            std::printf("whole process: a run failed (ours %d, yardstick %d)\n", a.ok, b.ok);
            return false;
        }
        if (i == 0)
            continue;
        figures.ours.push_back(a.cpuSeconds * 1000);
        figures.theirs.push_back(b.cpuSeconds * 1000);
        figures.ratios.push_back(a.cpuSeconds / b.cpuSeconds);
        figures.ourPeaks.push_back(a.peakMiB);
        figures.theirPeaks.push_back(b.peakMiB);
    }
    return true;
}

void PrintWholeProcess(const std::string& tool, const std::string& script, int pairs)
{
    const std::string settings = Path("process.ini");
    const std::vector<std::string> workbookOnly = {tool, "--year", "2024", "--out", Path("process.xls"),
                                                   "--settings", settings};
    std::vector<std::string> withPicture = workbookOnly;
    withPicture.insert(withPicture.end(), {"--snapshot", Path("process.bmp")});
    PairFigures plain, picture;
    if (!RunPairs(workbookOnly, script, pairs, plain) || !RunPairs(withPicture, script, pairs, picture))
        return;
    const auto ratioLine = [](const PairFigures& f, const char* target) {
        std::printf("  ratio, median of pairs %.3f (min %.3f, max %.3f; %s)\n", Median(f.ratios),
                    *std::min_element(f.ratios.begin(), f.ratios.end()),
                    *std::max_element(f.ratios.begin(), f.ratios.end()), target);
    };
    std::printf("\nWhole process, %d pairs run in turn each, median CPU time (user + sys) and peak memory:\n",
                pairs);
    std::printf("  python3 xlwt_calendar.py 2024 (yardstick) %8.1f ms  %6.1f MiB\n", Median(plain.theirs),
                Median(plain.theirPeaks));
    std::printf("  morvessa-batch --year 2024 --out X.xls    %8.1f ms  %6.1f MiB (target <= 20 MiB)\n",
                Median(plain.ours), Median(plain.ourPeaks));
    ratioLine(plain, "target <= 0.3");
    std::printf("  python3 xlwt_calendar.py 2024 (yardstick) %8.1f ms  %6.1f MiB\n", Median(picture.theirs),
                Median(picture.theirPeaks));
    std::printf("  the same with --snapshot X.bmp            %8.1f ms  %6.1f MiB\n", Median(picture.ours),
                Median(picture.ourPeaks));
    ratioLine(picture, "the picture run");
}

void PrintManyCalendars(const std::string& tool, const std::string& script)
{
    const std::string settings = Path("many.ini");
    const ProcessFigures ten =
        RunProcess({tool, "--years", "2025-2034", "--out-dir", Path("many10"), "--settings", settings});
    std::vector<double> rates, wallPerCpu, xlwtRates;
    double peak201 = 0;
    for (int i = 0; i < 3; ++i) {
        const ProcessFigures all =
            RunProcess({tool, "--years", "1900-2100", "--out-dir", Path("many201"), "--settings", settings});
        const ProcessFigures one = RunProcess({"/usr/bin/python3", script, "2024", Path("many-xlwt.xls")});
        if (!all.ok || !ten.ok || !one.ok) {
            std::printf("many calendars: a run failed\n");
            return;
        }
        rates.push_back(201.0 / all.cpuSeconds);
        wallPerCpu.push_back(all.wallSeconds / all.cpuSeconds);
        xlwtRates.push_back(1.0 / one.cpuSeconds);
        peak201 = all.peakMiB;
    }
    std::printf("\nMany calendars in one process (--years 1900-2100, 201 workbooks, start-up included):\n");
    std::printf("  xlwt, one process a workbook (yardstick) %.0f workbooks per CPU second\n", Median(xlwtRates));
    std::printf("  ours %.0f workbooks per CPU second (median of 3; target >= 300)\n", Median(rates));
    std::printf("  wall time %.2f x CPU time (median of 3; target <= 1.5 on an idle disk)\n", Median(wallPerCpu));
    std::printf("  peak memory %.1f MiB for 10 workbooks, %.1f MiB for 201 (target: the same)\n", ten.peakMiB,
                peak201);
}

}  // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatformUnlessChosen();
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    g_folder = &folder;
    for (const char* name : {"Vantrelle.ini", "process.ini", "many.ini"})
        QFile(folder.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    SetSettingsFile(folder.filePath(QStringLiteral("Vantrelle.ini")));
    qputenv("TEMP", folder.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", folder.path().toUtf8());
    LoadHolidays();
    LoadRuleHolidays();

    const std::string script = qEnvironmentVariableIsSet("MORVESSA_YARDSTICK")
                                   ? qEnvironmentVariable("MORVESSA_YARDSTICK").toStdString()
                                   : std::string(MORVESSA_SOURCE_DIR "/../shared/peers/xlwt_calendar.py");
    const std::string tool = MORVESSA_BINARY_DIR "/bin/morvessa-batch";

    benchmark::Initialize(&argc, argv);
    MedianKeeper reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    if (!QFile::exists(QString::fromStdString(script))) {
        std::printf("\nThe yardstick %s is missing: set MORVESSA_YARDSTICK to the xlwt script.\n",
                    script.c_str());
        return 0;
    }
    PrintInProcess(script);
    PrintWholeProcess(tool, script, 15);
    PrintManyCalendars(tool, script);
    return 0;
}
