#include "cli/ChartIo.h"
#include "cli/CliArgs.h"
#include "cli/CommandLinePrompts.h"
#include "cli/Commands.h"

#include "files/FileWriter.h"
#include "standings/StandingsDocument.h"

#include <ostream>

namespace ranvik::cli {

namespace {
const std::vector<OptionDef> kStandingsOptions = {
    {"--type", true},  {"--format", false}, {"--tiebreaks", false},       {"--output", false},
    {"--name", false}, {"--paper", false},  {"--inconsistencies", false},
};

enum class Format { Text, Csv, Html, Pdf };

std::optional<Format> ParseFormat(const std::string& text) {
    if (text.empty() || text == "text")
        return Format::Text;
    if (text == "csv")
        return Format::Csv;
    if (text == "html")
        return Format::Html;
    if (text == "pdf")
        return Format::Pdf;
    return std::nullopt;
}

std::optional<PaperSize> ParsePaper(const std::string& text) {
    if (text.empty() || text == "a4")
        return PaperSize::A4;
    if (text == "letter")
        return PaperSize::Letter;
    return std::nullopt;
}

struct Rendered {
    bool ok = true;
    std::string bytes;
    Message message;
};

Rendered Render(const Tournament& tournament, const std::vector<TieBreak>& tieBreaks, Format format,
                PaperSize paper, const std::string& name) {
    const ChartGames games = ReadChartGames(tournament);
    const Standings standings = ComputeStandings(tournament, games, tieBreaks);
    if (format == Format::Csv)
        return {true, StandingsCsv(standings), {}};
    DocumentHeading heading;
    if (!name.empty()) {
        heading.info = TournamentInfo{};
        heading.info->name = name;
    }
    heading.date = TodayIsoDate();
    const StandingsDocument document = BuildStandingsDocument(games, standings, heading);
    if (format == Format::Text)
        return {true, StandingsText(document), {}};
    if (format == Format::Html)
        return {true, StandingsHtml(document), {}};
    const PdfOutcome pdf = StandingsPdf(document, paper);
    return {pdf.ok, pdf.bytes, pdf.message};
}
} // namespace

int RunStandingsCommand(const Args& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto line = ParseCommandLine(args, kStandingsOptions, error);
    if (!line)
        return UsageError("standings: " + error, err);
    const auto type = ParseTournamentType(line->value("--type"));
    if (!type)
        return UsageError("standings: --type must be swiss, rr or drr", err);
    const auto format = ParseFormat(line->value("--format"));
    if (!format)
        return UsageError("standings: --format must be text, csv, html or pdf", err);
    const auto paper = ParsePaper(line->value("--paper"));
    if (!paper)
        return UsageError("standings: --paper must be a4 or letter", err);
    const auto policy = ParseInconsistencyPolicy(line->valueOr("--inconsistencies", "stop"));
    if (!policy)
        return UsageError("standings: --inconsistencies must be stop, ignore or all", err);
    std::vector<TieBreak> tieBreaks = DefaultTieBreaks(*type);
    if (line->has("--tiebreaks")) {
        const auto parsed = ParseTieBreakList(line->value("--tiebreaks"), error);
        if (!parsed)
            return UsageError("standings: " + error, err);
        tieBreaks = *parsed;
    }
    if (*format == Format::Pdf && !line->has("--output"))
        return UsageError("standings: a PDF needs -o OUT", err);
    if (line->has("--output") && !OutputNameUsable("standings", line->value("--output"), err))
        return 2;

    CommandLinePrompts prompts(out, err);
    prompts.inconsistencyPolicy = *policy;
    ChartDocument document(prompts);
    if (!OpenChart(document, line->chart, *type, err))
        return 2;
    // As check prints them: a chart with faults has no standings, so stdout holds only these.
    const ValidationResult validation = document.validate();
    PrintValidationOutcome(validation, document.tournament().rules(), out);
    if (!validation.passed())
        return 1;
    const Tournament& tournament = document.tournament();
    const Rendered rendered = Render(tournament, tieBreaks, *format, *paper, line->value("--name"));
    if (!rendered.ok) {
        err << "ranvik-cli: " << English(rendered.message) << '\n';
        return 2;
    }
    if (!line->has("--output")) {
        out << rendered.bytes;
        return 0;
    }
    const std::string& output = line->value("--output");
    if (Message reason; !WriteFileSafely(output, rendered.bytes, reason)) {
        err << English(SavingError(output, reason)) << '\n';
        return 2;
    }
    return 0;
}

} // namespace ranvik::cli
