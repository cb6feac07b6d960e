// Round robin cells read from a chart file in lower case score and check exactly as their
// upper-case letters do: a file typed elsewhere need not use the program's capitals.

#include "ReportTestSupport.h"

#include "files/ChartFile.h"
#include "validation/Validation.h"

#include <gtest/gtest.h>

using namespace ranvik;
using ranvik::test::SpringOpen;

namespace {

struct LetterCase {
    const char* lower;
    const char* upper;
    const char* mirror; // the opponent's cell of the same game
};

// A three-player round robin whose first game carries `mine` for line 1, `theirs` for line 2.
std::string ChartFileWith(const std::string& mine, const std::string& theirs) {
    return "1\tAnne\t100001\t1500\tX\t" + mine + "\t1\t\r\n" + "2\tBruno\t100002\t1500\t" + theirs +
           "\tX\t=\t\r\n" + "3\tCarla\t100003\t1500\t0\t=\tX\t\r\n";
}

Tournament Read(const std::string& bytes) {
    Tournament t;
    t.layOutStartChart();
    t.setType(TournamentType::RoundRobin);
    const ChartReadOutcome read = ReadChartFile(t, bytes);
    EXPECT_TRUE(read.ok) << English(read.message);
    return t;
}

void PrintTo(const LetterCase& c, std::ostream* os) {
    *os << '"' << c.lower << "\" against \"" << c.mirror << '"';
}

class RoundRobinLetters : public ::testing::TestWithParam<LetterCase> {};

} // namespace

TEST_P(RoundRobinLetters, LowerCaseScoresAndChecksAsUpperCase) {
    const LetterCase& letters = GetParam();
    Tournament lower = Read(ChartFileWith(letters.lower, letters.mirror));
    Tournament upper = Read(ChartFileWith(letters.upper, letters.mirror));

    EXPECT_TRUE(Validate(lower, nullptr).passed()) << letters.lower;
    EXPECT_TRUE(Validate(upper, nullptr).passed()) << letters.upper;
    const auto lowerLines = BuildReportLines(lower, RatingSystem::Regular, SpringOpen());
    const auto upperLines = BuildReportLines(upper, RatingSystem::Regular, SpringOpen());
    ASSERT_EQ(lowerLines.size(), upperLines.size());
    // Line 1's score is the last line of its block (header, number, three cells, score).
    EXPECT_EQ(lowerLines[5], upperLines[5]) << letters.lower;
    EXPECT_NE(lowerLines[5], R"("1.0")") << "the game was not counted for " << letters.lower;
}

INSTANTIATE_TEST_SUITE_P(ResultLetters, RoundRobinLetters,
                         ::testing::Values(LetterCase{"w", "W", "0"}, LetterCase{"g", "G", "0"},
                                           LetterCase{"e", "E", "="}, LetterCase{"d", "D", "="}),
                         [](const auto& info) { return std::string(info.param.lower); });
