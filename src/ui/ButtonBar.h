#pragma once

class QDialog;
class QPushButton;
class QWidget;

namespace ranvik {

// The "&OK" / "&Cancel" bar at the top left of a dialog: OK is the default button, Cancel
// rejects. The caller connects OK (the dialogs check their fields before accepting).
struct OkCancelBar {
    QWidget* panel = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

OkCancelBar MakeOkCancelBar(QDialog* dialog);

} // namespace ranvik
