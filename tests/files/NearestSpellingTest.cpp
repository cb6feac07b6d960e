// The spelling a chart file can hold, and the characters it cannot.

#include "files/NearestSpelling.h"
#include "files/Windows1252.h"

#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace ranvik;

namespace {

struct SpellingCase {
    const char* text;
    const char* nearest;
    std::vector<std::string> lost;
};

void PrintTo(const SpellingCase& c, std::ostream* os) {
    *os << "nearest: \"" << c.nearest << '"'; // the text itself may not be valid UTF-8
}

class NearestSpellingRows : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(NearestSpellingRows, GivesTextAChartFileHolds) {
    const SpellingCase& c = GetParam();
    const std::string nearest = NearestSpelling(c.text);
    EXPECT_EQ(nearest, c.nearest);
    EXPECT_TRUE(IsWindows1252Encodable(nearest));
    EXPECT_EQ(CharactersChartCannotHold(c.text), c.lost);
}

INSTANTIATE_TEST_SUITE_P(
    NearestSpelling, NearestSpellingRows,
    ::testing::Values(
        // Held as they are: Latin-1 letters and the Windows-1252 extras.
        SpellingCase{"Côté, Hélène", "Côté, Hélène", {}},
        SpellingCase{"Øystein Œuvray Šimek Ÿves", "Øystein Œuvray Šimek Ÿves", {}},
        // Latin Extended-A without a decomposition, and ones that have one.
        SpellingCase{"Łukaszewicz, Piotr", "Lukaszewicz, Piotr", {"Ł"}},
        SpellingCase{"łĐđıĦħŀĸ", "lDdiHhlk", {"ł", "Đ", "đ", "ı", "Ħ", "ħ", "ŀ", "ĸ"}},
        SpellingCase{"Erdős Čaputa Ğü", "Erdos Caputa Gü", {"ő", "Č", "Ğ"}},
        SpellingCase{"Ĳssel", "IJssel", {"Ĳ"}},
        // Combining accents: composed where Windows-1252 has the letter, dropped otherwise.
        SpellingCase{"Ce\xCC\x81line", "Céline", {"\xCC\x81"}},
        SpellingCase{"Y\xCC\x88 s\xCC\x8C", "Ÿ š", {"\xCC\x88", "\xCC\x8C"}},
        SpellingCase{"g\xCC\x81", "g", {"\xCC\x81"}},
        // Nothing near: a question mark for each character.
        SpellingCase{"李, 中平", "?, ??", {"李", "中", "平"}},
        SpellingCase{"Ann\xE2\x80\x91Marie", "Ann-Marie", {"\xE2\x80\x91"}},
        SpellingCase{"bad \xFF byte", "bad ? byte", {"\xEF\xBF\xBD"}}),
    [](const auto& info) { return test::ParamName(info.index, info.param.nearest); });

} // namespace
