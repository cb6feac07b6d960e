#include "ui/RecentChartsMenu.h"

#include "document/RecentCharts.h"
#include "ui/QtText.h"

#include <QFileInfo>

namespace ranvik {

RecentChartsMenu::RecentChartsMenu(Settings& settings, QWidget* parent)
    : QMenu(tr("Open &recent"), parent), settings_(settings) {
    setObjectName(QStringLiteral("recentMenu"));
    connect(this, &QMenu::aboutToShow, this, &RecentChartsMenu::fill);
    fill();
}

void RecentChartsMenu::remember(const std::string& path) {
    if (path.empty() || path == last_)
        return;
    last_ = path;
    RememberRecentChart(settings_, last_);
    fill();
}

void RecentChartsMenu::fill() {
    clear();
    const std::vector<std::string> recent = LoadRecentCharts(settings_);
    int number = 1;
    for (const std::string& path : recent) {
        const QString shown = ToQString(path);
        QAction* item =
            addAction(QStringLiteral("&%1 %2").arg(number).arg(QFileInfo(shown).fileName()));
        item->setObjectName(QStringLiteral("recentChartAction%1").arg(number));
        item->setToolTip(shown);
        item->setData(shown);
        connect(item, &QAction::triggered, this, [this, shown] { emit chosen(shown); });
        ++number;
    }
    setEnabled(!recent.empty());
}

} // namespace ranvik
