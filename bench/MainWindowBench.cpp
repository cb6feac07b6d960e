// The main window offscreen: a fresh window opens the full double round robin file the way
// Open does, until the view has laid out and painted; the peak resident memory after it.

#include "BenchInputs.h"

#include "ui/Application.h"
#include "ui/ChartView.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace ranvik::bench {
namespace {

// A field of /proc/self/status in kB (VmHWM, VmRSS), 0 when it cannot be read.
double StatusKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::strtod(line.c_str() + field.size() + 1, nullptr);
    }
    return 0;
}

// The window as the user sees it after start-up: shown, first activation done.
std::unique_ptr<AppWindows> StartedWindows() {
    auto windows = CreateAppWindows();
    windows->form1->show();
    QApplication::processEvents();
    return windows;
}

void WaitUntilReady(TForm1& form) {
    QApplication::processEvents();
    form.StringGrid1->viewport()->repaint();
}

void BM_MainWindowOpenDoubleRoundRobin(benchmark::State& state) {
    const QString path = QString::fromStdString(FullChartPath(FullChart::DoubleRoundRobin));
    for (auto _ : state) {
        state.PauseTiming();
        auto windows = StartedWindows();
        TForm1& form = *windows->form1;
        state.ResumeTiming();
        form.tournament().setType(TournamentType::DoubleRoundRobin);
        if (!form.LoadGrid(path)) {
            state.SkipWithError("the full double round robin did not load");
            break;
        }
        WaitUntilReady(form);
        state.PauseTiming();
        if (form.tournament().numPlayers() != kFullPlayers)
            state.SkipWithError("the window does not show the whole chart");
        windows.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["VmHWM_MB"] = StatusKilobytes("VmHWM") / 1024.0;
}
BENCHMARK(BM_MainWindowOpenDoubleRoundRobin)->Unit(benchmark::kMillisecond)->UseRealTime();

// Peak resident memory of the whole program with the full double round robin loaded and
// shown: one window, opened once; the counter is the figure, the time is incidental.
void BM_PeakMemoryDoubleRoundRobinLoaded(benchmark::State& state) {
    const QString path = QString::fromStdString(FullChartPath(FullChart::DoubleRoundRobin));
    auto windows = StartedWindows();
    TForm1& form = *windows->form1;
    form.tournament().setType(TournamentType::DoubleRoundRobin);
    if (!form.LoadGrid(path)) {
        state.SkipWithError("the full double round robin did not load");
        return;
    }
    WaitUntilReady(form);
    for (auto _ : state)
        WaitUntilReady(form);
    state.counters["VmHWM_MB"] = StatusKilobytes("VmHWM") / 1024.0;
    state.counters["VmRSS_MB"] = StatusKilobytes("VmRSS") / 1024.0;
}
BENCHMARK(BM_PeakMemoryDoubleRoundRobinLoaded)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace
} // namespace ranvik::bench

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QLocale::setDefault(QLocale::c());
    // Whatever settings the window writes go to this run's folder, not the user's.
    setenv("XDG_CONFIG_HOME", ranvik::bench::RunFolder().c_str(), 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
