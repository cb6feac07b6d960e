// A paste of hostile clipboard text: refused with the line, column and reason before anything
// changes, or taken whole. Quoted cells may carry TAB and line ends, which become blanks.

#include "ScriptedPrompts.h"

#include "chart/CellText.h"
#include "document/ChartDocument.h"
#include "files/ChartFile.h"

#include <gtest/gtest.h>

#include <string>

using namespace ranvik;
using ranvik::test::ScriptedPrompts;

namespace {

struct PasteCase {
    const char* name;
    std::string clipboard;
    const char* refusal; // empty when the paste is taken
    const char* name2;   // line 2's name afterwards, when taken
};

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t k = 0; k < times; ++k)
        out += piece;
    return out;
}

const PasteCase kCases[] = {
    {"Nul", std::string("Ada\t12\0 3\n", 10), "Line 1 column 2 holds a control character (U+0000).",
     ""},
    {"SubstituteOnLineTwo",
     "Ada\nB\x1A"
     "o\n",
     "Line 2 column 1 holds a control character (U+001A).", ""},
    {"ControlInsideQuotes", "Ada\n\"B\x01o\"\n",
     "Line 2 column 1 holds a control character (U+0001).", ""},
    {"TabAndLineEndInsideQuotesBecomeBlanks", "Ada\n\"Bo\tChen\nJr\"\n", "", "Bo Chen Jr"},
    {"CellOfAThousandAndOne", "Ada\n" + std::string(1001, 'x'),
     "Line 2 column 1 holds 1001 characters; a chart cell holds at most 1000.", ""},
    {"AThousandTwoByteCharacters", "Ada\n" + Repeat("\xC3\xA9", 1000), "", nullptr},
    {"TenMegabytesInOneCell", std::string(10 << 20, 'n'),
     "Line 1 column 1 holds 10485760 characters; a chart cell holds at most 1000.", ""},
    {"TenMegabytesOfLineEnds", std::string(10 << 20, '\n'),
     "The text has more than 1000 lines, but a chart holds at most 1000 players.", ""},
    {"AThousandLines", Repeat("a\n", 1000), "", "a"},
    {"LineWiderThanAnyChart", "Ada" + std::string(2004, '\t'),
     "Line 1 has more than 2004 cells, but the widest chart has 2004 columns.", ""},
};

class HostilePaste : public testing::TestWithParam<PasteCase> {};

TEST_P(HostilePaste, IsRefusedWithItsPlaceOrTakenWhole) {
    const PasteCase& c = GetParam();
    ScriptedPrompts prompts;
    ChartDocument document(prompts);
    document.start();
    document.tournament().chart().setCell(ChartColumn::Name, 1, "Kept");
    const std::string before = EncodeChartFile(document.tournament().chart()).bytes;
    const std::size_t steps = document.tournament().history().stepCount();

    const Outcome outcome = document.paste(ChartColumn::Name, 1, c.clipboard);
    if (*c.refusal != '\0') {
        EXPECT_EQ(outcome, Outcome::Failed);
        ASSERT_EQ(prompts.errors.size(), 1U);
        EXPECT_EQ(prompts.errors[0], std::string("Nothing was pasted: ") + c.refusal);
        EXPECT_EQ(EncodeChartFile(document.tournament().chart()).bytes, before);
        EXPECT_EQ(document.tournament().history().stepCount(), steps);
        return;
    }
    EXPECT_EQ(outcome, Outcome::Done);
    EXPECT_TRUE(prompts.errors.empty());
    const Chart& chart = document.tournament().chart();
    for (int r = 1; r < chart.rowCount(); ++r)
        EXPECT_EQ(CellTextFault(chart.cell(ChartColumn::Name, r)), "") << "line " << r;
    if (c.name2) {
        EXPECT_EQ(chart.cell(ChartColumn::Name, 2), c.name2);
    }
}

INSTANTIATE_TEST_SUITE_P(Clipboard, HostilePaste, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
