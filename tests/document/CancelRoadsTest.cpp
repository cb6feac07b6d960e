// Every road that asks a question which can lose work, stopped at each of its steps: the
// chart keeps its cells, type, history, file name and modified mark, and no file is written.
// A save that fails or is refused keeps the name too. Then the modified mark after a report.

#include "ScriptedPrompts.h"

#include "document/ChartDocument.h"
#include "files/FileWriter.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <tuple>

using namespace ranvik;
using ranvik::test::FilesIn;
using ranvik::test::ReadFile;
using ranvik::test::ScriptedPrompts;
using ranvik::test::TempDir;

namespace {

namespace fs = std::filesystem;
using Type = TournamentType;
using Save = SaveChangesAnswer;

// What a cancelled road must leave as it was (the cells as the chart file holds them).
std::tuple<std::string, Type, std::size_t, std::string, bool> StateOf(const ChartDocument& d) {
    const Tournament& t = d.tournament();
    return {EncodeChartFile(t.chart()).bytes, t.type(), t.history().stepCount(), d.fileName(),
            d.isModified()};
}

enum class Road { Open, Recent, New, Close, SaveAs, Report };

Outcome Travel(Road road, ChartDocument& d, const TempDir& dir) {
    switch (road) {
    case Road::Open:
        return d.open().outcome;
    case Road::Recent:
        return d.openChosen(dir.file("rr.tms")).outcome;
    case Road::New:
        return d.newChart();
    case Road::Close:
        return d.mayClose() ? Outcome::Done : Outcome::Cancelled;
    case Road::SaveAs:
        return d.saveAs().outcome;
    case Road::Report:
        return d.createReport().outcome;
    }
    return Outcome::Done;
}

// The answers a road is given, as words: "cell TEXT" (written into line 1's name before the
// road), "file NAME" ("-" cancels the chooser), "type drr", "save yes|no|cancel",
// "rating regular|-", "date D" (the information, with this ending date), "organiser N",
// "fail" (the next write fails). A check list shown is cancelled.
void Answer(ChartDocument& d, ScriptedPrompts& p, const TempDir& dir, const std::string& script) {
    std::istringstream words(script);
    std::string what;
    std::string value;
    while (words >> what) {
        if (what == "fail") {
            InjectWriteFailure(WriteStep::Replace);
            continue;
        }
        words >> value;
        const bool none = value == "-";
        if (what == "file")
            p.files.push_back(none ? std::nullopt : std::optional(dir.file(value)));
        if (what == "type")
            p.types.push_back(none ? std::nullopt : std::optional(Type::DoubleRoundRobin));
        if (what == "save")
            p.saveChanges.push_back(value == "yes"  ? Save::Save
                                    : value == "no" ? Save::Discard
                                                    : Save::Cancel);
        if (what == "rating")
            p.ratingSystems.push_back(none ? std::nullopt : std::optional(RatingSystem::Regular));
        if (what == "date")
            p.info = TournamentInfo{"Open", "ON", "", value, "100200", ""};
        if (what == "organiser")
            p.info->organiserNumber = value;
        if (what == "cell")
            d.paste(1, 1, value);
    }
    p.acceptNumbers = false;
}

// Where a road stops: its answers, what it gives back, the questions it asked in order.
struct Stop {
    const char* name;
    Road road;
    const char* answers;
    Outcome outcome;
    const char* asked;
};

const Stop kStops[] = {
    {"OpenChooser", Road::Open, "file -", Outcome::Cancelled, "file to open"},
    {"OpenType", Road::Open, "file rr.tms type -", Outcome::Cancelled, "file to open|type 1"},
    {"OpenSaveQuestion", Road::Open, "file rr.tms type drr save cancel", Outcome::Cancelled,
     "file to open|type 1|Save changes to this chart?"},
    {"OpenSaveFails", Road::Open, "file rr.tms type drr save yes fail", Outcome::Cancelled,
     "file to open|type 1|Save changes to this chart?"},
    {"OpenNoChart", Road::Open, "file empty.tms type drr save no", Outcome::Failed,
     "file to open|type 0|Save changes to this chart?"},
    {"OpenFolder", Road::Open, "file folder.tms", Outcome::Failed, "file to open"},
    {"RecentType", Road::Recent, "type -", Outcome::Cancelled, "type 1"},
    {"NewSaveQuestion", Road::New, "save cancel", Outcome::Cancelled,
     "Save changes to this tournament?"},
    {"NewSaveFails", Road::New, "save yes fail", Outcome::Cancelled,
     "Save changes to this tournament?"},
    {"Close", Road::Close, "save cancel", Outcome::Cancelled, "Save changes to this chart?"},
    {"SaveAs", Road::SaveAs, "file -", Outcome::Cancelled, "file to save "},
    {"SaveAsFails", Road::SaveAs, "file club.tms fail", Outcome::Failed, "file to save "},
    {"SaveAsRefusesACharacter", Road::SaveAs, "cell \xC5\x81ukasz file club.tms", Outcome::Failed,
     "file to save "},
    {"ReportRatingSystem", Road::Report, "rating -", Outcome::Cancelled, "rating system"},
    {"ReportInformation", Road::Report, "rating regular", Outcome::Cancelled,
     "rating system|tournament information"},
    {"ReportCheckList", Road::Report, "rating regular date 2008/06/18 organiser 12345",
     Outcome::Cancelled, "rating system|tournament information|member numbers"},
    {"ReportFile", Road::Report, "rating regular date 2008/06/18 file -", Outcome::Cancelled,
     "rating system|tournament information|file to save 20080618-Open.qtr"},
    {"ReportNoSuchDay", Road::Report, "rating regular date 2025/02/30", Outcome::Failed,
     "rating system|tournament information"},
};

std::string Joined(const std::vector<std::string>& asked) {
    std::string out;
    for (const std::string& question : asked)
        out += (out.empty() ? "" : "|") + question;
    return out;
}

// Beside the chart's own file, a round robin chart, an empty file and a folder to open.
class CancelRoads : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteFile(dir.file("own.tms"), "1\tAnne Lee\t123456\t1500\tW2\t\r\n"
                                             "2\tBruno Diaz\t234567\t1400\tL1\t\r\n");
        test::WriteFile(dir.file("rr.tms"), "1\tAnn\t\t\tX\t1\t\r\n2\tBo\t\t\t0\tX\t\r\n");
        test::WriteFile(dir.file("empty.tms"), "");
        fs::create_directory(dir.file("folder.tms"));
        document.start();
        prompts.types = {Type::Swiss};
        ASSERT_EQ(document.openChosen(dir.file("own.tms")).outcome, Outcome::Done);
        // Modified, with two steps to undo.
        document.paste(3, 1, "1510");
        document.paste(3, 2, "1410");
        prompts.asked.clear();
    }
    void TearDown() override { ClearInjectedWriteFailures(); }

    TempDir dir;
    ScriptedPrompts prompts;
    ChartDocument document{prompts};
};

