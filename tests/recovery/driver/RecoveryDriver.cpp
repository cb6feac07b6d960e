// The program's windows driven through real input for the crash test. "type <folder>" saves
// a round robin, types the cells of TypedChart.h, writes what the window holds to
// <folder>/expected.tms and waits to be killed. "restore <folder>" starts like the program,
// answers the start-up question with Restore, writes what it restored to <folder>/restored.*
// and closes normally.

#include "../TypedChart.h"
#include "files/ChartFile.h"
#include "files/FileWriter.h"
#include "ui/Application.h"
#include "ui/ChartView.h"
#include "ui/MainWindow.h"
#include "ui/Prompts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <string>

namespace {

using ranvik::MainWindow;

template <class T> T* Part(MainWindow& window, const char* name) {
    T* part = window.findChild<T*>(QString::fromLatin1(name));
    if (!part) {
        std::fprintf(stderr, "no %s in the window\n", name);
        std::exit(3);
    }
    return part;
}

// Runs the event loop until the condition holds; false after the deadline.
template <class Condition> bool WaitFor(Condition condition, int ms) {
    QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

QWidget* KeyTarget(ranvik::ChartView& view) {
    for (QLineEdit* editor : view.findChildren<QLineEdit*>(QStringLiteral("CellEditor"))) {
        if (editor->isVisible())
            return editor;
    }
    return &view;
}

void Write(const std::string& path, const std::string& bytes) {
    if (!ranvik::WriteFileSafely(path, bytes))
        std::exit(4);
}

std::string ChartBytes(MainWindow& window) {
    return ranvik::EncodeChartFile(window.document().tournament().chart()).bytes;
}

int TypeAndWait(MainWindow& window, const std::string& folder) {
    auto& view = *Part<ranvik::ChartView>(window, "chartView");
    QTest::mouseClick(Part<QRadioButton>(window, "roundRobinRadio"), Qt::LeftButton);
    QSpinBox* players = Part<QSpinBox>(window, "playersBox");
    players->setFocus();
    players->selectAll();
    QTest::keyClicks(players, QString::number(ranvik::test::TypedPlayers));
    QTest::keyClick(players, Qt::Key_Return);
    ranvik::prompts::enqueueFileName(
        QString::fromStdString(folder + "/" + ranvik::test::TypedChartName));
    Part<QAction>(window, "saveAsAction")->trigger();

    view.setFocus();
    for (const ranvik::test::TypedCell& cell : ranvik::test::TypedCells()) {
        view.setCurrentCell(cell.col, cell.row);
        for (const char ch : cell.text)
            QTest::keyClick(KeyTarget(view), ch);
        QTest::keyClick(KeyTarget(view), Qt::Key_Return);
    }
    Write(folder + "/expected.tms", ChartBytes(window));
    // Killed by the test long before this; a driver left behind must not live on.
    QTimer::singleShot(60000, qApp, [] { QCoreApplication::exit(5); });
    return QApplication::exec();
}

int Restore(MainWindow& window, const std::string& folder) {
    // Generous: a sanitizer build on a busy machine starts the window and reads the copy
    // many times slower than a user's.
    if (!WaitFor([] { return ranvik::prompts::pendingScripts() == 0; }, 60000))
        return 6;
    const ranvik::ChartDocument& document = window.document();
    const ranvik::Tournament& tournament = document.tournament();
    Write(folder + "/restored.tms", ChartBytes(window));
    const std::string facts =
        "type=" + std::to_string(static_cast<int>(tournament.type())) +
        "\nplayers=" + std::to_string(tournament.numPlayers()) + "\nfile=" + document.fileName() +
        "\nmodified=" + std::to_string(document.isModified() ? 1 : 0) +
        "\nunexpected=" + std::to_string(ranvik::prompts::unexpectedDialogs().size()) + "\n";
    Write(folder + "/restored.txt", facts);
    // A normal exit: the close question answered No, the window gone with its copy.
    ranvik::prompts::enqueue([](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        if (box)
            box->button(QMessageBox::No)->click();
    });
    window.close();
    return window.isVisible() ? 7 : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3)
        return 2;
    const std::string mode = argv[1];
    const std::string folder = argv[2];
    QApplication app(argc, argv);
    ranvik::prompts::setStrict(true);
    if (mode == "restore") {
        ranvik::prompts::enqueue([folder](QDialog& dialog) {
            auto* list = dialog.findChild<QListView*>(QStringLiteral("recoveryList"));
            auto* restore = dialog.findChild<QPushButton*>(QStringLiteral("restoreButton"));
            if (!list || !restore)
                return;
            std::string question;
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                question += label->text().toStdString() + "\n";
            for (int row = 0; row < list->model()->rowCount(); ++row)
                question += list->model()->index(row, 0).data().toString().toStdString() + "\n";
            Write(folder + "/question.txt", question);
            restore->click();
        });
    }
    auto windows = ranvik::CreateAppWindows();
    MainWindow& window = *windows->mainWindow;
    window.show();
    QApplication::setActiveWindow(&window);
    QTest::qWait(50);
    return mode == "type" ? TypeAndWait(window, folder) : Restore(window, folder);
}
