// The window's saved layout: what the window saved comes back; a damaged blob never reaches
// Qt's readers (which trust its counts), and a start that died restoring the layout skips it
// the next time.

#include "TestSupport.h"
#include "UiTestSupport.h"

#include "members/Settings.h"
#include "ui/QtText.h"
#include "ui/WindowStateCheck.h"

#include <QDockWidget>
#include <QFile>
#include <QRandomGenerator>
#include <QSplitter>
#include <QStatusBar>

#include <filesystem>
#include <functional>

namespace ranvik::test {
namespace {

class WindowStateTest : public WindowTest {
  protected:
    void TearDown() override {
        QFile::remove(statePath());
        QFile::remove(statePath() + QStringLiteral(".restoring"));
        WindowTest::TearDown();
    }
    static QString statePath() { return ToQString(DefaultWindowStatePath()); }
    QDockWidget* dock() { return form().findChild<QDockWidget*>(QStringLiteral("problemsDock")); }
};

struct Blob {
    const char* name;
    std::function<QByteArray(MainWindow&)> save;
    std::function<bool(MainWindow&, const QByteArray&)> check;
    std::function<void(MainWindow&, const QByteArray&)> restore;
};

QSplitter* SplitterOf(MainWindow& w) {
    return w.findChild<QSplitter*>(QStringLiteral("splitter"));
}

const Blob kBlobs[] = {
    {"Geometry", [](MainWindow& w) { return w.saveGeometry(); },
     [](MainWindow&, const QByteArray& b) { return IsSoundGeometry(b); },
     [](MainWindow& w, const QByteArray& b) { w.restoreGeometry(b); }},
    {"Docks", [](MainWindow& w) { return w.saveState(); },
     [](MainWindow&, const QByteArray& b) {
         return IsSoundDockState(b, {QStringLiteral("problemsDock")});
     },
     [](MainWindow& w, const QByteArray& b) { w.restoreState(b); }},
    {"Splitter", [](MainWindow& w) { return SplitterOf(w)->saveState(); },
     [](MainWindow& w, const QByteArray& b) {
         return IsSoundSplitterState(b, SplitterOf(w)->count());
     },
     [](MainWindow& w, const QByteArray& b) { SplitterOf(w)->restoreState(b); }},
};

QByteArray WithInt(QByteArray blob, qsizetype at, quint32 value) {
    for (int k = 0; k < 4; ++k)
        blob[at + k] = static_cast<char>(value >> (24 - 8 * k));
    return blob;
}

// Every blob the window saves passes its check; a count of 0x7fffffff anywhere, and a few
// thousand small random damages, either fail the check or restore without harm.
TEST_F(WindowStateTest, DamagedBlobsAreDroppedOrHarmless) {
    ASSERT_NE(SplitterOf(form()), nullptr);
    QRandomGenerator random(26);
    for (const Blob& kind : kBlobs) {
        SCOPED_TRACE(kind.name);
        const QByteArray real = kind.save(form());
        ASSERT_TRUE(kind.check(form(), real));
        std::vector<QByteArray> damaged;
        for (qsizetype at = 0; at + 4 <= real.size(); ++at)
            damaged.push_back(WithInt(real, at, 0x7fffffff));
        for (int k = 0; k < 3000; ++k) {
            QByteArray blob = real;
            for (int n = random.bounded(1, 4); n > 0; --n)
                blob[random.bounded(static_cast<int>(blob.size()))] =
                    static_cast<char>(random.bounded(256));
            damaged.push_back(blob);
        }
        for (const QByteArray& blob : damaged) {
            if (kind.check(form(), blob))
                kind.restore(form(), blob);
        }
        kind.restore(form(), real);
    }
    // The attack's own: the dock areas' count and the first area's count of docks.
    const QByteArray docks = form().saveState();
    EXPECT_FALSE(IsSoundDockState(WithInt(docks, 9, 0x7fffffff), {QStringLiteral("problemsDock")}));
    EXPECT_FALSE(
        IsSoundDockState(WithInt(docks, 27, 0x7fffffff), {QStringLiteral("problemsDock")}));
}

TEST_F(WindowStateTest, AStartThatDiedRestoringSkipsTheLayoutOnce) {
    form().addDockWidget(Qt::LeftDockWidgetArea, dock());
    ASSERT_TRUE(ReplaceStateFile(DefaultWindowStatePath(), "Window",
                                 {{"Docks", form().saveState().toBase64().toStdString()}}));
    form().addDockWidget(Qt::BottomDockWidgetArea, dock());
    const auto areaOfNewWindow = [] {
        const auto windows = CreateAppWindows();
        const auto* dock =
            windows->mainWindow->findChild<QDockWidget*>(QStringLiteral("problemsDock"));
        return windows->mainWindow->dockWidgetArea(const_cast<QDockWidget*>(dock));
    };
    QFile marker(statePath() + QStringLiteral(".restoring"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_EQ(areaOfNewWindow(), Qt::BottomDockWidgetArea) << "the layout that crashed is skipped";
    EXPECT_FALSE(marker.exists());
    EXPECT_EQ(areaOfNewWindow(), Qt::LeftDockWidgetArea) << "and restored the next time";
}

// A settings file the reader takes only in part is said once at the start and never
// written, not even by the window's close.
TEST_F(WindowStateTest, ASettingsFileReadInPartIsLeftAloneAndSaidOnce) {
    const std::string path = DefaultSettingsPath();
    const std::string bytes("[Recent charts]\n1=/b.tms\0\n[Other]\nkept=1\n", 41);
    WriteFile(path, bytes);
    {
        const auto windows = CreateAppWindows();
        windows->mainWindow->show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(windows->mainWindow->statusBar()->currentMessage().startsWith(
            ToQString("The settings file " + path +
                      " is left as it is, since line 2 holds a NUL "
                      "byte;")))
            << windows->mainWindow->statusBar()->currentMessage().toStdString();
    }
    EXPECT_EQ(ReadFile(path), bytes);
    std::filesystem::remove(path);
}

} // namespace
} // namespace ranvik::test
