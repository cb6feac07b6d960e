#pragma once
// The strip above the chart with the chart's settings: the players and rounds counts and
// the tournament type, which it sets through the document (a change the director cancels
// at the document's question puts the control back) and which follow the document when
// it changes them (undo, a file opened). Beside them the report button and the database's
// view switch, which it only hands on.

#include "ui/SettingsStrip.h"

#include <array>

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QSpinBox;

namespace ranvik {

class ChartDocument;
class DocumentSignals;

class ChartSettingsStrip : public SettingsStrip {
    Q_OBJECT
  public:
    ChartSettingsStrip(ChartDocument& document, DocumentSignals& changes, QWidget* parent);

    // Brings the counts, the type and the rounds box's state in line with the document.
    void sync();

    // The database's view switch, set without telling anyone.
    bool membersShown() const;
    void setMembersShown(bool shown);
    // Where the focus goes when the director moves to the strip.
    QWidget* focusTarget() const;

  signals:
    void reportRequested();
    // The director switched the database's view on or off.
    void membersShownChanged(bool shown);

  private:
    QLayout* buildCounts();
    QSpinBox* addCount(QBoxLayout& row, QLabel* label, const char* name,
                       std::array<int, 3> leastMostStart);
    QLayout* buildType();
    void playersCountChanged(int value);
    void roundsCountChanged(int value);
    void typeChosen(int id);

    ChartDocument& document_;
    bool syncing_ = false;
    QSpinBox* playersBox_ = nullptr;
    QSpinBox* roundsBox_ = nullptr;
    QLabel* roundsLabel_ = nullptr;
    QButtonGroup* typeButtons_ = nullptr;
    QCheckBox* showMembersBox_ = nullptr;
};

} // namespace ranvik
