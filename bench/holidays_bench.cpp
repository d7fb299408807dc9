// What the settings model costs a generation: the catalogue load it starts with, the colour reads of
// the month sheets, and the save after every edit in the main window.

#include "colours/ColorPalette.h"
#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace morvessa;

class NullSink final : public CatalogueMessageSink {
public:
    void ShowMessage(const QString&) override {}
};

// A private store holding the default catalogue, for the length of one benchmark.
struct PrivateStore {
    PrivateStore() : scoped(folder.filePath(QStringLiteral("Vantrelle.ini"))) { LoadHolidays(); }
    QTemporaryDir folder;
    ScopedSettingsFile scoped;
};

void BM_LoadHolidays(benchmark::State& state)
{
    PrivateStore store;
    for (auto _ : state) {
        LoadHolidays();
        benchmark::DoNotOptimize(FixedHolidays().RowCount());
    }
}
BENCHMARK(BM_LoadHolidays)->Unit(benchmark::kMicrosecond);

void BM_FirstRunLoad(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        ScopedSettingsFile scoped(folder.filePath(QStringLiteral("Vantrelle.ini")));
        state.ResumeTiming();
        LoadHolidays();
    }
}
BENCHMARK(BM_FirstRunLoad)->Unit(benchmark::kMillisecond);

void BM_SaveHolidays(benchmark::State& state)
{
    PrivateStore store;
    for (auto _ : state)
        SaveHolidays();
}
BENCHMARK(BM_SaveHolidays)->Unit(benchmark::kMillisecond);

void BM_GetColorIndex(benchmark::State& state)
{
    PrivateStore store;
    for (auto _ : state)
        benchmark::DoNotOptimize(GetColorIndex(QStringLiteral("HolidaysColor")));
}
BENCHMARK(BM_GetColorIndex)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    NullSink sink;
    ScopedCatalogueMessageSink quiet(sink);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
