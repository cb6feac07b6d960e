// The printed standings through cairo's PDF surface: DejaVu Sans from fontconfig on Linux,
// from the font files the installer puts beside the program on Windows (through GDI), so
// accented names print as typed and the layout is the same on both. Nothing is cut: a long
// cell wraps within its column, a table too wide for the page at the smallest font is split
// into bands of columns, each repeating the columns that say whose row it is, and long tables
// run over as many pages as they need, their heading row repeated on each.

#include "standings/StandingsDocument.h"

#include "files/Utf8.h"
#include "platform/Fonts.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <memory>
#include <numeric>

namespace ranvik {
namespace {

constexpr double kMargin = 36.0; // half an inch
constexpr double kBaseFontSize = 9.0;
// Smaller is hard to read on paper: a table that still does not fit is split into bands.
constexpr double kSmallestFontSize = 6.0;
constexpr double kCellPadding = 3.0;
// No column takes more of the page's width than this; longer text wraps inside it.
constexpr double kWidestColumnShare = 0.4;
constexpr const char* kFontFamily = "DejaVu Sans";

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

double Sum(const std::vector<double>& widths, std::size_t from = 0,
           std::size_t to = std::string::npos) {
    to = std::min(to, widths.size());
    return std::accumulate(widths.begin() + static_cast<long>(from),
                           widths.begin() + static_cast<long>(to), 0.0);
}

// A table as the PDF prints it: in English, every text made printable, so cairo never meets
// bytes it refuses.
struct PrintedTable {
    std::string caption;
    std::size_t keyColumns = 0;
    std::vector<std::string> header;
    std::vector<bool> numeric;
    std::vector<std::vector<std::string>> rows;
};

PrintedTable Printable(const DocumentTable& table) {
    PrintedTable out{PrintableText(English(table.caption)), table.keyColumns,
                     EnglishTexts(table.header), table.numeric, table.rows};
    for (std::string& cell : out.header)
        cell = PrintableText(cell);
    for (auto& row : out.rows)
        for (std::string& cell : row)
            cell = PrintableText(cell);
    return out;
}

// The columns one band of a split table shows: the key columns, then a run of the others.
using Band = std::vector<std::size_t>;

class PdfWriter {
  public:
    PdfWriter(cairo_t* cr, double width, double height, std::string footer)
        : cr_(cr), width_(width), height_(height), footer_(std::move(footer)) {}

    void heading(const StandingsDocument& document) {
        setFont(16.0, true);
        paragraph(PrintableText(English(document.title)), 20.0);
        setFont(10.0, false);
        for (const std::string& text : EnglishTexts(document.headingLines))
            paragraph(PrintableText(text), 14.0);
    }

    void table(const DocumentTable& source) {
        const PrintedTable table = Printable(source);
        const double fontSize = fittingFontSize(table);
        const std::vector<double> widths = columnWidths(table, fontSize);
        const std::vector<Band> bands =
            splitIntoBands(widths, std::min(table.keyColumns, widths.size()));
        for (std::size_t b = 0; b < bands.size(); ++b) {
            y_ += 10.0;
            setFont(12.0, true);
            if (y_ + 40.0 > bottom())
                newPage();
            paragraph(b == 0 ? table.caption : table.caption + " (continued)", 18.0);
            band(table, bands[b], widths, fontSize);
        }
    }

    void finish() { footer(); }

  private:
    double bottom() const { return height_ - kMargin - 14.0; }
    double usable() const { return width_ - 2 * kMargin; }

    void setFont(double size, bool bold) {
        cairo_select_font_face(cr_, kFontFamily, CAIRO_FONT_SLANT_NORMAL,
                               bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr_, size);
    }

    double advance(const std::string& text) {
        cairo_text_extents_t extents;
        cairo_text_extents(cr_, text.c_str(), &extents);
        return extents.x_advance;
    }

    // The text in lines no wider than width: broken at spaces, a word wider than a line
    // broken between its characters.
    std::vector<std::string> wrapped(const std::string& text, double width) {
        if (advance(text) <= width)
            return {text};
        std::vector<std::string> lines(1);
        double used = 0.0;
        const double space = advance(" ");
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::size_t end = std::min(text.find(' ', pos), text.size());
            const std::string word = text.substr(pos, end - pos);
            const double wordWidth = advance(word);
            const double needed = (used > 0.0 ? space : 0.0) + wordWidth;
            if (used > 0.0 && used + needed > width) {
                lines.emplace_back();
                used = 0.0;
            }
            if (wordWidth <= width) {
                lines.back() += (used > 0.0 ? " " : "") + word;
                used += (used > 0.0 ? space : 0.0) + wordWidth;
            } else {
                breakWord(word, width, lines, used);
            }
            pos = end + 1;
        }
        return lines;
    }

