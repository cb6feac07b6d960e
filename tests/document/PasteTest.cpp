// Hostile clipboard text: refused with its place and reason before anything changes, or taken
// whole (a quoted cell's TAB and line ends become blanks).

#include "ScriptedPrompts.h"

#include "chart/CellText.h"
#include "document/ChartDocument.h"
#include "files/ChartFile.h"

#include <gtest/gtest.h>

using namespace ranvik;
using ranvik::test::ScriptedPrompts;

namespace {

struct PasteCase {
    const char* name;
    std::string clipboard;
    const char* refusal; // empty when the paste is taken
};

std::string Repeated(const char* piece, std::size_t count) {
    std::string text;
    for (std::size_t k = 0; k < count; ++k)
        text += piece;
    return text;
}

const PasteCase kCases[] = {
    {"Nul", std::string("Ada\t12\0 3\n", 10),
     "Line 1 column 2 holds a control character (U+0000)."},
    {"SubstituteOnLineTwo", "Ada\nB\x1Ao\n", "Line 2 column 1 holds a control character (U+001A)."},
    {"ControlInQuotes", "Ada\n\"B\x01o\"\n", "Line 2 column 1 holds a control character (U+0001)."},
    {"TabAndLineEndInQuotes", "Ada\n\"Bo\tChen\nJr\"\n", ""},
    {"CellOf1001", std::string(1001, 'x'),
     "Line 1 column 1 holds 1001 characters; a chart cell holds at most 1000."},
    {"CellOf1000TwoByteCharacters", Repeated("\xC3\xA9", 1000), ""},
    {"TenMegabytesInOneCell", std::string(10 << 20, 'n'),
     "Line 1 column 1 holds 10485760 characters; a chart cell holds at most 1000."},
    {"TenMegabytesOfLineEnds", std::string(10 << 20, '\n'),
     "The text has more than 1000 lines, but a chart holds at most 1000 players."},
    {"AThousandLines", Repeated("\xC3\xA9\n", 1000), ""},
    {"LineWiderThanAnyChart", std::string(2004, '\t'),
     "Line 1 has more than 2004 cells, but the widest chart has 2004 columns."},
};

class HostilePaste : public testing::TestWithParam<PasteCase> {};

TEST_P(HostilePaste, IsRefusedWithItsPlaceOrTakenWhole) {
    const PasteCase& c = GetParam();
    ScriptedPrompts prompts;
    ChartDocument document(prompts);
    document.start();
    Tournament& t = document.tournament();
    t.chart().setCell(ChartColumn::Name, 1, "Kept");
    const std::string before = EncodeChartFile(t.chart()).bytes;
    const std::size_t steps = t.history().stepCount();
    const bool refused = *c.refusal != '\0';
    EXPECT_EQ(document.paste(ChartColumn::Name, 1, c.clipboard),
              refused ? Outcome::Failed : Outcome::Done);
    if (refused) {
        EXPECT_EQ(prompts.errors,
                  std::vector<std::string>{"Nothing was pasted: " + std::string(c.refusal)});
        EXPECT_EQ(EncodeChartFile(t.chart()).bytes, before);
        EXPECT_EQ(t.history().stepCount(), steps);
    }
    for (int r = 1; r < t.chart().rowCount(); ++r)
        EXPECT_EQ(CellTextFault(t.chart().cell(ChartColumn::Name, r)), "") << "line " << r;
}

INSTANTIATE_TEST_SUITE_P(Clipboard, HostilePaste, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
