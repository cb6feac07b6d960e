// Matching chart names with the membership fixture: accents, name order, punctuation,
// duplicates and NULL names, and what applying a match writes.

#include "members/NameMatch.h"
#include "FixtureDescription.h"
#include "chart/Tournament.h"
#include "support/Printers.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ranvik;
using namespace ranvik::test;

namespace {

TEST(NameMatchKey, IgnoresCaseAccentsPunctuationAndOrder) {
    EXPECT_EQ(NameMatchKey("Côté, Hélène"), "cote helene");
    EXPECT_EQ(NameMatchKey("HELENE COTE"), NameMatchKey("Côté, Hélène"));
    EXPECT_EQ(NameMatchKey("Marc André Leblanc"), NameMatchKey("LEBLANC, Marc-André"));
    EXPECT_EQ(NameMatchKey("Kathleen ONeil"), NameMatchKey("O'Neil, Kathleen"));
    EXPECT_EQ(NameMatchKey("  Luc de la Fontaine "), NameMatchKey("de la Fontaine, Luc"));
    EXPECT_NE(NameMatchKey("Smith, Ann"), NameMatchKey("Smi, Ann"));
    EXPECT_EQ(NameMatchKey(" , - "), "");
}

class NameMatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RANVIK_REQUIRE_TESTDATA();
        const std::string path = dir_.file("members.sqlite");
        WriteSqliteDatabase(path, ReadFixtureDescription(MembersDataDir() / "members.json"));
        auto db = OpenMemberDatabase(path);
        table_.emplace(LoadMemberTable(*db));
    }

    // A chart of the given (name, number) rows.
    static Tournament ChartOf(const std::vector<std::pair<std::string, std::string>>& rows) {
        Tournament tournament;
        tournament.layOutStartChart();
        tournament.setNumPlayers(static_cast<int>(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            tournament.chart().setCell(1, static_cast<int>(i + 1), rows[i].first);
            tournament.chart().setCell(2, static_cast<int>(i + 1), rows[i].second);
        }
        return tournament;
    }

    std::string NumberOf(std::size_t member) const {
        return table_->value(member, "NUMBER").value_or("NULL");
    }

    TempDir dir_;
    std::optional<MemberTable> table_;
};

struct LookupCase {
    const char* chartName;
    std::vector<std::string> numbers; // of the candidates, in table order
};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << '"' << c.chartName << '"';
}

class NameLookup : public NameMatchTest, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(NameLookup, FindsTheMembersOfThatName) {
    Tournament tournament = ChartOf({{GetParam().chartName, ""}});
    const auto matches = FindNameMatches(tournament.chart(), 2, *table_);
    ASSERT_EQ(matches.size(), 1u);
    std::vector<std::string> numbers;
    for (const std::size_t member : matches[0].candidates)
        numbers.push_back(NumberOf(member));
    EXPECT_EQ(numbers, GetParam().numbers);
}

INSTANTIATE_TEST_SUITE_P(
    NameMatch, NameLookup,
    ::testing::Values(LookupCase{"Helene Cote", {"100234"}}, LookupCase{"COTE, HÉLÈNE", {"100234"}},
                      LookupCase{"John Smith", {"101122", "101123"}},
                      LookupCase{"Piotr Lukaszewicz", {"102789"}},
                      LookupCase{"Marc-Andre LeBlanc", {"103377"}},
                      LookupCase{"Kathleen O Neil", {}}, // a split word is another name
                      LookupCase{"Émilie Bouchard", {"NULL"}}, LookupCase{"Smith", {}},
                      LookupCase{"李 中平", {"103010"}}),
    [](const auto& info) { return ParamName(info.index, info.param.chartName); });

TEST_F(NameMatchTest, OnlyLinesWithoutAValidNumberAreLookedUp) {
    Tournament tournament = ChartOf({{"Helene Cote", "100234"},
                                     {"Marc Gagnon", ""},
                                     {"Ian MacDonald", "10234"},
                                     {"", ""},
                                     {"Nobody, Known", "   "}});
    const auto matches = FindNameMatches(tournament.chart(), 5, *table_);
    ASSERT_EQ(matches.size(), 3u);
    EXPECT_EQ(matches[0].row, 2);
    EXPECT_FALSE(matches[0].numberFilled);
    EXPECT_EQ(matches[1].row, 3);
    EXPECT_TRUE(matches[1].numberFilled);
    EXPECT_EQ(matches[2].row, 5);
    EXPECT_FALSE(matches[2].numberFilled);
    EXPECT_TRUE(matches[2].candidates.empty());
}

TEST_F(NameMatchTest, ApplyFillsNameNumberAndRatingAndUndoes) {
    Tournament tournament = ChartOf({{"Jerome Levesque", ""},
                                     {"Piotr Lukaszewicz", ""},
                                     {"Marc Gagnon", "keep"},
                                     {"Emma Wilson", ""}});
    tournament.chart().setCell(3, 4, "1234");
    const auto matches = FindNameMatches(tournament.chart(), 4, *table_);
    std::vector<MatchChoice> choices;
    for (const LineMatch& match : matches)
        choices.push_back({match.row, match.candidates.at(0)});

    for (const RatingSystem system : {RatingSystem::Regular, RatingSystem::Active}) {
        const MatchApplied applied = ApplyNameMatches(tournament.chart(), *table_, choices, system);
        const Chart& chart = tournament.chart();
        const bool regular = system == RatingSystem::Regular;
        EXPECT_EQ(chart.cell(1, 1), "Lévesque, Jérôme");
        EXPECT_EQ(chart.cell(2, 1), "102345");
        EXPECT_EQ(chart.cell(3, 1), regular ? "unr." : "1480"); // NULL regular rating
        EXPECT_EQ(chart.cell(1, 2), "Lukaszewicz, Piotr");
        EXPECT_EQ(applied.respelled, std::vector<int>{2});
        EXPECT_EQ(chart.cell(1, 3), "Marc Gagnon"); // a filled number is never replaced
        EXPECT_EQ(chart.cell(2, 3), "keep");
        EXPECT_EQ(applied.skipped, std::vector<int>{3});
        EXPECT_EQ(chart.cell(3, 4), "0");

        UndoNameMatches(tournament.chart(), applied);
        EXPECT_EQ(chart.cell(1, 1), "Jerome Levesque");
        EXPECT_EQ(chart.cell(2, 1), "");
        EXPECT_EQ(chart.cell(3, 1), "");
        EXPECT_EQ(chart.cell(3, 4), "1234");
    }
}

TEST(NameMatchAccess, MatchesInTheAccessFixtureToo) {
    RANVIK_REQUIRE_TESTDATA();
    auto db = OpenMemberDatabase((MembersDataDir() / "QRBMembers.mde").string());
    const MemberTable table = LoadMemberTable(*db);
    Tournament tournament;
    tournament.layOutStartChart();
    tournament.chart().setCell(1, 1, "Jean-Francois Tremblay");
    const auto matches = FindNameMatches(tournament.chart(), 2, table);
    ASSERT_EQ(matches.size(), 1u);
    ASSERT_EQ(matches[0].candidates.size(), 1u);
    EXPECT_EQ(table.value(matches[0].candidates[0], "NUMBER"), "100587");
}

} // namespace
