#pragma once
// The main window's title: the chart's file name (or Untitled), its modified mark and the
// program's name, following the chart as it changes.

#include <QObject>

class QAbstractItemModel;
class QMainWindow;
class QTimer;

namespace ranvik {

class ChartDocument;

class WindowTitle : public QObject {
    Q_OBJECT
  public:
    WindowTitle(QMainWindow& window, const ChartDocument& document, QAbstractItemModel& chart);

    void refresh();

  private:
    QMainWindow& window_;
    const ChartDocument& document_;
};

} // namespace ranvik
