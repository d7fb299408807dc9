// Start to preview in the window: from the click on "Start Creating Template" to the preview window
// exposed on screen, then "< Back" for the next round. Under a real X server (Xvfb with
// QT_QPA_PLATFORM=xcb) "exposed" means mapped and drawn; offscreen it measures the work alone.
// The settings, the temporary folder and the running-instance records are the benchmark's own.

#include "app/MainWindow.h"
#include "preview/PreviewWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

using namespace morvessa;

void BM_StartToPreviewShown(benchmark::State& state)
{
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window, 5000)) {
        state.SkipWithError("the main window was not shown");
        return;
    }
    auto* start = window.findChild<QPushButton*>(QStringLiteral("PushButton2"));
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        start->click();  // the whole generation runs in the click's handler
        PreviewWindow* preview = window.Preview();
        if (preview == nullptr || !QTest::qWaitForWindowExposed(preview, 5000)) {
            state.SkipWithError("the preview was not shown");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        preview->findChild<QPushButton*>(QStringLiteral("PushButton8"))->click();  // "< Back"
        if (!QTest::qWaitForWindowExposed(&window, 5000)) {
            state.SkipWithError("< Back did not show the main window");
            break;
        }
    }
}
BENCHMARK(BM_StartToPreviewShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    // A user of its own: settings, temporary files and instance records in a private folder.
    auto home = std::make_unique<QTemporaryDir>();
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "TEMP", "TMPDIR"})
        qputenv(variable, home->path().toUtf8());
    QApplication app(argc, argv);
    std::printf("Platform: %s\n", qPrintable(QGuiApplication::platformName()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
