#include "chart/ChartRules.h"

#include "chart/Chart.h"
#include "chart/ResultNotation.h"

namespace ranvik {

namespace {

class SwissRules final : public ChartRules {
  public:
    TournamentType type() const override { return TournamentType::Swiss; }
    std::string_view reportLetter() const override { return "S"; }
    std::string roundsField(int rounds) const override { return std::to_string(rounds); }
    bool columnsAreRounds() const override { return true; }
    int resultColumns(int /*players*/, int rounds) const override { return rounds; }
    std::string heading(int k) const override { return "Rd " + std::to_string(k + 1); }
    int gamesPerPlayer(int /*players*/, int resultColumns) const override { return resultColumns; }
    int gamesPerOpponent() const override { return 0; }

    std::optional<CellAt> otherCell(int col, int row, std::string_view text) const override {
        const int opponent = ParseResult(text).opponent;
        if (opponent < 1 || opponent == row)
            return std::nullopt;
        return CellAt{col, opponent};
    }
    std::optional<std::string> mirrorText(std::string_view text, int row) const override {
        const std::string letter = MirrorLetter(ParseResult(text).letter);
        if (letter == " " || NormaliseResultText(text).empty()) // an empty cell reads as "L"
            return std::nullopt;
        return letter + std::to_string(row);
    }
    int points(std::string_view text) const override { return ParseResult(text).points; }
};

// Round robin (one column per opponent) and double round robin (two: first and second game).
class RoundRobinRules final : public ChartRules {
  public:
    explicit RoundRobinRules(int perOpponent) : perOpponent_(perOpponent) {}

    TournamentType type() const override {
        return perOpponent_ == 1 ? TournamentType::RoundRobin : TournamentType::DoubleRoundRobin;
    }
    std::string_view reportLetter() const override { return "R"; }
    std::string roundsField(int /*rounds*/) const override { return std::to_string(perOpponent_); }
    bool columnsAreRounds() const override { return false; }
    int resultColumns(int players, int /*rounds*/) const override { return perOpponent_ * players; }
    std::string heading(int k) const override {
        if (perOpponent_ == 1)
            return std::to_string(k + 1);
        return std::to_string(k / 2 + 1) + (k % 2 == 0 ? "a" : "b");
    }
    int gamesPerPlayer(int players, int /*resultColumns*/) const override {
        return perOpponent_ * (players - 1);
    }
    int gamesPerOpponent() const override { return perOpponent_; }

    // The first game mirrors the first game, the second the second.
    std::optional<CellAt> otherCell(int col, int row, std::string_view /*text*/) const override {
        const int opponent = opponentOfColumn(col);
        if (opponent < 1 || opponent == row)
            return std::nullopt;
        const int game = (col - ChartColumn::FirstResult) % perOpponent_;
        return CellAt{firstColumnAgainst(row) + game, opponent};
    }
    // Mirrored by points, for the entries the notation knows (a forfeit by its sign);
    // anything else has no mirror.
    std::optional<std::string> mirrorText(std::string_view text, int /*row*/) const override {
        const std::string norm = NormaliseResultText(text);
        if (norm.empty())
            return std::nullopt;
        const auto among = [&norm](std::string_view letters) {
            return letters.find(norm.front()) != std::string_view::npos;
        };
        if (among("+-"))
            return norm.front() == '+' ? "-" : "+";
        if (among("1WG"))
            return "0";
        if (among("=DE"))
            return "=";
        if (among("0LP"))
            return "1";
        return std::nullopt;
    }
    std::string entered(std::string_view text) const override {
        if (text == "1/2" || text == "\u00BD")
            return "=";
        return std::string(text);
    }
    int points(std::string_view text) const override { return RoundRobinPoints(text); }

  private:
    int perOpponent_;
};

} // namespace

int ChartRules::opponentOfColumn(int col) const {
    const int per = gamesPerOpponent();
    if (per == 0 || col < ChartColumn::FirstResult)
        return 0;
    return (col - ChartColumn::FirstResult) / per + 1;
}

int ChartRules::firstColumnAgainst(int line) const {
    const int per = gamesPerOpponent();
    return per == 0 ? 0 : ChartColumn::FirstResult + per * (line - 1);
}

bool ChartRules::isOwnCell(int col, int row) const {
    return gamesPerOpponent() > 0 && opponentOfColumn(col) == row;
}

CellKind ChartRules::kindOf(int col) const {
    if (col < ChartColumn::FirstResult)
        return CellKind::Text;
    return columnsAreRounds() ? CellKind::SwissResult : CellKind::RoundRobinResult;
}

const ChartRules& RulesFor(TournamentType type) {
    static const SwissRules swiss;
    static const RoundRobinRules single(1);
    static const RoundRobinRules twice(2);
    switch (type) {
    case TournamentType::RoundRobin:
        return single;
    case TournamentType::DoubleRoundRobin:
        return twice;
    case TournamentType::Swiss:
        break;
    }
    return swiss;
}

namespace {

// The column's heading as the chart shows it; the line numbers' column is headed "#".
MessageArgument ColumnPlace(const ChartRules& rules, int col) {
    switch (col) {
    case ChartColumn::Name:
        return Message(MessageKind::ColumnName);
    case ChartColumn::MemberNumber:
        return Message(MessageKind::ColumnMemberNumber);
    case ChartColumn::Rating:
        return Message(MessageKind::ColumnRating);
    default:
        break;
    }
    if (col < ChartColumn::FirstResult)
        return "#";
    const int k = col - ChartColumn::FirstResult;
    if (rules.columnsAreRounds())
        return Message(MessageKind::ColumnRound, {k + 1});
    // A round robin's heading is the opponent's line ("7", or "7b" for the second game).
    return Message(MessageKind::ColumnOpponent, {rules.heading(k)});
}

} // namespace

Message CellPlace(const ChartRules& rules, int row, int col) {
    return Message(MessageKind::CellPlace, {row, ColumnPlace(rules, col)});
}

} // namespace ranvik
