#pragma once
// Charts with results and a readable account of what the live check holds, for the tests
// of ChartProblems.

#include "ValidationTestSupport.h"
#include "validation/ChartProblems.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ranvik::test {

// A named chart with every game entered and consistent, the results varied so that lines
// score differently, every line a distinct six-digit membership number and a rating.
inline Tournament PlayedChart(TournamentType type, int players, int rounds = 1) {
    Tournament t = NamedChart(type, players, rounds);
    Chart& chart = t.chart();
    for (int r = 1; r <= players; ++r) {
        chart.setCell(ChartColumn::MemberNumber, r, std::to_string(100000 + r));
        chart.setCell(ChartColumn::Rating, r, std::to_string(1500 + (r * 37) % 100));
    }
    if (t.rules().columnsAreRounds()) {
        const char* pairs[][2] = {{"W", "L"}, {"D", "D"}, {"L", "W"}};
        for (int round = 0; round < rounds; ++round) {
            for (int a = 1; a + 1 <= players; a += 2) {
                const auto& pair = pairs[(a + round) % 3];
                const int col = ChartColumn::FirstResult + round;
                chart.setCell(col, a, pair[0] + std::to_string(a + 1));
                chart.setCell(col, a + 1, pair[1] + std::to_string(a));
            }
        }
        return t;
    }
    const int per = type == TournamentType::DoubleRoundRobin ? 2 : 1;
    const char* pairs[][2] = {{"1", "0"}, {"=", "="}, {"0", "1"}};
    for (int a = 1; a <= players; ++a) {
        for (int b = a + 1; b <= players; ++b) {
            for (int game = 0; game < per; ++game) {
                const auto& pair = pairs[(a + b + game) % 3];
                chart.setCell(ChartColumn::FirstResult + per * (b - 1) + game, a, pair[0]);
                chart.setCell(ChartColumn::FirstResult + per * (a - 1) + game, b, pair[1]);
            }
        }
    }
    return t;
}

inline std::string At(const ChartCell& cell) {
    return "(" + std::to_string(cell.col) + "," + std::to_string(cell.row) + ")";
}

// Everything the live check answers about the chart, one fact a line, each naming its
// rule and its cell.
inline std::vector<std::string> Describe(const Tournament& t, ChartProblems& problems) {
    std::vector<std::string> facts;
    for (const ChartProblem& p : problems.problems()) {
        facts.push_back("problem \"" + English(ValidationMessage(p.fault)) + "\" at " + At(p.cell) +
                        " with " + At(p.other) + ": " + English(p.text));
    }
    for (const Message& line : problems.validationLines())
        facts.push_back("validation would show " + English(line));
    for (const ChartWarning& w : problems.warnings())
        facts.push_back("warning " + std::to_string(static_cast<int>(w.kind)) + " " + At(w.cell) +
                        " " + English(w.text));
    for (int row = 1; row <= t.playerRows(); ++row) {
        facts.push_back("line " + std::to_string(row) + " points " +
                        std::to_string(problems.halfPoints(row)));
        for (int col = 0; col < t.chart().colCount(); ++col) {
            if (problems.isMarked(col, row))
                facts.push_back("marked " + At({col, row}) + " " +
                                English(problems.cellMessage(col, row)));
        }
    }
    facts.push_back("checked " + std::to_string(problems.checkedRows()) + " games " +
                    std::to_string(problems.gamesEntered()) + "/" +
                    std::to_string(problems.gamesExpected()));
    return facts;
}

// The first fact two lists of facts differ in, with both sides ("" when they agree): a
// failure then names the rule and the cell, not two whole lists.
inline std::vector<std::string> EnglishLines(const std::vector<Message>& messages) {
    std::vector<std::string> lines;
    for (const Message& message : messages)
        lines.push_back(English(message));
    return lines;
}

inline std::string FirstDifference(const std::vector<std::string>& got,
                                   const std::vector<std::string>& expected) {
    const auto [a, b] = std::mismatch(got.begin(), got.end(), expected.begin(), expected.end());
    if (a == got.end() && b == expected.end())
        return {};
    return "fact " + std::to_string(a - got.begin() + 1) + ": \"" +
           (a == got.end() ? "(none)" : *a) + "\" where \"" +
           (b == expected.end() ? "(none)" : *b) + "\" was expected";
}

} // namespace ranvik::test
