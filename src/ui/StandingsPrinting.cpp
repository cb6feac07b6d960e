#include "ui/StandingsPrinting.h"

#include "ui/QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

namespace ranvik {

namespace {

// Qt's rich text reads only a subset of CSS: the web page's style sheet gives way to a simpler
// one, and borders and padding come from the table's own attributes. The own cell of a round
// robin is shaded as on the screen.
QString PrintableHtml(const StandingsDocument& document) {
    QString html = ToQString(StandingsHtml(document));
    html.replace(QRegularExpression(QStringLiteral("<style>.*</style>")), QString());
    html.replace(QLatin1String("<table>"),
                 QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
                                "style=\"border-collapse:collapse;border-color:#999999\">"));
    html.replace(QStringLiteral("<td>\u00d7</td>"),
                 QStringLiteral("<td align=\"center\" bgcolor=\"#cccccc\">\u00d7</td>"));
    return html;
}

constexpr const char* kPrintStyle =
    "body{font-family:'DejaVu Sans',sans-serif;font-size:9pt;color:#111111}"
    "h1{font-size:16pt;margin-bottom:2pt}h2{font-size:12pt;margin-top:10pt;margin-bottom:4pt}"
    "p.heading{margin-top:0;margin-bottom:0;color:#444444}"
    "th{background-color:#eeeeee;font-weight:bold;white-space:nowrap}"
    "td{white-space:nowrap}td.n{text-align:right}";

} // namespace

void PrintStandings(const StandingsDocument& document, QPrinter& printer) {
    QTextDocument text;
    text.documentLayout()->setPaintDevice(&printer);
    text.setDefaultStyleSheet(QLatin1String(kPrintStyle));
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
