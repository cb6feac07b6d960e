#include "ui/MainWindow.h"

namespace ranvik {

// The chart file commands arrive with the document lifecycle work.
void TForm1::NewMenuClick() {}
void TForm1::OpenMenuClick() {}
void TForm1::SaveMenuClick() {}
void TForm1::SaveasMenuClick() {}
void TForm1::ExitMenuClick() { close(); }
bool TForm1::FormCloseQuery() { return true; }
void TForm1::SaveGrid(const QString&) {}
bool TForm1::LoadGrid(const QString&) { return false; }

} // namespace ranvik
