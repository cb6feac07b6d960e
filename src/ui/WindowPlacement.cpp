#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ranvik {

void CenterOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

StartLayout PlanStartLayout(const StartWidths& wanted, QSize available) {
    // Five sixths: a chart of many players shows many rows, and the desktop still shows
    // around the window.
    const int tall = std::max(wanted.leastHeight, available.height() * 5 / 6);
    const QSize window =
        QSize(wanted.chartWanted + wanted.handle + wanted.membersWhole, tall).boundedTo(available);
    const int room = std::max(window.width() - wanted.handle, 0);
    // Controls cut by a few pixels help nobody: the chart keeps that width then.
    const int members =
        room - wanted.membersWhole >= wanted.chartLeast ? wanted.membersWhole : wanted.membersShare;
    const int least = std::min(wanted.chartLeast, room);
    const int chart = std::clamp(room - members, least, std::max(wanted.chartWanted, least));
    return {window, chart, room - chart};
}

} // namespace ranvik
