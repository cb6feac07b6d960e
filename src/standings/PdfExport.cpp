// The printed standings through cairo's PDF surface: DejaVu Sans from fontconfig on Linux,
// from the font files the installer puts beside the program on Windows (through GDI), so
// accented names print as typed and the layout is the same on both. Long tables run over as many
// pages as they need, their heading row repeated on each.

#include "standings/StandingsDocument.h"

#include "platform/Fonts.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <memory>

namespace ranvik {
namespace {

constexpr double kMargin = 36.0; // half an inch
constexpr double kBaseFontSize = 9.0;
constexpr double kSmallestFontSize = 3.0;
constexpr double kCellPadding = 3.0;
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

class PdfWriter {
  public:
    PdfWriter(cairo_t* cr, double width, double height, std::string footer)
        : cr_(cr), width_(width), height_(height), footer_(std::move(footer)) {}

    void heading(const StandingsDocument& document) {
        setFont(16.0, true);
        line(document.title, 20.0);
        setFont(10.0, false);
        for (const std::string& text : document.headingLines)
            line(text, 14.0);
    }

    void table(const DocumentTable& table) {
        y_ += 10.0;
        setFont(12.0, true);
        if (y_ + 40.0 > bottom())
            newPage();
        line(table.caption, 18.0);
        const double fontSize = fittingFontSize(table);
        const std::vector<double> widths = columnWidths(table, fontSize);
        const double rowHeight = fontSize * 1.45;
        row(table.header, widths, table.numeric, fontSize, rowHeight, true);
        for (const auto& cells : table.rows) {
            if (y_ + rowHeight > bottom()) {
                newPage();
                row(table.header, widths, table.numeric, fontSize, rowHeight, true);
            }
            row(cells, widths, table.numeric, fontSize, rowHeight, false);
        }
    }

    void finish() { footer(); }

  private:
    double bottom() const { return height_ - kMargin - 14.0; }

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

    void line(const std::string& text, double height) {
        y_ += height;
        cairo_move_to(cr_, kMargin, y_ - height * 0.25);
        cairo_show_text(cr_, text.c_str());
    }

    std::vector<double> columnWidths(const DocumentTable& table, double fontSize) {
        std::vector<double> widths(table.header.size(), 0.0);
        setFont(fontSize, true);
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = advance(table.header[c]);
        setFont(fontSize, false);
        for (const auto& cells : table.rows) {
            for (std::size_t c = 0; c < cells.size(); ++c)
                widths[c] = std::max(widths[c], advance(cells[c]));
        }
        for (double& width : widths)
            width += 2 * kCellPadding * fontSize / kBaseFontSize;
        return widths;
    }

    // The largest size up to the base size at which the table fits the page's width.
    double fittingFontSize(const DocumentTable& table) {
        const std::vector<double> widths = columnWidths(table, kBaseFontSize);
        double total = 0.0;
        for (double width : widths)
            total += width;
        const double usable = width_ - 2 * kMargin;
        if (total <= usable)
            return kBaseFontSize;
        return std::max(kSmallestFontSize, kBaseFontSize * usable / total);
    }

    void row(const std::vector<std::string>& cells, const std::vector<double>& widths,
             const std::vector<bool>& numeric, double fontSize, double rowHeight, bool header) {
        double total = 0.0;
        for (double width : widths)
            total += width;
        if (header) {
            cairo_set_source_rgb(cr_, 0.9, 0.9, 0.9);
            cairo_rectangle(cr_, kMargin, y_, total, rowHeight);
            cairo_fill(cr_);
            cairo_set_source_rgb(cr_, 0, 0, 0);
        }
        setFont(fontSize, header);
        const double padding = kCellPadding * fontSize / kBaseFontSize;
        const double baseline = y_ + rowHeight * 0.72;
        double x = kMargin;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const double textX =
                numeric[c] ? x + widths[c] - padding - advance(cells[c]) : x + padding;
            cairo_move_to(cr_, textX, baseline);
            cairo_show_text(cr_, cells[c].c_str());
            x += widths[c];
        }
        y_ += rowHeight;
        cairo_set_line_width(cr_, 0.3);
        cairo_move_to(cr_, kMargin, y_);
        cairo_line_to(cr_, kMargin + total, y_);
        cairo_stroke(cr_);
    }

    void footer() {
        setFont(8.0, false);
        const std::string text = footer_ + " \u2013 page " + std::to_string(page_);
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
    PdfOutcome outcome;
    {
        std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
            cairo_pdf_surface_create_for_stream(AppendBytes, &outcome.bytes, width, height));
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE,
                                       document.title.c_str());
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "Ranvik");
        std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
        cairo_set_source_rgb(cr.get(), 0, 0, 0);
        PdfWriter writer(cr.get(), width, height, document.title);
        writer.heading(document);
        for (const DocumentTable& table : document.tables)
            writer.table(table);
        writer.finish();
        cairo_show_page(cr.get());
        cairo_surface_finish(surface.get());
        const cairo_status_t status = cairo_surface_status(surface.get());
        if (status != CAIRO_STATUS_SUCCESS) {
            outcome.message = std::string("cannot make the PDF: ") + cairo_status_to_string(status);
            outcome.bytes.clear();
            return outcome;
        }
    }
    outcome.ok = true;
    return outcome;
}

} // namespace ranvik
