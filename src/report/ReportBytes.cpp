#include "report/RatingReport.h"

#include "files/Windows1252.h"
#include "report/ReportLineSink.h"

#include <algorithm>
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

bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Each line goes straight into the file's bytes; ASCII lines (nearly all) as they are.
class ReportEncoder : public ReportLineSink {
public:
    explicit ReportEncoder(std::string& bytes) : bytes_(bytes) {}

    void line(std::string_view text) override {
        if (failed_)
            return;
        if (IsAscii(text)) {
            bytes_ += text;
        } else if (const std::optional<std::string> encoded = EncodeWindows1252(text)) {
            bytes_ += *encoded;
        } else {
            failed_ = true;
            return;
        }
        bytes_ += "\r\n";
    }
    bool failed() const { return failed_; }

private:
    std::string& bytes_;
    bool failed_ = false;
};

// Round robin cells are copied verbatim; Swiss results are rewritten in ASCII and the
// membership number is written only when it is six digits.
std::string UnencodableCell(const Tournament& tournament) {
    if (tournament.isSwiss())
        return {};
    const Chart& chart = tournament.chart();
    for (int row = 1; row <= tournament.playerRows(); ++row) {
        for (int col = FirstRoundCol; col < chart.colCount(); ++col) {
            const std::string_view text = chart.cell(col, row);
            if (!IsAscii(text) && !IsWindows1252Encodable(text)) {
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

    // A result line is a few characters; reserving for them spares the doubling copies.
    const int perPlayer = (tournament.isSwiss() ? tournament.numRounds()
                                                : tournament.chart().colCount() - FirstRoundCol) +
                          2;
    std::string bytes;
    bytes.reserve(256 + static_cast<std::size_t>(std::max(0, tournament.playerRows())) *
                            static_cast<std::size_t>(std::max(2, perPlayer)) * 8);
    ReportEncoder encoder(bytes);
    WriteReportLines(tournament, system, info, encoder);
    if (encoder.failed()) {
        out.message = "The report cannot be written: it holds a character that the report "
                      "file cannot carry.";
        return out;
    }
    out.ok = true;
    out.bytes = std::move(bytes);
    return out;
}

} // namespace ranvik
