#pragma once

#include <QSize>

class QWidget;

namespace ranvik {

// Moves a top-level window so that it stands in the middle of the primary screen's free
// area (the desktop without its panels). Does nothing when there is no screen.
void CenterOnScreen(QWidget& window);

// The widths the window's parts ask for at a first start, when no size is remembered.
struct StartWidths {
    int chartWanted = 0;  // the chart with ten result columns and its points
    int chartLeast = 0;   // the chart with five
    int membersWhole = 0; // the members list with its search boxes and buttons whole
    int membersShare = 0; // its share when that cannot be: the controls then scroll sideways
    int handle = 0;       // the splitter's handle between them
    int leastHeight = 0;  // the height below which the window never starts
};

struct StartLayout {
    QSize window;
    int chart = 0;
    int members = 0;
};

// The window's first size and split on a screen whose free area is `available`: as wide as
// both parts want, and most of the screen's height for the chart's rows, within the screen.
// The chart comes first: it keeps five result columns however small the screen, ten when
// there is room. The members list has its controls whole when that leaves the chart its five
// columns; else it has its share and the chart the rest.
StartLayout PlanStartLayout(const StartWidths& wanted, QSize available);

} // namespace ranvik
