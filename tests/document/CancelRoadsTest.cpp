// Every road that asks a question which can lose work, stopped at each of its steps: the
// chart keeps its cells, type, history, file name and modified mark, and no file is written.
// Then the modified mark after a report and after a first save that did not happen.

#include "ScriptedPrompts.h"

#include "document/ChartDocument.h"
#include "files/FileWriter.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

using namespace ranvik;
using ranvik::test::ReadFile;
using ranvik::test::ScriptedPrompts;
using ranvik::test::TempDir;
using ranvik::test::WriteFile;

namespace {

namespace fs = std::filesystem;

struct DocumentState {
    std::string cells; // every visible cell, as the chart file holds them
    TournamentType type;
    std::size_t steps;
    std::string fileName;
    bool modified;
    bool operator==(const DocumentState&) const = default;
};

DocumentState StateOf(const ChartDocument& document) {
    const Tournament& t = document.tournament();
    return {EncodeChartFile(t.chart()).bytes, t.type(), t.history().stepCount(),
            document.fileName(), document.isModified()};
}

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TournamentInfo Info() {
    return {"Spring Open", "ON", "", "2008/06/18", "100200", ""};
}

// Beside the chart's own file, a round robin chart, an empty file and a folder to open.
class CancelRoads : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFile(dir.file("own.tms"), "1\tAnne Lee\t123456\t1500\tW2\t\r\n"
                                       "2\tBruno Diaz\t234567\t1400\tL1\t\r\n");
        WriteFile(dir.file("rr.tms"), "1\tAnn\t111111\t1500\tX\t1\t\r\n"
                                      "2\tBo\t222222\t1400\t0\tX\t\r\n");
        WriteFile(dir.file("empty.tms"), "");
        fs::create_directory(dir.file("folder.tms"));
    }
    void TearDown() override { ClearInjectedWriteFailures(); }

    // The chart's own file opened as Swiss, then two edits: modified, two steps to undo.
    void prepare(ChartDocument& document, ScriptedPrompts& prompts) const {
        document.start();
        prompts.types = {TournamentType::Swiss};
        ASSERT_EQ(document.openChosen(dir.file("own.tms")).outcome, Outcome::Done);
        document.paste(3, 1, "1510");
        document.paste(3, 2, "1410");
        prompts.asked.clear();
        prompts.suggestedTypes.clear();
    }

    TempDir dir;
};

std::string Said(Outcome outcome) {
    switch (outcome) {
    case Outcome::Done:
        return "done";
    case Outcome::Cancelled:
        return "cancelled";
    case Outcome::Failed:
        return "failed";
    }
    return "?";
}

std::string Said(const ReportResult& report) {
    using F = ReportResult::Failure;
    return "report " + Said(report.outcome) + (report.failure == F::Info ? ", information" : "");
}

} // namespace

