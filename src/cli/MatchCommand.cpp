// "match": fills membership numbers and ratings of the chart's players whose name matches
// exactly one member; lists the others.

#include "chart/CellText.h"
#include "cli/ChartIo.h"
#include "cli/CliArgs.h"
#include "cli/CommandLinePrompts.h"
#include "cli/Commands.h"
#include "files/NearestSpelling.h"
#include "members/MemberDatabase.h"
#include "members/NameMatch.h"

#include <algorithm>
#include <ostream>
#include <stdexcept>

namespace ranvik::cli {

namespace {

const std::vector<OptionDef> kOptions = {{"--type", true}, {"--rating", false}, {"--output", true}};

// The chart and the database are both plain arguments; the database is taken out so the
// shared parser sees one chart file.
bool TakeDatabaseArgument(Args& args, std::string& database) {
    std::vector<std::size_t> plain;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "-o" || ((arg.rfind("--", 0) == 0) &&
                                                arg.find('=') == std::string::npos && arg != "--");
        if (takesValue) {
            ++i;
        } else if (arg.empty() || arg[0] != '-') {
            plain.push_back(i);
        }
    }
    if (plain.size() != 2)
        return false;
    database = args[plain[1]];
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(plain[1]));
    return true;
}

std::string Member(const MemberTable& table, std::size_t row) {
    const auto& number = table.value(row, "NUMBER");
    const auto& name = table.value(row, "NAME");
    return ShownText((number ? *number : "(no number)") + " " + name.value_or(""));
}

void PrintUnmatched(const MemberTable& table, const std::vector<LineMatch>& matches,
                    std::ostream& out) {
    for (const LineMatch& match : matches) {
        const std::string line = "  Line " + std::to_string(match.row) + " \"" + match.name + "\"";
        if (match.numberFilled) {
            out << line << ": its number is kept (not six digits, but filled)\n";
        } else if (match.candidates.empty()) {
            out << line << ": no member\n";
        } else if (match.candidates.size() > 1) {
            out << line << ": " << match.candidates.size() << " members:";
            for (const std::size_t member : match.candidates)
                out << (member == match.candidates.front() ? " " : "; ") << Member(table, member);
            out << '\n';
        }
    }
}

bool Contains(const std::vector<int>& rows, int row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

bool Contains(const std::vector<std::pair<int, Message>>& rows, int row) {
    return std::any_of(rows.begin(), rows.end(),
                       [row](const auto& entry) { return entry.first == row; });
}

} // namespace

int RunMatchCommand(const Args& arguments, std::ostream& out, std::ostream& err) {
    Args args = arguments;
    std::string database;
    if (!TakeDatabaseArgument(args, database))
        return UsageError("match: give the chart file and the database file", err);
    std::string error;
    const auto line = ParseCommandLine(args, kOptions, error);
    if (!line)
        return UsageError("match: " + error, err);
    const auto type = ParseTournamentType(line->value("--type"));
    if (!type)
        return UsageError("match: --type must be swiss, rr or drr", err);
    const std::string rating = line->valueOr("--rating", "regular");
    const std::optional<RatingSystem> system = ParseRatingSystem(rating);
    if (!system)
        return UsageError("match: --rating must be regular or active", err);

    if (!OutputNameUsable("match", line->value("--output"), err))
        return 2;

    CommandLinePrompts prompts(out, err);
    prompts.outputPath = line->value("--output");
    ChartDocument document(prompts);
    if (!OpenChart(document, line->chart, *type, err))
        return 2;
    Tournament& tournament = document.tournament();
    try {
        auto db = OpenMemberDatabase(database);
        const MemberTable table = LoadMemberTable(*db);
        const std::vector<LineMatch> matches =
            FindNameMatches(tournament.chart(), tournament.playerRows(), table);
        std::vector<MatchChoice> choices;
        for (const LineMatch& match : matches)
            if (!match.numberFilled && match.candidates.size() == 1)
                choices.push_back({match.row, match.candidates.front()});
        const MatchApplied applied = ApplyNameMatches(tournament.chart(), table, choices, *system);

        const std::size_t written = choices.size() - applied.refused.size();
        out << "Matched: " << written << " (" << rating << " ratings)\n";
        for (const MatchChoice& choice : choices) {
            if (Contains(applied.refused, choice.row))
                continue;
            out << "  Line " << choice.row << ": "
                << tournament.chart().cell(ChartColumn::Name, choice.row) << " "
                << tournament.chart().cell(ChartColumn::MemberNumber, choice.row) << " "
                << tournament.chart().cell(ChartColumn::Rating, choice.row);
            if (Contains(applied.respelled, choice.row)) {
                const std::string name = table.value(choice.member, "NAME").value_or("");
                out << " (nearest spelling of \"" << ShownText(name)
                    << "\": a chart file cannot hold ";
                for (const std::string& c : CharactersChartCannotHold(name))
                    out << c;
                out << ")";
            }
            if (Contains(applied.controlsAsSpaces, choice.row))
                out << " (control characters in the name written as spaces)";
            out << '\n';
        }
        out << "Left as they were: " << matches.size() - written << '\n';
        for (const auto& [row, reason] : applied.refused)
            out << "  Line " << row << ": not written: " << English(reason) << '\n';
        PrintUnmatched(table, matches, out);
    } catch (const std::exception& e) {
        err << "ranvik-cli match: " << e.what() << '\n';
        return 2;
    }
    return SaveChartAs(document, out, err);
}

} // namespace ranvik::cli
