#include "ui/WindowTitle.h"

#include "document/ChartDocument.h"
#include "ui/QtText.h"

#include <QAbstractItemModel>
#include <QFileInfo>
#include <QMainWindow>
#include <QTimer>

namespace ranvik {

WindowTitle::WindowTitle(QMainWindow& window, const ChartDocument& document,
                         QAbstractItemModel& chart)
    : QObject(&window), window_(window), document_(document) {
    // The chart tells its changes before it marks itself modified: the title follows once
    // the change is complete.
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(0);
    connect(timer, &QTimer::timeout, this, &WindowTitle::refresh);
    auto later = [timer] { timer->start(); };
    connect(&chart, &QAbstractItemModel::modelReset, timer, later);
    connect(&chart, &QAbstractItemModel::layoutChanged, timer, later);
    connect(&chart, &QAbstractItemModel::dataChanged, timer, later);
    connect(&chart, &QAbstractItemModel::rowsInserted, timer, later);
    connect(&chart, &QAbstractItemModel::rowsRemoved, timer, later);
    connect(&chart, &QAbstractItemModel::columnsInserted, timer, later);
    connect(&chart, &QAbstractItemModel::columnsRemoved, timer, later);
    refresh();
}

void WindowTitle::refresh() {
    const QString path = ToQString(document_.fileName());
    window_.setWindowFilePath(path);
    const QString shown = path.isEmpty() ? tr("Untitled") : QFileInfo(path).fileName();
    window_.setWindowTitle(shown + QStringLiteral("[*] - ") +
                           tr("Ranvik - Ratings report utility for the Korvath"));
    window_.setWindowModified(document_.isModified());
}

} // namespace ranvik