TEST_F(CancelRoads, EachQuestionCancelledChangesNothingAndWritesNothing) {
    using Type = TournamentType;
    const std::string saveChart = "Save changes to this chart?";
    struct Road {
        const char* name;
        std::function<void(ScriptedPrompts&, const TempDir&)> answers;
        std::function<std::string(ChartDocument&, const TempDir&)> run;
        std::string outcome;
        std::vector<std::string> asked;
    };
    const auto open = [](ChartDocument& d, const TempDir&) { return Said(d.open().outcome); };
    const auto report = [](ChartDocument& d, const TempDir&) { return Said(d.createReport()); };
    const Road roads[] = {
        {"Open, the file chooser",
         [](auto& p, auto&) { p.files = {std::nullopt}; },
         open,
         "cancelled",
         {"file to open"}},
        {"Open, the type",
         [](auto& p, auto& d) {
             p.files = {d.file("rr.tms")};
             p.types = {std::nullopt};
         },
         open,
         "cancelled",
         {"file to open", "type"}},
        {"Open, the save question",
         [](auto& p, auto& d) {
             p.files = {d.file("rr.tms")};
             p.types = {Type::RoundRobin};
             p.saveChanges = {SaveChangesAnswer::Cancel};
         },
         open,
         "cancelled",
         {"file to open", "type", saveChart}},
        {"Open, a save that fails",
         [](auto& p, auto& d) {
             p.files = {d.file("rr.tms")};
             p.types = {Type::RoundRobin};
             p.saveChanges = {SaveChangesAnswer::Save};
             InjectWriteFailure(WriteStep::Replace);
         },
         open,
         "cancelled",
         {"file to open", "type", saveChart}},
        {"Open, a file that is no chart",
         [](auto& p, auto& d) {
             p.files = {d.file("empty.tms")};
             p.types = {Type::DoubleRoundRobin};
             p.saveChanges = {SaveChangesAnswer::Discard};
         },
         open,
         "failed",
         {"file to open", "type", saveChart}},
        {"Open, a folder",
         [](auto& p, auto& d) { p.files = {d.file("folder.tms")}; },
         open,
         "failed",
         {"file to open"}},
        {"Open recent, the type",
         [](auto& p, auto&) { p.types = {std::nullopt}; },
         [](ChartDocument& d, const TempDir& t) {
             return Said(d.openChosen(t.file("rr.tms")).outcome);
         },
         "cancelled",
         {"type"}},
        {"New, the save question",
         [](auto& p, auto&) { p.saveChanges = {SaveChangesAnswer::Cancel}; },
         [](ChartDocument& d, const TempDir&) { return Said(d.newChart()); },
         "cancelled",
         {"Save changes to this tournament?"}},
        {"New, a save that fails",
         [](auto& p, auto&) {
             p.saveChanges = {SaveChangesAnswer::Save};
             InjectWriteFailure(WriteStep::Write);
         },
         [](ChartDocument& d, const TempDir&) { return Said(d.newChart()); },
         "cancelled",
         {"Save changes to this tournament?"}},
        {"Close, the save question",
         [](auto& p, auto&) { p.saveChanges = {SaveChangesAnswer::Cancel}; },
         [](ChartDocument& d, const TempDir&) { return d.mayClose() ? "closes" : "stays"; },
         "stays",
         {saveChart}},
        {"Save as, the file chooser",
         [](auto& p, auto&) { p.files = {std::nullopt}; },
         [](ChartDocument& d, const TempDir&) { return Said(d.saveAs().outcome); },
         "cancelled",
         {"file to save "}},
        {"Report, the rating system",
         [](auto& p, auto&) { p.ratingSystems = {std::nullopt}; },
         report,
         "report cancelled",
         {"rating system"}},
        {"Report, the information",
         [](auto& p, auto&) { p.ratingSystems = {RatingSystem::Regular}; },
         report,
         "report cancelled",
         {"rating system", "tournament information"}},
        {"Report, the check list",
         [](auto& p, auto&) {
             p.ratingSystems = {RatingSystem::Regular};
             p.info = Info();
             p.info->organiserNumber = "12345";
             p.acceptNumbers = false;
         },
         report,
         "report cancelled",
         {"rating system", "tournament information", "member numbers"}},
        {"Report, the file chooser",
         [](auto& p, auto&) {
             p.ratingSystems = {RatingSystem::Regular};
             p.info = Info();
             p.files = {std::nullopt};
         },
         report,
         "report cancelled",
         {"rating system", "tournament information", "file to save 20080618-Spring Open.qtr"}},
        {"Report, a day the calendar lacks",
         [](auto& p, auto&) {
             p.ratingSystems = {RatingSystem::Regular};
             p.info = Info();
             p.info->endDate = "2025/02/30";
         },
         report,
         "report failed, information",
         {"rating system", "tournament information"}},
    };
    const std::string own = ReadFile(dir.file("own.tms"));
    const std::set<std::string> files = FilesIn(dir.path());
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        ScriptedPrompts prompts;
        ChartDocument document{prompts};
        prepare(document, prompts);
        const DocumentState before = StateOf(document);
        ASSERT_TRUE(before.modified);
        ASSERT_EQ(before.steps, 2u);
        road.answers(prompts, dir);
        EXPECT_EQ(road.run(document, dir), road.outcome);
        ClearInjectedWriteFailures();
        EXPECT_EQ(prompts.asked, road.asked);
        EXPECT_TRUE(StateOf(document) == before);
        EXPECT_EQ(document.tournament().chart().cell(ChartColumn::Rating, 2), "1410");
        EXPECT_EQ(FilesIn(dir.path()), files);
        EXPECT_EQ(ReadFile(dir.file("own.tms")), own);
    }
}

