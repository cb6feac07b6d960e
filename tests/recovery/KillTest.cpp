// The program is killed outright (SIGKILL; TerminateProcess on Windows) after typing into its
// chart; the next start restores the chart from the recovery copy, cell for cell.

#include "TestProcess.h"
#include "TestSupport.h"
#include "TypedChart.h"

#include "chart/Tournament.h"
#include "files/ChartFile.h"
#include "recovery/RecoveryStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

// Built with the window only (RANVIK_WINDOW): the driver is the real window.
#ifdef RANVIK_RECOVERY_DRIVER

namespace ranvik::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The driver offscreen, with a home, settings and state of its own.
std::unique_ptr<TestProcess> StartDriver(const std::string& mode, const fs::path& scratch) {
    TestProcess::Options options;
    options.environment = {
        {"QT_QPA_PLATFORM", "offscreen"},
        {"LC_ALL", "C.UTF-8"},
        {"HOME", (scratch / "home").string()},
        {"XDG_CONFIG_HOME", (scratch / "config").string()},
        {"XDG_STATE_HOME", (scratch / "state").string()},
        {"XDG_RUNTIME_DIR", (scratch / "runtime").string()},
        {"APPDATA", (scratch / "config").string()},
        {"LOCALAPPDATA", (scratch / "state").string()},
    };
    for (const char* folder : {"home", "config", "state", "runtime"})
        fs::create_directories(scratch / folder);
    fs::permissions(scratch / "runtime", fs::perms::owner_all);
    return std::make_unique<TestProcess>(RANVIK_RECOVERY_DRIVER,
                                         std::vector<std::string>{mode, scratch.string()}, options);
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

// The copies a next start finds: a file still being written (staged under another name, the
// writer killed before its rename) is no copy, however complete its bytes look.
std::vector<fs::path> CopiesIn(const fs::path& folder) {
    std::vector<fs::path> copies;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".recovery")
            copies.push_back(entry.path());
    }
    return copies;
}

std::map<std::string, std::string> Facts(const std::string& text) {
    std::map<std::string, std::string> facts;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        facts[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    return facts;
}

TEST(KilledProgram, NextStartRestoresWhatWasTyped) {
    TempDir scratch;
    const fs::path recovery = scratch.path() / "state/ranvik/recovery";
    const fs::path expected = scratch.path() / "expected.tms";
    const auto typing = StartDriver("type", scratch.path());
    ASSERT_TRUE(typing->started());
    const bool typed = WaitUntil([&] { return fs::exists(expected); }, 60s);
    // The copy catches up with the last keystroke within its 2 seconds.
    const bool copied = typed && WaitUntil(
                                     [&] {
                                         for (const fs::path& copy : CopiesIn(recovery)) {
                                             const std::string bytes = ReadFile(copy);
                                             const auto read = ParseRecoveryCopy(bytes);
                                             if (read && read->chartBytes == ReadFile(expected))
                                                 return true;
                                         }
                                         return false;
                                     },
                                     30s);
    typing->kill();
    ASSERT_TRUE(typed) << "the driver never finished typing";
    ASSERT_TRUE(copied) << "no recovery copy of the typed chart";
    ASSERT_TRUE(typing->wasKilled());

    const auto restoring = StartDriver("restore", scratch.path());
    ASSERT_EQ(restoring->wait(120s), 0) << "6: the offer of the left copy never came";

    const std::string restoredBytes = ReadFile(scratch.path() / "restored.tms");
    EXPECT_EQ(restoredBytes, ReadFile(expected));
    Tournament restored;
    restored.setType(TournamentType::RoundRobin);
    ASSERT_TRUE(ReadChartFile(restored, restoredBytes).ok);
    for (const TypedCell& cell : TypedCells())
        EXPECT_EQ(restored.chart().cell(cell.col, cell.row), cell.text)
            << "line " << cell.row << " column " << cell.col;

    auto facts = Facts(ReadFile(scratch.path() / "restored.txt"));
    EXPECT_EQ(facts["type"], std::to_string(static_cast<int>(TournamentType::RoundRobin)));
    EXPECT_EQ(facts["players"], std::to_string(TypedPlayers));
    EXPECT_EQ(facts["file"], (scratch.path() / TypedChartName).string());
    EXPECT_EQ(facts["modified"], "1");
    EXPECT_EQ(facts["unexpected"], "0");
    const std::string question = ReadFile(scratch.path() / "question.txt");
    EXPECT_NE(question.find("Ranvik did not close normally. These charts were changed and not "
                            "saved."),
              std::string::npos)
        << question;
    EXPECT_NE(question.find(": spring6.tms, 4 players\n"), std::string::npos) << question;
    // The second run closed normally: no copy is left for a third, nor a file the killed
    // writer was staging.
    for (const auto& entry : fs::directory_iterator(recovery))
        EXPECT_EQ(entry.path().extension(), ".lock") << entry.path();
}

} // namespace
} // namespace ranvik::test

#endif
