// Each export of two small events against its golden file in tests/standings/golden. Run
// with RANVIK_UPDATE_GOLDEN=1 to write the files afresh (then read the diff).

#include "StandingsTestSupport.h"
#include "standings/StandingsDocument.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace ranvik;
using namespace ranvik::test;

namespace {

const std::filesystem::path kGolden =
    std::filesystem::path(RANVIK_SOURCE_DIR) / "tests" / "standings" / "golden";

// Six players, four rounds: accented names, a bye, a half-point bye, a forfeit, a name with
// a comma and a quote for the CSV.
Tournament SwissEvent() {
    Tournament t = MakeChart(TournamentType::Swiss, {{"Éloïse Bérubé", "W4", "W3", "D2", "W5"},
                                                     {"Zoë O'Neil", "W5", "D6", "D1", "W3"},
                                                     {"Brandt, \"Kai\"", "W6", "L1", "W4", "L2"},
                                                     {"Søren Ægir", "L1", "X5", "L3", "H"},
                                                     {"Ana Muñoz", "L2", "F4", "W6", "L1"},
                                                     {"Jörg Łukasz", "L3", "D2", "L5", "B"}});
    for (int line = 1; line <= 6; ++line)
        t.chart().setCell(2, line, std::to_string(100000 + line));
    return t;
}

Tournament DoubleEvent() {
    return MakeChart(TournamentType::DoubleRoundRobin, {{"Émile", "X", "X", "1", "=", "0", "1"},
                                                        {"Ngozi", "0", "=", "X", "X", "1", ""},
                                                        {"Çağla", "1", "0", "0", "", "X", "X"}});
}

StandingsDocument DocumentOf(const Tournament& tournament, bool withInfo) {
    const ChartGames games = ReadChartGames(tournament);
    const Standings standings =
        ComputeStandings(tournament, games, DefaultTieBreaks(tournament.type()));
    DocumentHeading heading;
    heading.date = "2024-05-18";
    if (withInfo) {
        heading.info = TournamentInfo{};
        heading.info->name = "Spring Open <A & B>";
        heading.info->province = "QC";
        heading.info->endDate = "2024/05/18";
    }
    return BuildStandingsDocument(games, standings, heading);
}

void ExpectGolden(const std::string& name, const std::string& actual) {
    const std::filesystem::path path = kGolden / name;
    if (std::getenv("RANVIK_UPDATE_GOLDEN"))
        WriteFile(path, actual);
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing";
    EXPECT_EQ(ReadFile(path), actual) << "differs from " << path;
}

// Runs a command and gives its standard output; nothing when it failed.
std::optional<std::string> Capture(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    return pclose(pipe) == 0 ? std::optional(out) : std::nullopt;
}

bool HaveTool(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t found = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++found;
    return found;
}

struct PdfText {
    int pages = 0;
    std::string text;
};

PdfText ReadPdf(const std::string& path) {
    PdfText pdf;
    const auto info = Capture("pdfinfo '" + path + "'");
    if (info) {
        const std::size_t at = info->find("Pages:");
        if (at != std::string::npos)
            pdf.pages = std::atoi(info->c_str() + at + 6);
    }
    pdf.text = Capture("pdftotext -layout -enc UTF-8 '" + path + "' -").value_or("");
    return pdf;
}

TEST(StandingsExport, TextCsvAndHtmlMatchTheirGoldenFiles) {
    const Tournament swiss = SwissEvent();
    const StandingsDocument document = DocumentOf(swiss, true);
    ExpectGolden("swiss.txt", StandingsText(document));
    ExpectGolden("swiss.html", StandingsHtml(document));
    ExpectGolden("swiss.csv",
                 StandingsCsv(ComputeStandings(swiss, DefaultTieBreaks(swiss.type()))));

    const Tournament twice = DoubleEvent();
    const StandingsDocument doubleDocument = DocumentOf(twice, false);
    ExpectGolden("double.txt", StandingsText(doubleDocument));
    ExpectGolden("double.html", StandingsHtml(doubleDocument));
}

// Names a spreadsheet would run as formulas, and bytes no page may hold (a form feed, the old
// end-of-file mark, invalid UTF-8) as a command line's --name or a database could give them.
Tournament HostileEvent() {
    return MakeChart(TournamentType::Swiss, {{"=HYPERLINK(\"http://x\",\"y\")", "W2"},
                                             {"+1", "L1"},
                                             {"-2+3", "W4"},
                                             {"@SUM(A1)", "L3"},
                                             {"Ann\f\x1A\xC3(\xFF", ""}});
}

TEST(StandingsExport, CsvWritesFormulasAsText) {
    const Tournament t = HostileEvent();
    const std::string csv = StandingsCsv(ComputeStandings(t, DefaultTieBreaks(t.type())));
    for (const char* cell :
         {",\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",", ",'+1,", ",'-2+3,", ",'@SUM(A1),"})
        EXPECT_NE(csv.find(cell), std::string::npos) << cell << " in\n" << csv;
}

TEST(StandingsExport, HtmlIsWellFormed) {
    if (!HaveTool("python3"))
        GTEST_SKIP() << "python3 not found; cannot parse the HTML";
    TempDir dir;
    for (const Tournament& t : {SwissEvent(), DoubleEvent(), HostileEvent()}) {
        const std::string path = dir.file("page.html");
        StandingsDocument document = DocumentOf(t, true);
        document.title =
            Message(MessageKind::StandingsEventName, {"Open\x01\x7F\xEF\xBF\xBE\xE2\x82"});
        WriteFile(path, StandingsHtml(document));
        EXPECT_TRUE(Capture("python3 -c 'import sys, xml.dom.minidom; "
                            "xml.dom.minidom.parse(sys.argv[1])' '" +
                            path + "' 2>&1"))
            << "not well-formed: " << ReadFile(path);
    }
}

TEST(StandingsExport, PdfTextMatchesItsGoldenFile) {
    if (!HaveTool("pdftotext") || !HaveTool("pdfinfo"))
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) not installed";
    TempDir dir;
    const PdfOutcome pdf = StandingsPdf(DocumentOf(SwissEvent(), true), PaperSize::A4);
    ASSERT_TRUE(pdf.ok) << pdf.message;
    EXPECT_EQ(pdf.bytes.rfind("%PDF-", 0), 0u);
    WriteFile(dir.file("swiss.pdf"), pdf.bytes);
    const PdfText read = ReadPdf(dir.file("swiss.pdf"));
    EXPECT_EQ(read.pages, 1);
    ExpectGolden("swiss.pdf.txt", read.text);
}

TEST(StandingsExport, LongListsRunOverPagesWithTheirHeadingRepeated) {
    if (!HaveTool("pdftotext") || !HaveTool("pdfinfo"))
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) not installed";
    // 150 players paired 1-2, 3-4, ... in one round.
    std::vector<std::vector<std::string>> rows;
    for (int line = 1; line <= 150; ++line) {
        const int opponent = line % 2 ? line + 1 : line - 1;
        rows.push_back(
            {"Player Ñ" + std::to_string(line), (line % 2 ? "W" : "L") + std::to_string(opponent)});
    }
    const Tournament big = MakeChart(TournamentType::Swiss, rows);
    TempDir dir;
    for (const PaperSize paper : {PaperSize::A4, PaperSize::Letter}) {
        const PdfOutcome pdf = StandingsPdf(DocumentOf(big, false), paper);
        ASSERT_TRUE(pdf.ok) << pdf.message;
        WriteFile(dir.file("big.pdf"), pdf.bytes);
        const PdfText read = ReadPdf(dir.file("big.pdf"));
        EXPECT_GE(read.pages, 4); // two tables of 150 rows at about 60 rows a page
        for (int line = 1; line <= 150; ++line)
            EXPECT_NE(read.text.find("Player Ñ" + std::to_string(line) + " "), std::string::npos)
                << line;
        EXPECT_GE(Count(read.text, "Rank"), static_cast<std::size_t>(read.pages));
        EXPECT_NE(read.text.find("page " + std::to_string(read.pages)), std::string::npos);
    }
}

// A 600-character name and a round robin of 100 players: nothing is cut, the wide table is
// split with its key columns repeated.
TEST(StandingsExport, WideTablesWrapAndSplitWithNothingCut) {
    if (!HaveTool("pdftotext") || !HaveTool("pdfinfo"))
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) not installed";
    std::string longName;
    for (int word = 100; word < 200; ++word)
        longName += "w" + std::to_string(word) + "x ";
    std::vector<std::vector<std::string>> rows;
    for (int line = 1; line <= 100; ++line) {
        rows.push_back({line == 7 ? longName : "Player " + std::to_string(line)});
        for (int opponent = 1; opponent <= 100; ++opponent)
            rows.back().push_back(opponent == line ? "X" : (opponent < line ? "1" : "0"));
    }
    TempDir dir;
    WriteFile(
        dir.file("wide.pdf"),
        StandingsPdf(DocumentOf(MakeChart(TournamentType::RoundRobin, rows), false), PaperSize::A4)
            .bytes);
    const std::string text = ReadPdf(dir.file("wide.pdf")).text;
    for (int word = 100; word < 200; ++word)
        EXPECT_NE(text.find("w" + std::to_string(word) + "x"), std::string::npos) << word;
    EXPECT_EQ(Count(text, "\u00d7"), 100u); // each player's own cell, in whichever band
    EXPECT_GE(Count(text, "Cross-table (continued)"), 1u);
    // The key columns come back in every band: line 100's name once per band and table.
    EXPECT_EQ(Count(text, "Player 100 "), Count(text, "Cross-table") + 1);
}

} // namespace

