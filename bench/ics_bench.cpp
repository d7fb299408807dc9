// What hostile or huge iCalendar files cost: each is read (or refused) and its days found for one
// year, the whole of which must stay within 1 s and 200 MB. peak_MB is the process's peak so far, so
// the last figure bounds them all.

#include "BenchSupport.h"

#include "calendar/HolidayIcs.h"
#include "calendar/IcsCalendar.h"

#include <benchmark/benchmark.h>

namespace {

using namespace morvessa;

QByteArray Calendar(const QByteArray& body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + body + "END:VCALENDAR\r\n";
}

QByteArray Event(const QByteArray& properties)
{
    return "BEGIN:VEVENT\r\nUID:x\r\nSUMMARY:Event\r\n" + properties + "END:VEVENT\r\n";
}

QByteArray Case(int which)
{
    switch (which) {
    case 0:
        return Calendar(Event("DTSTART;VALUE=DATE:20200101\r\nRRULE:FREQ=DAILY;COUNT=1000000000\r\n"));
    case 1:
        return Calendar(Event("DTSTART;VALUE=DATE:20200101\r\nRRULE:FREQ=DAILY\r\n"));
    case 2: {
        QByteArray many;
        for (int i = 0; i < 10000; ++i)
            many += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) +
                    "\r\nDTSTART;VALUE=DATE:20260101\r\nSUMMARY:Event " + QByteArray::number(i) + "\r\nEND:VEVENT\r\n";
        return Calendar(many);
    }
    case 3: {
        QByteArray folded = "BEGIN:VEVENT\r\nSUMMARY:";
        for (int i = 0; i < 1024 * 1024 / 64; ++i)
            folded += QByteArray(63, 'x') + "\r\n ";
        return Calendar(folded + "\r\nEND:VEVENT\r\n");
    }
    case 4:
        return Calendar(Event("DTSTART;VALUE=DATE:00010101\r\nRRULE:FREQ=DAILY;COUNT=1000000000\r\n"));
    case 5:
        return Calendar(Event("DTSTART;VALUE=DATE:99991230\r\nRRULE:FREQ=DAILY\r\n"));
    case 6:
        return Calendar("SUMMARY:\xff\xfe\r\n" + QByteArray(1000, '\0'));
    case 7:
        return Calendar(QByteArray("BEGIN:VEVENT\r\n").repeated(500000));
    case 8: {
        // Many events that each walk from the year 1 with a count: the calendar's step limit stops them.
        QByteArray many;
        for (int i = 0; i < 2000; ++i)
            many += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) +
                    "\r\nDTSTART;VALUE=DATE:00010101\r\nRRULE:FREQ=DAILY;COUNT=900000\r\nSUMMARY:E\r\nEND:VEVENT\r\n";
        return Calendar(many);
    }
    default:
        return Calendar(Event("DTSTART:20260101T000000\r\nRRULE:FREQ=SECONDLY\r\n"));
    }
}

const char* const kNames[] = {"count 1e9",   "no end",        "10000 one day", "1 MB folded line", "year 1",
                              "year 9999",  "not UTF-8/NUL", "nested BEGIN",  "2000 from year 1", "secondly timed"};

void BM_HostileIcs(benchmark::State& state)
{
    const QByteArray data = Case(int(state.range(0)));
    state.SetLabel(kNames[state.range(0)]);
    std::size_t days = 0;
    for (auto _ : state) {
        try {
            days = IcsCalendar::Parse(data).Expand(2026, 2026, {true, {}}).days.size();
        } catch (const IcsError&) {
            days = 0;
        }
        benchmark::DoNotOptimize(days);
    }
    state.counters["days"] = double(days);
    state.counters["peak_MB"] = morvessa::bench::PeakMemoryMB();
}
BENCHMARK(BM_HostileIcs)->DenseRange(0, 9)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
