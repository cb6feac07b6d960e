#include "ui/SectionFit.h"

#include "ui/QtText.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace ranvik {

int ColumnWidthForText(QTableView& view, int textWidth) {
    // The item delegate keeps this margin on either side of a cell's text; a pixel more for
    // the grid line and one for rounding the text's width up.
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    return textWidth + 2 * margin + 2;
}

void FitSectionsToTexts(QTableView& view, int rows, int columns, const CellText& text) {
    const QFontMetrics metrics = view.fontMetrics();
    // A full grid holds a handful of distinct results a million times over.
    std::unordered_map<std::string_view, int> measured;
    std::vector<int> widest(static_cast<std::size_t>(columns), 0);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const std::string_view cell = text(r, c);
            if (cell.empty())
                continue;
            auto [entry, added] = measured.try_emplace(cell, 0);
            if (added)
                entry->second = metrics.horizontalAdvance(ToQString(cell));
            widest[c] = std::max(widest[c], entry->second);
        }
    }
    QHeaderView& header = *view.horizontalHeader();
    header.setSectionResizeMode(QHeaderView::Interactive);
    for (int c = 0; c < columns; ++c)
        header.resizeSection(
            c, std::max(header.sectionSizeHint(c), ColumnWidthForText(view, widest[c])));
    QHeaderView& lines = *view.verticalHeader();
    lines.setSectionResizeMode(QHeaderView::Fixed);
    const int vMargin = view.style()->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, &view) + 1;
    lines.setDefaultSectionSize(metrics.height() + 2 * vMargin);
}

} // namespace ranvik
