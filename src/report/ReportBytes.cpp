#include "report/RatingReport.h"

#include "files/Windows1252.h"
#include "report/InfoFields.h"
#include "report/ReportLineSink.h"

#include <algorithm>
#include <utility>

namespace ranvik {

namespace {

// The first information field Windows-1252 cannot carry, named as the dialog labels it.
Message UnencodableField(const TournamentInfo& info) {
    for (const InfoField& field : InfoFields(info)) {
        if (!EncodeWindows1252(*field.text))
            return Message(MessageKind::ReportFieldCannotBeCarried, {Message(field.label)});
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

// Each line goes straight into the file's bytes, written through a pointer: two million
// lines of a few characters, where an append call each would cost more than the copy.
// ASCII lines (nearly all) are their own encoding; the rest go through the codec.
class ReportEncoder : public ReportLineSink {
  public:
    ReportEncoder(std::string& bytes, std::size_t expected) : bytes_(bytes) {
        bytes_.resize(expected);
    }

    void line(std::string_view text) override {
        if (failed_)
            return;
        room(text.size() + 2);
        char* const out = bytes_.data() + size_;
        unsigned char high = 0;
        for (std::size_t k = 0; k < text.size(); ++k) {
            out[k] = text[k];
            high |= static_cast<unsigned char>(text[k]);
        }
        if (high >= 0x80) {
            const std::optional<std::string> encoded = EncodeWindows1252(text);
            if (!encoded) {
                failed_ = true;
                return;
            }
            room(encoded->size() + 2);
            std::copy(encoded->begin(), encoded->end(), bytes_.begin() + size_);
            size_ += encoded->size();
        } else {
            size_ += text.size();
        }
        bytes_[size_++] = '\r';
        bytes_[size_++] = '\n';
    }

    // The bytes written, or false when a line could not be encoded.
    bool finish() {
        bytes_.resize(size_);
        return !failed_;
    }

  private:
    void room(std::size_t more) {
        if (size_ + more > bytes_.size())
            bytes_.resize(std::max(size_ + more, 2 * bytes_.size()));
    }

    std::string& bytes_;
    std::size_t size_ = 0;
    bool failed_ = false;
};

// Round robin cells are copied verbatim; Swiss results are rewritten in ASCII and the
// membership number is written only when it is six digits.
Message UnencodableCell(const Tournament& tournament) {
    if (tournament.rules().columnsAreRounds())
        return {};
    const Chart& chart = tournament.chart();
    for (int row = 1; row <= tournament.playerRows(); ++row) {
        for (int col = ChartColumn::FirstResult; col < chart.colCount(); ++col) {
            const std::string_view text = chart.cell(col, row);
            if (!IsAscii(text) && !IsWindows1252Encodable(text)) {
                return Message(MessageKind::ReportEntryCannotBeCarried,
                               {CellPlace(tournament.rules(), row, col)});
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
    if (!out.message.empty())
        return out;

    // A result line is a few characters (a round robin's "1" and CR LF, six bytes).
    const int perPlayer = ResultLinesPerPlayer(tournament) + 2;
    std::string bytes;
    ReportEncoder encoder(bytes,
                          256 + static_cast<std::size_t>(std::max(0, tournament.playerRows())) *
                                    static_cast<std::size_t>(std::max(2, perPlayer)) *
                                    (tournament.rules().columnsAreRounds() ? 14 : 6));
    WriteReportLines(tournament, system, info, encoder);
    if (!encoder.finish()) {
        // Only now is the cell looked for: a pass of its own over every cell would cost as
        // much as writing the report.
        out.message = UnencodableCell(tournament);
        if (out.message.empty())
            out.message = Message(MessageKind::ReportCannotBeCarried);
        return out;
    }
    out.ok = true;
    out.bytes = std::move(bytes);
    return out;
}

} // namespace ranvik