class CancelledAt : public CancelRoads, public ::testing::WithParamInterface<Stop> {};

} // namespace

TEST_P(CancelledAt, NothingChangesAndNothingIsWritten) {
    const Stop& stop = GetParam();
    Answer(document, prompts, dir, stop.answers);
    const auto before = StateOf(document);
    const std::set<std::string> files = FilesIn(dir.path());
    const std::string own = ReadFile(dir.file("own.tms"));

    EXPECT_EQ(Travel(stop.road, document, dir), stop.outcome);
    EXPECT_EQ(Joined(prompts.asked), stop.asked);
    EXPECT_TRUE(StateOf(document) == before);
    EXPECT_TRUE(std::get<bool>(before));
    EXPECT_EQ(FilesIn(dir.path()), files);
    EXPECT_EQ(ReadFile(dir.file("own.tms")), own);
}

INSTANTIATE_TEST_SUITE_P(EveryStop, CancelledAt, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return std::string(info.param.name); });

// A report marks the chart saved only when its chart file is the chart's own, by whatever
// name; the chart keeps its name either way.
TEST_F(CancelRoads, OnlyTheChartsOwnFileMarksItSaved) {
#ifdef _WIN32
    // Another name of the same file: Windows' names ignore case (a link needs an administrator).
    const char* const alias = "OWN.qtr";
#else
    fs::create_symlink(dir.file("own.tms"), dir.file("link.tms"));
    const char* const alias = "link.qtr";
#endif
    struct Report {
        const char* chart; // the chart's own file when the report is made
        const char* report;
        bool modified;
    };
    const Report reports[] = {{"own.tms", "other.qtr", true},
                              {"own.tms", "own.qtr", false},
                              {"own.tms", alias, false},
                              {"own.tms", "other.qtr", true},
                              {"Québec.tms", "Québec.qtr", false}};
    int rating = 1400;
    for (const auto& [chart, name, modified] : reports) {
        if (document.fileName() != dir.file(chart)) {
            ASSERT_EQ(document.saveTo(dir.file(chart)).outcome, Outcome::Done) << chart;
        }
        document.paste(3, 2, std::to_string(++rating));
        prompts.ratingSystems = {RatingSystem::Regular};
        prompts.info = TournamentInfo{"Open", "ON", "", "2008/06/18", "100200", ""};
        prompts.files = {dir.file(name)};
        ASSERT_EQ(document.createReport().outcome, Outcome::Done) << name;
        EXPECT_EQ(document.isModified(), modified) << name;
        EXPECT_EQ(document.fileName(), dir.file(chart));
    }
    EXPECT_NE(ReadFile(dir.file("own.tms")), ReadFile(dir.file("other.tms")));
}
