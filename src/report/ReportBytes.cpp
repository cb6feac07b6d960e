#include "report/RatingReport.h"

#include "files/Windows1252.h"

#include <utility>

namespace ranvik {

namespace {
const std::string kCannotCarry = " holds a character that the report file cannot carry.";

// The first information field Windows-1252 cannot carry, named as the dialog labels it.
std::string UnencodableField(const TournamentInfo& info) {
    const std::pair<const char*, const std::string*> fields[] = {
        {"Name of tournament", &info.name},
        {"Province", &info.province},
        {"Reference number", &info.referenceNumber},
        {"Ending date of tournament", &info.endDate},
        {"Tournament director QRB number", &info.tdNumber},
        {"Organiser QRB number", &info.organiserNumber},
    };
    for (const auto& [label, text] : fields) {
        if (!EncodeWindows1252(*text)) {
            return std::string("The report cannot be written: the field \"") + label + "\"" +
                   kCannotCarry;
        }
    }
    return {};
}

// Round robin cells are copied verbatim; Swiss results are rewritten in ASCII and the
// membership number is written only when it is six digits.
std::string UnencodableCell(const Tournament& tournament) {
    if (tournament.isSwiss())
        return {};
    const Chart& chart = tournament.chart();
    for (int row = 1; row <= tournament.playerRows(); ++row) {
        for (int col = FirstRoundCol; col < chart.colCount(); ++col) {
            if (!EncodeWindows1252(chart.cell(col, row))) {
                return "The report cannot be written: the entry in line " + std::to_string(row) +
                       " column " + std::to_string(col) + kCannotCarry;
            }
        }
    }
    return {};
}
} // namespace

ReportBytes BuildReportBytes(const Tournament& tournament, RatingSystem system,
                             const TournamentInfo& info) {
    ReportBytes out;
    out.message = UnencodableField(info);
    if (out.message.empty())
        out.message = UnencodableCell(tournament);
    if (!out.message.empty())
        return out;

    std::string text;
    for (const std::string& line : BuildReportLines(tournament, system, info)) {
        text += line;
        text += "\r\n";
    }
    std::optional<std::string> bytes = EncodeWindows1252(text);
    if (!bytes) {
        out.message = "The report cannot be written: it holds a character that the report "
                      "file cannot carry.";
        return out;
    }
    out.ok = true;
    out.bytes = std::move(*bytes);
    return out;
}

} // namespace ranvik
