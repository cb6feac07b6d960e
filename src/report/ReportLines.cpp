#include "report/RatingReport.h"
#include "report/ReportLineSink.h"

#include "chart/ResultNotation.h"

#include <algorithm>

namespace ranvik {

namespace {
std::string Quoted(const std::string& field) {
    std::string quoted;
    quoted.reserve(field.size() + 2);
    quoted += '"';
    quoted += field;
    quoted += '"';
    return quoted;
}

std::string JoinQuoted(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) {
        if (!line.empty())
            line += ',';
        line += Quoted(field);
    }
    return line;
}

std::string HeaderLine(const Tournament& tournament, RatingSystem system,
                       const TournamentInfo& info) {
    return JoinQuoted({info.name, info.province, info.referenceNumber,
                       std::string(tournament.rules().reportLetter()), info.endDate,
                       std::to_string(tournament.playerRows()),
                       tournament.rules().roundsField(tournament.numRounds()),
                       system == RatingSystem::Regular ? "R" : "A", info.tdNumber,
                       info.organiserNumber});
}

const char* LetterByPoints(int points) {
    if (points == 2)
        return "W";
    if (points == 1)
        return "D";
    return "L";
}

// One line buffer reused for every line: no allocation per line once it has grown.
class LineBuilder {
  public:
    explicit LineBuilder(ReportLineSink& sink) : sink_(sink) {}

    void quoted(std::string_view field) {
        if (!line_.empty())
            line_ += ',';
        line_ += '"';
        line_ += field;
        line_ += '"';
    }
    void end() {
        sink_.line(line_);
        line_.clear();
    }

  private:
    ReportLineSink& sink_;
    std::string line_;
};

// Writes the result lines of one player and gives the player's half points.
int WriteSwissResults(const Tournament& tournament, int row, LineBuilder& out) {
    int total = 0;
    for (int round = 1; round <= tournament.numRounds(); ++round) {
        const ParsedResult result =
            ParseResult(tournament.chart().cell(ChartColumn::FirstResult + round - 1, row));
        total += result.points;
        out.quoted(LetterByPoints(result.points));
        out.quoted(std::to_string(result.opponent));
        out.end();
    }
    return total;
}

int WriteRoundRobinResults(const Tournament& tournament, int row, LineBuilder& out) {
    int total = 0;
    for (int col = ChartColumn::FirstResult; col < tournament.chart().colCount(); ++col) {
        const std::string_view text = tournament.chart().cell(col, row);
        total += RoundRobinPoints(text);
        out.quoted(text);
        out.end();
    }
    return total;
}

class LineList : public ReportLineSink {
  public:
    explicit LineList(std::vector<std::string>& lines) : lines_(lines) {}
    void line(std::string_view text) override { lines_.emplace_back(text); }

  private:
    std::vector<std::string>& lines_;
};
} // namespace

std::string RatingFieldName(RatingSystem system) {
    return system == RatingSystem::Regular ? "RATING" : "ACT_RATING";
}

std::string ScoreText(int halfPoints) {
    // Built by hand: stream and printf formatting follow the locale's decimal separator.
    return std::to_string(halfPoints / 2) + (halfPoints % 2 != 0 ? ".5" : ".0");
}

void WriteReportLines(const Tournament& tournament, RatingSystem system, const TournamentInfo& info,
                      ReportLineSink& sink) {
    sink.line(HeaderLine(tournament, system, info));
    const Chart& chart = tournament.chart();
    LineBuilder out(sink);
    for (int row = 1; row <= tournament.playerRows(); ++row) {
        const std::string_view number = chart.cell(ChartColumn::MemberNumber, row);
        out.quoted(IsValidMemberNumber(number) ? number : "999999");
        out.end();
        const int total = tournament.rules().columnsAreRounds()
                              ? WriteSwissResults(tournament, row, out)
                              : WriteRoundRobinResults(tournament, row, out);
        out.quoted(ScoreText(total));
        out.end();
    }
}

int ResultLinesPerPlayer(const Tournament& tournament) {
    return tournament.rules().columnsAreRounds()
               ? tournament.numRounds()
               : tournament.chart().colCount() - ChartColumn::FirstResult;
}

std::vector<std::string> BuildReportLines(const Tournament& tournament, RatingSystem system,
                                          const TournamentInfo& info) {
    std::vector<std::string> lines;
    // A full double round robin gives two million lines: grow the list once, not by doubling.
    const int perPlayer = ResultLinesPerPlayer(tournament) + 2;
    lines.reserve(1 + static_cast<std::size_t>(std::max(0, tournament.playerRows())) *
                          static_cast<std::size_t>(std::max(2, perPlayer)));
    LineList list(lines);
    WriteReportLines(tournament, system, info, list);
    return lines;
}

} // namespace ranvik
