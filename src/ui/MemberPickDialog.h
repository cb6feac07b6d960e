#pragma once
// Which member a chart line is, when its name matches several members or none: the
// director picks one from the list, skips the line, or skips every line left. Closing the
// dialog skips every line left too.

#include "document/DocumentPrompts.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;

namespace ranvik {

class MemberCandidatesModel;

class MemberPickDialog : public QDialog {
    Q_OBJECT
  public:
    explicit MemberPickDialog(QWidget* parent = nullptr);

    void setQuestion(const MemberPickQuestion& question);
    // Shows the dialog (through the prompts seam) and gives the answer.
    MemberPick ask();

  private:
    void answer(PickAction action);
    void selectionChanged();

    MemberCandidatesModel* model_ = nullptr;
    QLabel* questionLabel_ = nullptr;
    QTableView* candidatesView_ = nullptr;
    QPushButton* pickButton_ = nullptr;
    MemberPick answer_;
};

} // namespace ranvik
