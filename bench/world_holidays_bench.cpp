// What a world holiday source costs: opening a place (reading its country's file), and the days of
// one place for one year. Goals: opening at most 10 ms, a year at most 0.2 ms.

#include "holidays/world/WorldHolidays.h"

#include <benchmark/benchmark.h>

namespace {

using namespace morvessa::world;

const QString kFolder = QStringLiteral(MORVESSA_BINARY_DIR "/bin/holidays");

void BM_OpenPlace(benchmark::State& state, const char* code)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaceHolidays::Open(QString::fromLatin1(code), kFolder));
}
BENCHMARK_CAPTURE(BM_OpenPlace, DE_BY, "DE-BY")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenPlace, US_LA_NO, "US-LA-NO")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenPlace, FR, "FR")->Unit(benchmark::kMillisecond);

// Years one after another, as a user paging through them would ask; the lunar calendars of Israel,
// China and Iran cost the most.
void BM_PlaceYear(benchmark::State& state, const char* code)
{
    const PlaceHolidays place = PlaceHolidays::Open(QString::fromLatin1(code), kFolder);
    int year = 2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(place.Holidays(year, QStringLiteral("en")));
        year = year == 2099 ? 2000 : year + 1;
    }
}
BENCHMARK_CAPTURE(BM_PlaceYear, DE_BY, "DE-BY")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlaceYear, GB_SCT, "GB-SCT")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlaceYear, IL, "IL")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlaceYear, CN, "CN")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlaceYear, IR, "IR")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlaceYear, JP, "JP")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
