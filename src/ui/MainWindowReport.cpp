#include "ui/MainWindow.h"

namespace ranvik {

// The report road arrives with the report work.
void TForm1::CreateReportBtnClick() {}

} // namespace ranvik
