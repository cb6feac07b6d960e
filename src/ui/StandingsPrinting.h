#pragma once
// Printing the standings: the document laid out by Qt's rich text from the same HTML the
// export writes, so the printed page, the preview and the web page never disagree, and long
// tables break across pages with their header row repeated.

#include "standings/StandingsDocument.h"

class QPrinter;

namespace ranvik {

// Lays the document out on the printer's pages and prints it.
void PrintStandings(const StandingsDocument& document, QPrinter& printer);

// The paper the exported PDF uses: Letter where the locale measures in US units, else A4.
PaperSize LocalPaperSize();

} // namespace ranvik
