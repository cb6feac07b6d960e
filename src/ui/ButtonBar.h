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

// The sunken 26-pixel panel along the top of the help and about windows, holding the
// default "&OK" button that closes the window.
struct OkBar {
    QWidget* panel = nullptr;
    QPushButton* ok = nullptr;
};

OkBar MakeOkBar(QDialog* dialog);

} // namespace ranvik