// The type question proposes what the file's shape suggests; the answer, not the proposal,
// decides.
TEST_F(CancelRoads, OpenProposesTheShapesTypeAndReadsUnderTheAnswer) {
    ScriptedPrompts prompts;
    ChartDocument document{prompts};
    prepare(document, prompts);
    prompts.files = {dir.file("rr.tms")};
    prompts.types = {TournamentType::RoundRobin};
    prompts.saveChanges = {SaveChangesAnswer::Discard};
    ASSERT_EQ(document.open().outcome, Outcome::Done);
    EXPECT_EQ(prompts.suggestedTypes, std::vector<TournamentType>{TournamentType::RoundRobin});
    EXPECT_EQ(document.tournament().type(), TournamentType::RoundRobin);
    EXPECT_EQ(document.fileName(), dir.file("rr.tms"));
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.tournament().history().stepCount(), 0u);
}

// A report clears the modified mark only when the chart file beside it is the chart's own
// file, by whatever name; a first save that did not happen leaves the chart unnamed.
TEST_F(CancelRoads, OnlyTheChartsOwnFileMarksItSaved) {
    ScriptedPrompts prompts;
    ChartDocument document{prompts};
    prepare(document, prompts);
    fs::create_symlink(dir.file("own.tms"), dir.file("link.tms"));
    const std::pair<const char*, bool> reports[] = {
        {"other.qtr", true}, {"own.qtr", false}, {"link.qtr", false}, {"other.qtr", true}};
    int rating = 1400;
    for (const auto& [name, staysModified] : reports) {
        SCOPED_TRACE(name);
        document.paste(3, 2, std::to_string(++rating));
        prompts.ratingSystems = {RatingSystem::Regular};
        prompts.info = Info();
        prompts.files = {dir.file(name)};
        ASSERT_EQ(document.createReport().outcome, Outcome::Done);
        EXPECT_EQ(document.isModified(), staysModified);
        EXPECT_EQ(document.fileName(), dir.file("own.tms"));
    }
    // The last report's chart file holds what the chart's own file does not.
    EXPECT_NE(ReadFile(dir.file("own.tms")), ReadFile(dir.file("other.tms")));
}

TEST(FirstSave, ACancelledOrFailedFirstSaveLeavesTheChartUnnamed) {
    const struct {
        const char* name;
        const char* cell;
        std::optional<WriteStep> failure;
        bool chosen;
    } cases[] = {
        {"chooser cancelled", "Anne", std::nullopt, false},
        {"write fails", "Anne", WriteStep::Replace, true},
        {"a character the file cannot hold", "\xC5\x81ukasz", std::nullopt, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ScriptedPrompts prompts;
        ChartDocument document{prompts};
        document.start();
        document.paste(1, 2, c.cell);
        if (c.failure)
            InjectWriteFailure(*c.failure);
        prompts.files = {c.chosen ? std::optional(dir.file("club")) : std::nullopt};
        EXPECT_NE(document.save().outcome, Outcome::Done);
        ClearInjectedWriteFailures();
        EXPECT_EQ(document.fileName(), "");
        EXPECT_TRUE(document.isModified());
        EXPECT_TRUE(fs::is_empty(dir.path()));
        EXPECT_EQ(prompts.errors.size(), c.chosen ? 1u : 0u);
    }
}
