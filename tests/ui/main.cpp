// Test main for the GUI tests: offscreen, a pinned locale, and every dialog scripted.

#include "TestSupport.h"
#include "ui/Application.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Each test starts with no scripted answers left over from another.
class QueueReset : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { ranvik::prompts::clearQueues(); }
};

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QLocale::setDefault(QLocale::c());
    // Settings written by windows under test go to a folder of their own.
    static ranvik::test::TempDir configHome;
    setenv("XDG_CONFIG_HOME", configHome.path().c_str(), 1);
    // So are recovery copies and chart locks.
    static ranvik::test::TempDir stateHome;
    setenv("XDG_STATE_HOME", stateHome.path().c_str(), 1);
    // The program's own application object, so its event boundary is under test too.
    ranvik::Application app(argc, argv);
    ranvik::prompts::setStrict(true);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new QueueReset);
    return RUN_ALL_TESTS();
}
