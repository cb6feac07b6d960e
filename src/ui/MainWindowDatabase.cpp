#include "ui/MainWindow.h"

#include "ui/DatabaseView.h"

namespace ranvik {

// The membership database handlers arrive with the database work.
void TForm1::createDatabaseView() { db_ = std::make_unique<DatabaseView>(); }
void TForm1::DatabaseStartup() {}
void TForm1::FormDestroy() {}
void TForm1::InitDBase() {}
void TForm1::OpenDBase() {}
void TForm1::TweakColWidths() {}
void TForm1::findplayer() {}
void TForm1::ViewDatabaseCBClick() {}
void TForm1::LoadFromDatabaseBtnClick() {}
void TForm1::NameLEChange() {}
void TForm1::IDLEChange() {}
void TForm1::DBGrid1DblClick() {}
void TForm1::OpendatabaseMenuClick() {}
void TForm1::SortNameMenuClick() {}
void TForm1::SortIDMenuClick() {}
void TForm1::SortProvinceMenuClick() {}

} // namespace ranvik
