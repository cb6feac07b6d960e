#include "RecoveryTestSupport.h"
#include "TestSupport.h"
#include "document/ScriptedPrompts.h"

#include "document/ChartDocument.h"
#include "files/ChartFile.h"
#include "files/FileWriter.h"
#include "support/DocumentPrinters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>

namespace ranvik::test {
namespace {

namespace fs = std::filesystem;

class DocumentRecoveryTest : public testing::Test {
  public: // the workflow rows below act on the fixture
    TempDir dir;
    std::string folder = dir.file("recovery");
    ScriptedPrompts prompts;
    std::unique_ptr<ChartDocument> document = std::make_unique<ChartDocument>(prompts);

    void SetUp() override {
        document->enableRecovery(folder);
        document->start();
    }
    void typeAndKeep(const std::string& name) {
        document->tournament().chart().setCell(1, 1, name);
        document->tournament().setModified(true);
        Message reason;
        ASSERT_TRUE(document->updateRecoveryCopy(reason)) << English(reason);
        ASSERT_TRUE(document->recovery()->hasCopy());
    }
    std::string savedChart(const std::string& name) {
        const std::string path = dir.file(name);
        WriteFile(path, "1\tZed\t\t\t\t\r\n2\tYann\t\t\t\t\r\n");
        return path;
    }
};

// Every way a chart stops being unsaved takes its copy away.
struct Settling {
    const char* name;
    std::function<void(DocumentRecoveryTest&)> act;
};

void PrintTo(const Settling& s, std::ostream* os) {
    *os << s.name;
}

class CopyGoesWhen : public DocumentRecoveryTest, public testing::WithParamInterface<Settling> {};

TEST_P(CopyGoesWhen, TheChartIsSettled) {
    typeAndKeep("Ada");
    GetParam().act(*this);
    bool copyLeft = false;
    if (fs::exists(folder)) {
        for (const auto& entry : fs::directory_iterator(folder))
            copyLeft = copyLeft || entry.path().extension() != ".lock";
    }
    EXPECT_FALSE(copyLeft);
    EXPECT_TRUE(prompts.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Workflows, CopyGoesWhen,
    testing::Values(Settling{"Save",
                             [](DocumentRecoveryTest& t) {
                                 t.prompts.files.push_back(t.dir.file("saved.tms"));
                                 EXPECT_EQ(t.document->save().outcome, Outcome::Done);
                             }},
                    Settling{"New",
                             [](DocumentRecoveryTest& t) {
                                 t.prompts.saveChanges.push_back(SaveChangesAnswer::Discard);
                                 EXPECT_EQ(t.document->newChart(), Outcome::Done);
                             }},
                    Settling{"Open",
                             [](DocumentRecoveryTest& t) {
                                 t.prompts.saveChanges.push_back(SaveChangesAnswer::Discard);
                                 t.prompts.types.emplace_back(TournamentType::Swiss);
                                 t.prompts.files.push_back(t.savedChart("other.tms"));
                                 EXPECT_EQ(t.document->open().outcome, Outcome::Done);
                             }},
                    Settling{"Exit", [](DocumentRecoveryTest& t) { t.document.reset(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentRecoveryTest, RestoresTypeCountsFileNameAndRatingSystem) {
    Tournament& t = document->tournament();
    t.setType(TournamentType::DoubleRoundRobin);
    t.setNumPlayers(5);
    document->setFileName(dir.file("spring6.tms"));
    document->setRatingSystem(RatingSystem::Active);
    t.chart().setCell(6, 2, "=");
    typeAndKeep("Ada");
    const std::string typed = EncodeChartFile(t.chart()).bytes;
    // The program dies: its copy outlives it as another program's.
    fs::copy(folder, dir.file("kept"), fs::copy_options::recursive);
    document.reset();
    for (const auto& entry : fs::directory_iterator(dir.file("kept"))) {
        std::string text = ReadFile(entry.path());
        if (const std::optional<RecoveryCopyText> copy = ParseRecoveryCopy(text)) {
            RecoveryDescription description = copy->description;
            description.writer = GoneProcess();
            text = EncodeRecoveryCopy(description, copy->chartBytes);
        }
        // Under another program's name, as a dead program's copy would be.
        WriteFile(fs::path(folder) / ("chart-dead" + entry.path().extension().string()), text);
    }

    ScriptedPrompts next;
    ChartDocument restarted(next);
    restarted.enableRecovery(folder);
    restarted.start();
    next.recoveryAnswers = {{RecoveryAnswer::Later, {}}};
    EXPECT_FALSE(restarted.offerRecoveryCopies());
    next.recoveryAnswers = {{RecoveryAnswer::Restore, {0}}};
    ASSERT_TRUE(restarted.offerRecoveryCopies());
    EXPECT_EQ(restarted.tournament().type(), TournamentType::DoubleRoundRobin);
    EXPECT_EQ(restarted.tournament().numPlayers(), 5);
    EXPECT_EQ(restarted.fileName(), dir.file("spring6.tms"));
    EXPECT_EQ(restarted.ratingSystem(), RatingSystem::Active);
    EXPECT_TRUE(restarted.isModified());
    EXPECT_EQ(EncodeChartFile(restarted.tournament().chart()).bytes, typed);
    // The restored chart is now this program's copy; the old one is gone.
    EXPECT_TRUE(restarted.recovery()->hasCopy());
    EXPECT_TRUE(restarted.recovery()->leftBehind().empty());
}

TEST_F(DocumentRecoveryTest, DiscardRemovesTheCopy) {
    typeAndKeep("Ada");
    RecoveryStore dead(folder, GoneProcess());
    Message reason;
    ASSERT_TRUE(dead.writeCopy(document->tournament(), "", std::nullopt, reason));
    prompts.recoveryAnswers = {{RecoveryAnswer::Discard, {0}}};
    EXPECT_FALSE(document->offerRecoveryCopies());
    EXPECT_TRUE(document->recovery()->leftBehind().empty());
}

// However many copies are left, one question lists them all; the answer acts on the chosen.
struct ManyCopies {
    const char* name;
    std::size_t copies;
    RecoveryChoice answer;
};

class LeftCopies : public DocumentRecoveryTest, public testing::WithParamInterface<ManyCopies> {};

TEST_P(LeftCopies, AreAskedAboutOnce) {
    const auto& [name, count, answer] = GetParam();
    const ProcessIdentity gone = GoneProcess();
    fs::create_directories(folder);
    for (std::size_t k = 0; k < count; ++k) {
        RecoveryDescription d;
        d.players = 2;
        d.chartFile = "/charts/" + std::to_string(k);
        d.savedAt = static_cast<std::int64_t>(k);
        d.writer = {gone.pid, gone.startTicks + k};
        WriteFile(fs::path(folder) / ("chart-" + std::to_string(k) + ".recovery"),
                  EncodeRecoveryCopy(d, "1\tAda\t\t\t\t\r\n2\tBo\t\t\t\t\r\n"));
    }
    prompts.recoveryAnswers = {answer};
    const bool restored = document->offerRecoveryCopies();
    ASSERT_EQ(prompts.recoveryLists.size(), 1U);
    EXPECT_EQ(prompts.recoveryLists[0].size(), count);
    EXPECT_EQ(restored, answer.answer == RecoveryAnswer::Restore);
    std::set<std::string> left;
    for (const LeftCopy& copy : document->recovery()->leftBehind())
        left.insert(copy.description.chartFile);
    EXPECT_EQ(left.size(), count - answer.chosen.size());
    for (const std::size_t chosen : answer.chosen)
        EXPECT_EQ(left.count(prompts.recoveryLists[0][chosen].chartFile), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, LeftCopies,
    testing::Values(ManyCopies{"TenThousandLater", 10000, {RecoveryAnswer::Later, {}}},
                    ManyCopies{"DiscardChosen", 300, {RecoveryAnswer::Discard, {0, 5, 299}}},
                    ManyCopies{"RestoreOneTheOthersWait", 300, {RecoveryAnswer::Restore, {7}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentRecoveryTest, AFailedWriteLosesNothing) {
    typeAndKeep("Ada");
    document->tournament().chart().setCell(1, 2, "Boris");
    const std::string chart = EncodeChartFile(document->tournament().chart()).bytes;
    InjectWriteFailure(WriteStep::Write);
    Message reason;
    EXPECT_FALSE(document->updateRecoveryCopy(reason));
    ClearInjectedWriteFailures();
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(document->recovery()->hasCopy()) << "the previous copy stands";
    EXPECT_TRUE(document->isModified());
    EXPECT_EQ(EncodeChartFile(document->tournament().chart()).bytes, chart);
    EXPECT_TRUE(document->updateRecoveryCopy(reason));
}

TEST_F(DocumentRecoveryTest, OpeningAChartAnotherProgramHoldsAsksFirst) {
    const std::string path = savedChart("held.tms");
    RecoveryStore other(folder, RunningProcess());
    other.holdChart(path);

    prompts.openHeldAnswers = {false};
    prompts.types = {TournamentType::Swiss};
    prompts.files = {path};
    EXPECT_EQ(document->open().outcome, Outcome::Cancelled);
    EXPECT_NE(document->tournament().chart().cell(1, 1), "Zed");

    prompts.openHeldAnswers = {true};
    prompts.types = {TournamentType::Swiss};
    EXPECT_EQ(document->openChosen(path).outcome, Outcome::Done);
    EXPECT_EQ(document->tournament().chart().cell(1, 1), "Zed");
    EXPECT_EQ(document->recovery()->heldChart(), path);
}

TEST_F(DocumentRecoveryTest, AStaleLockAsksNothing) {
    const std::string path = savedChart("stale.tms");
    fs::path lock;
    {
        RecoveryStore dead(folder, GoneProcess());
        dead.holdChart(path);
        // Left as a killed program leaves it: kept before the store cleans up.
        lock = fs::directory_iterator(folder)->path();
        fs::copy(lock, dir.file("lock"));
    }
    fs::copy(dir.file("lock"), lock);
    prompts.types = {TournamentType::Swiss};
    EXPECT_EQ(document->openChosen(path).outcome, Outcome::Done);
    EXPECT_TRUE(prompts.openHeldAnswers.empty());
}

} // namespace
} // namespace ranvik::test