// The heading names the event, where and when it ended, its type, its players and its rounds,
// whichever of them the report dialog holds, in the files' English.
TEST(StandingsExport, HeadingSaysWhatTheReportDialogHolds) {
    const Tournament swissOne = MakeChart(TournamentType::Swiss, {{"A", "D2"}, {"B", "D1"}});
    const Tournament swissThree =
        MakeChart(TournamentType::Swiss, {{"A", "W2", "L2", "D2"}, {"B", "L1", "W1", "D1"}});
    const Tournament single =
        MakeChart(TournamentType::RoundRobin,
                  {{"A", "X", "1", "0"}, {"B", "0", "X", "1"}, {"C", "1", "0", "X"}});
    const Tournament twice = DoubleEvent();
    const struct {
        const Tournament* tournament;
        std::string name, province, endDate; // none of them: no report dialog
        std::string lines;                   // the title, then the lines above the tie-breaks
    } rows[] = {
        {&swissOne, "", "", "", "Standings|Swiss, 2 players, 1 round"},
        {&swissThree, "Open", "QC", "", "Open|QC|Swiss, 2 players, 3 rounds"},
        {&single, "", "", "2024/05/18", "Standings|ending 2024/05/18|Round robin, 3 players"},
        {&twice, "", "ON", "2024/05/18",
         "Standings|ON, ending 2024/05/18|Double round robin, 3 players"},
    };
    for (const auto& row : rows) {
        const Tournament& t = *row.tournament;
        const ChartGames games = ReadChartGames(t);
        DocumentHeading heading;
        if (!(row.name + row.province + row.endDate).empty())
            heading.info = TournamentInfo{row.name, row.province, "", row.endDate, "", ""};
        const StandingsDocument document = StandingsHeading(
            games, ComputeStandings(t, games, DefaultTieBreaks(t.type())), heading);
        std::string lines = English(document.title);
        for (std::size_t i = 0; i + 1 < document.headingLines.size(); ++i)
            lines += "|" + English(document.headingLines[i]);
        EXPECT_EQ(lines, row.lines);
    }
}
