#include "ui/StandingsPrinting.h"

#include "ui/QtText.h"

#include <QLocale>
#include <QPrinter>
#include <QTextDocument>

namespace ranvik {

void PrintStandings(const StandingsDocument& document, QPrinter& printer) {
    QTextDocument text;
    // Rich text reads cell borders from the table's own attributes, not from the web page's
    // style sheet; both are given so each reader finds its own.
    QString html = ToQString(StandingsHtml(document));
    html.replace(QLatin1String("<table>"),
                 QLatin1String("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                               "style=\"border-collapse:collapse;border-color:#999\">"));
    text.setHtml(html);
    text.print(&printer);
}

PaperSize LocalPaperSize() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? PaperSize::Letter
                                                                      : PaperSize::A4;
}

} // namespace ranvik
