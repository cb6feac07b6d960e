#pragma once
// The chart document's changes as Qt signals. The core tells its changes through plain
// callbacks and listeners (it knows no Qt); this one object takes them and lets any number
// of widgets follow: the settings strip, the edit actions, the recovery copy.

#include "chart/Chart.h"

#include <QObject>

namespace ranvik {

class Tournament;

class DocumentSignals : public QObject, private ChartListener {
    Q_OBJECT
  public:
    // Takes the tournament's shape callback and its history's steps callback: one such
    // object per tournament.
    explicit DocumentSignals(Tournament& tournament, QObject* parent = nullptr);
    ~DocumentSignals() override;
    DocumentSignals(const DocumentSignals&) = delete;
    DocumentSignals& operator=(const DocumentSignals&) = delete;

  signals:
    // The counts or the type changed (a command, an undo, a file opened).
    void shapeChanged();
    // An undo step was added, undone or redone, or the history was cleared.
    void stepsChanged();
    // Cell text or the visible size changed (typing makes no step until it is closed).
    void textChanged();

  private:
    void cellsChanged(int col0, int row0, int col1, int row1) override;
    void sizeChanged() override;

    Tournament& tournament_;
};

} // namespace ranvik
