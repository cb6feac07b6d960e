// The main window offscreen: a fresh window opens the full double round robin file the way
// Open does, until the view has laid out and painted; the peak resident memory after it;
// the standings window on that chart, opened and re-ranked.

#include "BenchInputs.h"
#include "MemberInputs.h"

#include "ui/Application.h"
#include "ui/ChartView.h"
#include "ui/MainWindow.h"
#include "ui/Prompts.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <array>
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
    windows->mainWindow->show();
    QApplication::processEvents();
    return windows;
}

// The window's widgets, found by name as the tests find them (they are private).
QTableView& ChartViewOf(MainWindow& window) {
    return *window.findChild<QTableView*>(QStringLiteral("chartView"));
}
QTableView& MembersViewOf(MainWindow& window) {
    return *window.findChild<QTableView*>(QStringLiteral("membersView"));
}

void WaitUntilReady(MainWindow& window) {
    QApplication::processEvents();
    ChartViewOf(window).viewport()->repaint();
}

void BM_MainWindowOpenDoubleRoundRobin(benchmark::State& state) {
    const QString path = QString::fromStdString(FullChartPath(FullChart::DoubleRoundRobin));
    for (auto _ : state) {
        state.PauseTiming();
        auto windows = StartedWindows();
        MainWindow& window = *windows->mainWindow;
        state.ResumeTiming();
        window.document().tournament().setType(TournamentType::DoubleRoundRobin);
        if (!window.openChartFile(path)) {
            state.SkipWithError("the full double round robin did not load");
            break;
        }
        WaitUntilReady(window);
        state.PauseTiming();
        if (window.document().tournament().numPlayers() != kFullPlayers)
            state.SkipWithError("the window does not show the whole chart");
        windows.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["VmHWM_MB"] = StatusKilobytes("VmHWM") / 1024.0;
}
BENCHMARK(BM_MainWindowOpenDoubleRoundRobin)->Unit(benchmark::kMillisecond)->UseRealTime();

// The main window holding the full double round robin, as after Open.
std::unique_ptr<AppWindows> WindowWithDoubleRoundRobin(benchmark::State& state) {
    auto windows = StartedWindows();
    MainWindow& window = *windows->mainWindow;
    window.document().tournament().setType(TournamentType::DoubleRoundRobin);
    if (!window.openChartFile(QString::fromStdString(FullChartPath(FullChart::DoubleRoundRobin)))) {
        state.SkipWithError("the full double round robin did not load");
        return nullptr;
    }
    WaitUntilReady(window);
    return windows;
}

// Peak resident memory of the whole program with the full double round robin loaded and
// shown: one window, opened once; the counter is the figure, the time is incidental.
void BM_PeakMemoryDoubleRoundRobinLoaded(benchmark::State& state) {
    auto windows = WindowWithDoubleRoundRobin(state);
    if (!windows)
        return;
    MainWindow& window = *windows->mainWindow;
    for (auto _ : state)
        WaitUntilReady(window);
    state.counters["VmHWM_MB"] = StatusKilobytes("VmHWM") / 1024.0;
    state.counters["VmRSS_MB"] = StatusKilobytes("VmRSS") / 1024.0;
}
BENCHMARK(BM_PeakMemoryDoubleRoundRobinLoaded)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

QTabWidget& TabsOf(QDialog& dialog) {
    return *dialog.findChild<QTabWidget*>(QStringLiteral("standingsTabs"));
}

// The standings window's tab in view, laid out and painted.
QAbstractItemView& PaintCurrentTab(QDialog& dialog) {
    QApplication::processEvents();
    auto& view = *qobject_cast<QAbstractItemView*>(TabsOf(dialog).currentWidget());
    view.viewport()->repaint();
    return view;
}

// Tools > Standings on the full double round robin until usable: the chart checked, the
// window built and shown, the standings list painted, then the cross-table painted.
void BM_StandingsWindowOpenDoubleRoundRobin(benchmark::State& state) {
    auto windows = WindowWithDoubleRoundRobin(state);
    if (!windows)
        return;
    auto* standings = windows->mainWindow->findChild<QAction*>(QStringLiteral("standingsAction"));
    int rows = 0;
    for (auto _ : state) {
        prompts::enqueue([&rows](QDialog& dialog) {
            PaintCurrentTab(dialog);
            TabsOf(dialog).setCurrentIndex(1);
            rows = PaintCurrentTab(dialog).model()->rowCount();
            dialog.reject();
        });
        standings->trigger();
    }
    if (rows != kFullPlayers)
        state.SkipWithError("the cross-table does not show every player");
}
BENCHMARK(BM_StandingsWindowOpenDoubleRoundRobin)->Unit(benchmark::kMillisecond)->UseRealTime();

// One change of the tie-break order in the open standings window (the first tie-break
// moved down, then back up), until the tab in view (0 the list, 1 the cross-table) shows the
// new ranking.
void BM_StandingsWindowReRankDoubleRoundRobin(benchmark::State& state) {
    auto windows = WindowWithDoubleRoundRobin(state);
    if (!windows)
        return;
    const int tab = static_cast<int>(state.range(0));
    prompts::enqueue([&state, tab](QDialog& dialog) {
        TabsOf(dialog).setCurrentIndex(tab);
        PaintCurrentTab(dialog);
        const std::array<QPushButton*, 2> moves = {
            dialog.findChild<QPushButton*>(QStringLiteral("moveTieBreakDownButton")),
            dialog.findChild<QPushButton*>(QStringLiteral("moveTieBreakUpButton"))};
        std::size_t i = 0;
        for (auto _ : state) {
            moves[i++ % moves.size()]->click();
            PaintCurrentTab(dialog);
        }
        dialog.reject();
    });
    windows->mainWindow->findChild<QAction*>(QStringLiteral("standingsAction"))->trigger();
}
BENCHMARK(BM_StandingsWindowReRankDoubleRoundRobin)
    ->ArgName("tab")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void DatabaseReady(MainWindow& window) {
    QApplication::processEvents();
    MembersViewOf(window).viewport()->repaint();
}

// The window opens a membership database (its file chosen) until the grid shows it and
// the Name box can search it.
void BM_WindowOpenMembers(benchmark::State& state) {
    const MemberFiles& files = Files();
    if (!files.problem.empty()) {
        state.SkipWithError(files.problem.c_str());
        return;
    }
    const bool access = state.range(0) == 0;
    state.SetLabel(access ? "Access" : "SQLite");
    auto windows = StartedWindows();
    MainWindow& window = *windows->mainWindow;
    const QString path = QString::fromStdString(access ? files.access : files.sqlite);
    for (auto _ : state) {
        window.openDatabaseFile(path);
        DatabaseReady(window);
    }
    if (MembersViewOf(window).model()->rowCount() != kMembers)
        state.SkipWithError("the grid does not show every member");
}
BENCHMARK(BM_WindowOpenMembers)
    ->ArgName("engine")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Opened once for the keystroke and ordering benchmarks; closed before the application
// object goes (a window outliving it crashed the program at exit).
std::unique_ptr<AppWindows> gWindowsWithMembers;

MainWindow* WindowWithMembers(benchmark::State& state) {
    std::unique_ptr<AppWindows>& windows = gWindowsWithMembers;
    const MemberFiles& files = Files();
    if (!files.problem.empty()) {
        state.SkipWithError(files.problem.c_str());
        return nullptr;
    }
    if (!windows) {
        windows = StartedWindows();
        windows->mainWindow->openDatabaseFile(QString::fromStdString(files.access));
        DatabaseReady(*windows->mainWindow);
    }
    return windows->mainWindow.get();
}

// One keystroke in the name search box (the text grows and shrinks through a name): the
// window's search and the grid moved to the match (repaint 0), or also until the grid has
// processed its events and repainted (repaint 1).
void BM_WindowKeystrokeSearch(benchmark::State& state) {
    MainWindow* window = WindowWithMembers(state);
    if (!window)
        return;
    auto* nameSearch = window->findChild<QLineEdit*>(QStringLiteral("memberNameSearch"));
    const std::array<QString, 8> typed = {"l",        "lé",   "lév", "léve",
                                          "lévesque", "léve", "lév", "lé"};
    std::size_t i = 0;
    for (auto _ : state) {
        nameSearch->setText(typed[i++ % typed.size()]);
        if (state.range(0) == 1)
            DatabaseReady(*window);
    }
    if (state.range(0) == 0)
        DatabaseReady(*window);
}
BENCHMARK(BM_WindowKeystrokeSearch)
    ->ArgName("repaint")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// One choice in the Sort submenu, each ordering at its own current record, until shown.
void BM_WindowChangeOrdering(benchmark::State& state) {
    MainWindow* window = WindowWithMembers(state);
    if (!window)
        return;
    const std::array<QAction*, 3> items = {
        window->findChild<QAction*>(QStringLiteral("orderByNumberAction")),
        window->findChild<QAction*>(QStringLiteral("orderByProvinceAction")),
        window->findChild<QAction*>(QStringLiteral("orderByNameAction"))};
    std::size_t i = 0;
    for (auto _ : state) {
        items[i++ % items.size()]->trigger();
        DatabaseReady(*window);
    }
}
BENCHMARK(BM_WindowChangeOrdering)->Unit(benchmark::kMillisecond)->UseRealTime();

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
    ranvik::bench::gWindowsWithMembers.reset();
    return 0;
}