    // Appends a word too wide for any line, character by character.
    void breakWord(const std::string& word, double width, std::vector<std::string>& lines,
                   double& used) {
        for (std::size_t pos = 0; pos < word.size();) {
            const std::size_t start = pos;
            if (!NextCodePoint(word, pos))
                ++pos; // printable text is well-formed; never stall all the same
            const std::string character = word.substr(start, pos - start);
            const double w = advance(character);
            if (used > 0.0 && used + w > width) {
                lines.emplace_back();
                used = 0.0;
            }
            lines.back() += character;
            used += w;
        }
    }

    // Lines of running text (title, heading lines, captions), wrapped to the page's width.
    void paragraph(const std::string& text, double height) {
        for (const std::string& line : wrapped(text, usable())) {
            if (y_ + height > bottom())
                newPage();
            y_ += height;
            cairo_move_to(cr_, kMargin, y_ - height * 0.25);
            cairo_show_text(cr_, line.c_str());
        }
    }

    double padding(double fontSize) const { return kCellPadding * fontSize / kBaseFontSize; }

    // Each column as wide as its widest text, up to its share of the page.
    std::vector<double> columnWidths(const PrintedTable& table, double fontSize) {
        std::vector<double> widths(table.header.size(), 0.0);
        setFont(fontSize, true);
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = advance(table.header[c]);
        setFont(fontSize, false);
        for (const auto& cells : table.rows) {
            for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c)
                widths[c] = std::max(widths[c], advance(cells[c]));
        }
        for (double& width : widths)
            width = std::min(width + 2 * padding(fontSize), usable() * kWidestColumnShare);
        return widths;
    }

    // The largest size, from the base size down to the smallest by half points, at which the
    // table fits the page's width; the smallest when it fits at none (it is split then).
    double fittingFontSize(const PrintedTable& table) {
        double size = kBaseFontSize;
        while (size > kSmallestFontSize && Sum(columnWidths(table, size)) > usable())
            size -= 0.5;
        return std::max(size, kSmallestFontSize);
    }

    // All columns in one band when they fit; otherwise the key columns in every band, each
    // band taking as many of the other columns as fit beside them (one at least).
    std::vector<Band> splitIntoBands(const std::vector<double>& widths, std::size_t keys) const {
        std::vector<Band> bands;
        Band keyColumns(keys);
        std::iota(keyColumns.begin(), keyColumns.end(), std::size_t{0});
        if (Sum(widths) <= usable() || keys >= widths.size()) {
            Band all(widths.size());
            std::iota(all.begin(), all.end(), std::size_t{0});
            return {all};
        }
        const double keyWidth = Sum(widths, 0, keys);
        for (std::size_t c = keys; c < widths.size();) {
            Band band = keyColumns;
            double used = keyWidth;
            do {
                used += widths[c];
                band.push_back(c++);
            } while (c < widths.size() && used + widths[c] <= usable());
            bands.push_back(std::move(band));
        }
        return bands;
    }

    struct RowLayout {
        std::vector<std::vector<std::string>> lines; // per column of the band
        std::size_t height = 1;                      // in lines
    };

    RowLayout layOut(const std::vector<std::string>& cells, const Band& columns,
                     const std::vector<double>& widths, double fontSize, bool header) {
        setFont(fontSize, header);
        RowLayout row;
        for (const std::size_t c : columns) {
            const std::string& text = c < cells.size() ? cells[c] : std::string();
            row.lines.push_back(wrapped(text, widths[c] - 2 * padding(fontSize)));
            row.height = std::max(row.height, row.lines.back().size());
        }
        return row;
    }

    void band(const PrintedTable& table, const Band& columns, const std::vector<double>& widths,
              double fontSize) {
        const RowLayout header = layOut(table.header, columns, widths, fontSize, true);
        row(header, columns, widths, table.numeric, fontSize, true, header);
        for (const auto& cells : table.rows) {
            const RowLayout laidOut = layOut(cells, columns, widths, fontSize, false);
            // A row starts on a new page when the rest of this one cannot hold it but an
            // empty page can; a taller row runs on over pages, its heading repeated.
            const double height = rowHeight(fontSize, laidOut.height);
            if (y_ + height > bottom() &&
                kMargin + rowHeight(fontSize, header.height) + height <= bottom()) {
                newPage();
                row(header, columns, widths, table.numeric, fontSize, true, header);
            }
            row(laidOut, columns, widths, table.numeric, fontSize, false, header);
        }
    }

