// The files the window keeps for itself: its layout comes back when sound, a start that died
// restoring it skips it once; a settings file read in part is left alone and said once.

#include "TestSupport.h"
#include "UiTestSupport.h"

#include "settings/Settings.h"
#include "ui/QtText.h"
#include "ui/WindowStateCheck.h"

#include <QDockWidget>
#include <QFile>
#include <QSplitter>
#include <QStatusBar>

#include <filesystem>

namespace ranvik::test {
namespace {

class WindowStateTest : public WindowTest {
  protected:
    void TearDown() override {
        QFile::remove(ToQString(DefaultWindowStatePath()));
        WindowTest::TearDown();
    }
};

QDockWidget* DockOf(MainWindow& window) {
    return window.findChild<QDockWidget*>(QStringLiteral("problemsDock"));
}

TEST_F(WindowStateTest, AStartThatDiedRestoringSkipsTheLayoutOnce) {
    const auto* splitter = form().findChild<QSplitter*>(QStringLiteral("splitter"));
    EXPECT_TRUE(IsSoundGeometry(form().saveGeometry(), DesktopSize()));
    EXPECT_TRUE(IsSoundSplitterState(splitter->saveState(), splitter->count()));
    form().addDockWidget(Qt::LeftDockWidgetArea, DockOf(form()));
    QByteArray docks = form().saveState();
    ASSERT_TRUE(IsSoundDockState(docks, {QStringLiteral("problemsDock")}));
    ASSERT_TRUE(Settings(DefaultWindowStatePath(), SettingsStore::WindowState)
                    .set(setting::WindowDocks, docks.toBase64().toStdString()));
    form().addDockWidget(Qt::BottomDockWidgetArea, DockOf(form()));
    const auto areaInANewWindow = [] {
        const auto windows = CreateAppWindows();
        return windows->mainWindow->dockWidgetArea(DockOf(*windows->mainWindow));
    };
    QFile marker(ToQString(DefaultWindowStatePath() + ".restoring"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_EQ(areaInANewWindow(), Qt::BottomDockWidgetArea) << "the layout that crashed is skipped";
    EXPECT_FALSE(marker.exists());
    EXPECT_EQ(areaInANewWindow(), Qt::LeftDockWidgetArea) << "and restored the next time";
    // The attack's count of dock areas never reaches Qt.
    docks.replace(9, 4, QByteArray::fromHex("7fffffff"));
    EXPECT_FALSE(IsSoundDockState(docks, {QStringLiteral("problemsDock")}));
}

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
    } // the window's close writes nothing into it either
    EXPECT_EQ(ReadFile(path), bytes);
    std::filesystem::remove(path);
}

} // namespace
} // namespace ranvik::test
