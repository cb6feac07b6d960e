// Test main for the GUI tests: offscreen, a pinned locale, and every dialog scripted.

#include "TestSupport.h"
#include "platform/ChildProcess.h"
#include "ui/Application.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace {

// Each test starts with no scripted answers, settings, recovery copies or locks left over
// from another, as it does when CTest runs it in a process of its own.
class FreshStart : public testing::EmptyTestEventListener {
  public:
    explicit FreshStart(std::vector<std::filesystem::path> folders)
        : folders_(std::move(folders)) {}

  private:
    void OnTestStart(const testing::TestInfo&) override {
        ranvik::prompts::clearQueues();
        for (const std::filesystem::path& folder : folders_) {
            std::error_code ignored;
            for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
                std::filesystem::remove_all(entry.path(), ignored);
        }
    }
    std::vector<std::filesystem::path> folders_;
};

} // namespace

int main(int argc, char** argv) {
    if (const auto status = ranvik::platform::ServeChild(argc, argv))
        return *status;
    if (!std::getenv("QT_QPA_PLATFORM"))
        ranvik::test::SetEnvironment("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    // Settings written by windows under test go to a folder of their own, and so do recovery
    // copies and chart locks.
    static ranvik::test::TempDir configHome;
    static ranvik::test::TempDir stateHome;
    ranvik::test::UseUserFolders(configHome.path(), stateHome.path());
    // The program's own application object, so its event boundary is under test too.
    ranvik::Application app(argc, argv);
    ranvik::prompts::setStrict(true);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(
        new FreshStart({configHome.path(), stateHome.path()}));
    return RUN_ALL_TESTS();
}
