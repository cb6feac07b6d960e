// Arbitrary bytes as the window's saved layout: the first byte picks the blob (the window's
// geometry, its docks, the chart/members splitter). Whatever the checks take is handed to Qt,
// which must restore it without a fault; whatever they refuse never reaches Qt.

#include "FuzzTarget.h"

#include "ui/WindowStateCheck.h"

#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QSplitter>

#include <cstdlib>
#include <memory>

namespace {

// The window's shape as the program builds it: one dock below, a splitter of two.
struct Window {
    QMainWindow main;
    QSplitter* splitter = new QSplitter;
    QDockWidget* dock = new QDockWidget;
    Window() {
        splitter->addWidget(new QLabel(QStringLiteral("chart")));
        splitter->addWidget(new QLabel(QStringLiteral("members")));
        main.setCentralWidget(splitter);
        dock->setObjectName(QStringLiteral("problemsDock"));
        dock->setWidget(new QLabel(QStringLiteral("problems")));
        main.addDockWidget(Qt::BottomDockWidgetArea, dock);
        main.show();
    }
};

// Made once and never destroyed: Qt's objects do not survive the order of a process's exit.
Window& TheWindow() {
    static int argc = 1;
    static char name[] = "window-state-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* app = new QApplication(argc, argv);
    static auto* window = new Window;
    (void)app;
    return *window;
}

} // namespace

RANVIK_FUZZ_TARGET(window_state) {
    if (size == 0)
        return 0;
    Window& window = TheWindow();
    const QByteArray blob(reinterpret_cast<const char*>(data) + 1,
                          static_cast<qsizetype>(size - 1));
    switch (data[0] % 3) {
    case 0:
        if (ranvik::IsSoundGeometry(blob, ranvik::DesktopSize()))
            window.main.restoreGeometry(blob);
        break;
    case 1:
        if (ranvik::IsSoundDockState(blob, {window.dock->objectName()}))
            window.main.restoreState(blob);
        break;
    default:
        if (ranvik::IsSoundSplitterState(blob, window.splitter->count()))
            window.splitter->restoreState(blob);
        break;
    }
    QApplication::processEvents();
    return 0;
}
