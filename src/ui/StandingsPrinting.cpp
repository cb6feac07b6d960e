#include "ui/StandingsPrinting.h"

#include "ui/QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>

namespace ranvik {

namespace {

// Rich text reads cell borders from the table's own attributes, not from the web page's style
// sheet; both are given so each reader finds its own.
QString PrintableHtml(const StandingsDocument& document) {
    QString html = ToQString(StandingsHtml(document));
    html.replace(QLatin1String("<table>"),
                 QLatin1String("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                               "style=\"border-collapse:collapse;border-color:#999\">"));
    return html;
}

} // namespace

void PrintStandings(const StandingsDocument& document, QPrinter& printer) {
    QTextDocument text;
    text.documentLayout()->setPaintDevice(&printer);
    text.setHtml(PrintableHtml(document));
    const QSizeF body = printer.pageRect(QPrinter::DevicePixel).size();
    text.setPageSize(body);
    // A cross-table wider than the paper (a long Swiss, a big round robin) is laid out at its
    // natural width and drawn smaller, as the exported PDF shrinks its font, rather than cut.
    const qreal scale = std::min<qreal>(1.0, body.width() / text.idealWidth());
    const QSizeF page = body / scale;
    text.setPageSize(page);

    QPainter painter(&printer);
    painter.scale(scale, scale);
    for (int index = 0; index < text.pageCount(); ++index) {
        if (index > 0)
            printer.newPage();
        painter.save();
        painter.translate(0, -index * page.height());
        text.drawContents(&painter, QRectF(QPointF(0, index * page.height()), page));
        painter.restore();
    }
}

PaperSize LocalPaperSize() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? PaperSize::Letter
                                                                      : PaperSize::A4;
}

} // namespace ranvik
