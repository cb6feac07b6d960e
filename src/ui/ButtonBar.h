#pragma once

class QDialog;
class QPushButton;
class QWidget;

namespace ranvik {

// The "&OK" / "&Cancel" button box of a dialog: OK is the default button, Cancel rejects.
// The caller connects OK (the dialogs check their fields before accepting) and places the
// box, at the dialog's foot.
struct OkCancelBar {
    QWidget* panel = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

OkCancelBar MakeOkCancelBar(QDialog* dialog);

// The button box of the help and about windows, holding the default "&OK" button that
// closes the window.
struct OkBar {
    QWidget* panel = nullptr;
    QPushButton* ok = nullptr;
};

OkBar MakeOkBar(QDialog* dialog);

} // namespace ranvik
