// The whole calendar generation in process (default settings: 17 holidays and Easter, twelve sheets
// with mini months, save, reopen, snapshot), its parts, and morvessa-batch as a whole process. The
// generation and the workbook model are measured without world holiday sources (/0) and with two
// (/2: Bavaria and Scotland, public holidays); the goal is at most 1 ms more with them.
// Prints the peak memory (max RSS) at the end.

#include "BenchSupport.h"
#include "calendar/GenerateCalendar.h"
#include "calendar/HolidayMarking.h"
#include "calendar/MiniMonths.h"
#include "calendar/MonthSheet.h"
#include "calendar/Template.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/world/WorldSources.h"
#include "settings/SettingsStore.h"
#include "host/HostInstances.h"
#include "host/SheetSnapshot.h"
#include "core/ErrorTrap.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/xls/XlsFile.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

using namespace morvessa;

QTemporaryDir* g_folder = nullptr;

QString BenchPath(const char* name)
{
    return g_folder->filePath(QString::fromLatin1(name));
}

void CheckNoReports(benchmark::State& state, const RecordingErrorReporter& reports)
{
    if (!reports.messages.empty())
        state.SkipWithError(reports.messages.front().c_str());
}

// No world holiday source, or two (the argument); a source's place is opened once per process, so
// the first use is made before the timing.
void UseWorldSources(benchmark::State& state)
{
    std::vector<world::WorldSource> sources;
    if (state.range(0) == 2)
        sources = {{QStringLiteral("DE-BY"), {QStringLiteral("public")}, {}, {}},
                   {QStringLiteral("GB-SCT"), {QStringLiteral("public")}, {}, {}}};
    world::SaveWorldSources(sources);
    for (const world::WorldSource& source : sources)
        world::OpenedPlace(source.code);
}

// The driver from the year to the handover, and the deletion of the temporary workbook.
void BM_GenerateCalendar(benchmark::State& state)
{
    UseWorldSources(state);
    RecordingErrorReporter reports;
    ScopedErrorReporter scoped(reports);
    for (auto _ : state) {
        HeadlessGenerationUi ui;
        GenerateCalendar(CalendarYear::Clamped(2024), ui);
        benchmark::DoNotOptimize(ui.pictureFile().constData());
        QFile::remove(QString::fromStdString(ui.workbookPath()));
    }
    world::SaveWorldSources({});
    CheckNoReports(state, reports);
}
BENCHMARK(BM_GenerateCalendar)
    ->Arg(0)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(25)
    ->ReportAggregatesOnly(true);

// The parts: the twelve months with holidays and mini months in the host's model...
std::unique_ptr<sheet::Application> BuildWorkbook(RecordingErrorReporter& reports)
{
    auto app = std::make_unique<sheet::Application>();
    CalendarWorkbookState books;
    ErrorTrap trap(location::Calendar_GenerateCalendar, &reports);
    PrepareWorkbook(*app, books);
    for (int month = 1; month <= 12; ++month)
        BuildMonthSheet(*app, books, 2024, month);
    app->Sheets()("Dead").Delete();
    MarkHolidays(*app, 2024, trap, 152);
    BuildSubCalendar(*app);
    for (int month = 1; month <= 12; ++month)
        AddMiniMonths(*app, 2024, month);
    app->Sheets()("SubCalendar").Delete();
    return app;
}

void BM_BuildWorkbookModel(benchmark::State& state)
{
    UseWorldSources(state);
    RecordingErrorReporter reports;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildWorkbook(reports));
    world::SaveWorldSources({});
    CheckNoReports(state, reports);
}
BENCHMARK(BM_BuildWorkbookModel)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

// ...the .xls save and the reopen...
void BM_SaveAndReopen(benchmark::State& state)
{
    RecordingErrorReporter reports;
    std::unique_ptr<sheet::Application> app = BuildWorkbook(reports);
    const std::string path = BenchPath("save.xls").toStdString();
    for (auto _ : state) {
        sheet::xls::SaveWorkbook(app->ActiveWorkbook(), path);
        benchmark::DoNotOptimize(sheet::xls::OpenWorkbook(path));
    }
    CheckNoReports(state, reports);
}
BENCHMARK(BM_SaveAndReopen)->Unit(benchmark::kMillisecond);

// ...and the snapshot of one month through the clipboard into the BMP file.
void BM_Snapshot(benchmark::State& state)
{
    RecordingErrorReporter reports;
    ScopedErrorReporter scoped(reports);
    std::unique_ptr<sheet::Application> built = BuildWorkbook(reports);
    const std::string path = BenchPath("save.xls").toStdString();
    sheet::xls::SaveWorkbook(built->ActiveWorkbook(), path);
    ApplicationPtr app = OpenWorkbookInNewInstance(path);
    sheet::Workbook& workbook = app->Workbooks()(app->Workbooks().Count());
    const std::string picture = BenchPath("temp.bmp").toStdString();
    for (auto _ : state)
        saveCellsActivesheet(workbook, picture);
    app->Quit();
    CheckNoReports(state, reports);
}
BENCHMARK(BM_Snapshot)->Unit(benchmark::kMillisecond);

// morvessa-batch from start to exit, as a script runs it.
void BM_BatchProcess(benchmark::State& state)
{
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/morvessa-batch");
    if (!QFileInfo(tool).isExecutable()) {
        state.SkipWithError("morvessa-batch is not built");
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TEMP"), BenchPath("temp"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QDir().mkpath(BenchPath("temp"));
    const QStringList arguments{
        "--year", "2024", "--out", BenchPath("batch.xls"), "--settings", BenchPath("Vantrelle.ini")};
    for (auto _ : state) {
        QProcess batch;
        batch.setProcessEnvironment(environment);
        batch.start(tool, arguments);
        if (!batch.waitForFinished(30000) || batch.exitCode() != 0) {
            state.SkipWithError(batch.readAllStandardError().constData());
            break;
        }
    }
}
BENCHMARK(BM_BatchProcess)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatformUnlessChosen();
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    g_folder = &folder;
    // The default settings in a store of the benchmark's own; the temporary files in its folder.
    SetSettingsFile(BenchPath("Vantrelle.ini"));
    qputenv("TEMP", folder.path().toUtf8());
    ScopedInstanceRegistryFolder registry(BenchPath("instances").toStdString());
    LoadHolidays();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("Peak memory (max RSS) of this process: %.1f MB\n", bench::PeakMemoryMB());
    return 0;
}