    static double lineHeight(double fontSize) { return fontSize * 1.2; }
    static double rowHeight(double fontSize, std::size_t lines) {
        return fontSize * 1.45 + lineHeight(fontSize) * static_cast<double>(lines - 1);
    }

    void row(const RowLayout& laidOut, const Band& columns, const std::vector<double>& widths,
             const std::vector<bool>& numeric, double fontSize, bool header,
             const RowLayout& headerRow) {
        double total = 0.0;
        for (const std::size_t c : columns)
            total += widths[c];
        for (std::size_t line = 0; line < laidOut.height;) {
            // As many of the row's lines as the page holds, then the rest on the next page.
            std::size_t fits = 0;
            while (line + fits < laidOut.height && y_ + rowHeight(fontSize, fits + 1) <= bottom())
                ++fits;
            if (fits == 0) {
                newPage();
                if (!header)
                    row(headerRow, columns, widths, numeric, fontSize, true, headerRow);
                continue;
            }
            drawLines(laidOut, line, fits, columns, widths, numeric, fontSize, header, total);
            line += fits;
        }
    }

    void drawLines(const RowLayout& laidOut, std::size_t first, std::size_t count,
                   const Band& columns, const std::vector<double>& widths,
                   const std::vector<bool>& numeric, double fontSize, bool header, double total) {
        const double height = rowHeight(fontSize, count);
        if (header) {
            cairo_set_source_rgb(cr_, 0.9, 0.9, 0.9);
            cairo_rectangle(cr_, kMargin, y_, total, height);
            cairo_fill(cr_);
            cairo_set_source_rgb(cr_, 0, 0, 0);
        }
        setFont(fontSize, header);
        const double pad = padding(fontSize);
        double x = kMargin;
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const std::size_t c = columns[k];
            const std::vector<std::string>& lines = laidOut.lines[k];
            for (std::size_t i = first; i < first + count && i < lines.size(); ++i) {
                const double baseline = y_ + fontSize * 1.45 * 0.72 +
                                        lineHeight(fontSize) * static_cast<double>(i - first);
                const double textX = numeric[c] ? x + widths[c] - pad - advance(lines[i]) : x + pad;
                cairo_move_to(cr_, textX, baseline);
                cairo_show_text(cr_, lines[i].c_str());
            }
            x += widths[c];
        }
        y_ += height;
        cairo_set_line_width(cr_, 0.3);
        cairo_move_to(cr_, kMargin, y_);
        cairo_line_to(cr_, kMargin + total, y_);
        cairo_stroke(cr_);
    }

    // The title, shortened with an ellipsis when it would not leave room for the page number.
    void footer() {
        setFont(8.0, false);
        const std::string page = " \u2013 page " + std::to_string(page_);
        std::string title = PrintableText(footer_);
        if (advance(title + page) > usable()) {
            const std::vector<std::string> lines = wrapped(title, usable() - advance(page + "…"));
            title = lines.front() + "\u2026";
        }
        const std::string text = title + page;
        cairo_move_to(cr_, kMargin, height_ - kMargin);
        cairo_show_text(cr_, text.c_str());
    }

    void newPage() {
        footer();
        cairo_show_page(cr_);
        ++page_;
        y_ = kMargin;
    }

    cairo_t* cr_;
    double width_;
    double height_;
    std::string footer_;
    double y_ = kMargin;
    int page_ = 1;
};

} // namespace

PdfOutcome StandingsPdf(const StandingsDocument& document, PaperSize paper) {
    platform::UseBundledFonts();
    const double width = paper == PaperSize::A4 ? 595.28 : 612.0;
    const double height = paper == PaperSize::A4 ? 841.89 : 792.0;
    const std::string title = English(document.title);
    PdfOutcome outcome;
    {
        std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
            cairo_pdf_surface_create_for_stream(AppendBytes, &outcome.bytes, width, height));
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE,
                                       PrintableText(title).c_str());
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "Ranvik");
        std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
        cairo_set_source_rgb(cr.get(), 0, 0, 0);
        PdfWriter writer(cr.get(), width, height, title);
        writer.heading(document);
        for (const DocumentTable& table : document.tables)
            writer.table(table);
        writer.finish();
        cairo_show_page(cr.get());
        cairo_surface_finish(surface.get());
        const cairo_status_t status = cairo_surface_status(surface.get());
        if (status != CAIRO_STATUS_SUCCESS) {
            outcome.message = Message(MessageKind::StandingsPdfNotMade,
                                      {std::string(cairo_status_to_string(status))});
            outcome.bytes.clear();
            return outcome;
        }
    }
    outcome.ok = true;
    return outcome;
}

} // namespace ranvik
