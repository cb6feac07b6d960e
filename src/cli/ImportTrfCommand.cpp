// "import-trf": a pairing program's tournament report file made into a chart file.

#include "cli/ChartIo.h"
#include "cli/CliArgs.h"
#include "cli/CommandLinePrompts.h"
#include "cli/Commands.h"
#include "files/FileWriter.h"
#include "import/TrfImport.h"
#include "import/TrfReader.h"

#include <ostream>

namespace ranvik::cli {

namespace {

std::optional<TrfTypeChoice> ParseTypeChoice(const std::string& text) {
    if (text.empty() || text == "auto")
        return TrfTypeChoice::Auto;
    if (text == "swiss")
        return TrfTypeChoice::Swiss;
    if (text == "rr")
        return TrfTypeChoice::RoundRobin;
    if (text == "drr")
        return TrfTypeChoice::DoubleRoundRobin;
    return std::nullopt;
}

} // namespace

int RunImportTrfCommand(const Args& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto line = ParseCommandLine(args, {{"--type", false}, {"--output", true}}, error);
    if (!line)
        return UsageError("import-trf: " + error, err);
    const auto choice = ParseTypeChoice(line->value("--type"));
    if (!choice)
        return UsageError("import-trf: --type must be auto, swiss, rr or drr", err);

    if (!OutputNameUsable("import-trf", line->value("--output"), err))
        return 2;
    std::string bytes;
    if (Message unreadable; !ReadWholeFile(line->chart, bytes, unreadable, MaxTrfFileBytes)) {
        err << "ranvik-cli: " << English(unreadable) << '\n'; // the reader's text names the file
        return 2;
    }
    const TrfImport imported = ImportTrf(bytes, *choice);
    if (!imported.ok) {
        err << "ranvik-cli: cannot import " << line->chart << ": " << RefusalMessage(imported)
            << '\n';
        return 1;
    }
    CommandLinePrompts prompts(out, err);
    prompts.outputPath = line->value("--output");
    ChartDocument document(prompts);
    document.start();
    {
        // Nothing here is ever undone: the chart's cells need no history.
        const ChartHistory::Paused unrecorded(document.tournament().chart().history());
        FillTournament(imported, document.tournament());
    }
    return SaveChartAs(document, out, err, English(ImportSummary(imported)) + '\n');
}

} // namespace ranvik::cli
