#include "ui/Application.h"

#include "ui/AboutDlg.h"
#include "ui/CheckQRBNumbersDlg.h"
#include "ui/HelpDlg.h"
#include "ui/MainWindow.h"
#include "ui/MsgDlg.h"
#include "ui/TnmtHeaderDlg.h"

#include <QApplication>

namespace ranvik {

AppWindows::AppWindows() = default;
AppWindows::~AppWindows() = default;

std::unique_ptr<AppWindows> CreateAppWindows() {
    auto windows = std::make_unique<AppWindows>();
    windows->form1 = std::make_unique<TForm1>();
    TForm1* main = windows->form1.get();
    // The dialogs are children of the main window: modal over it, gone with it.
    windows->tnmtHeader = new TTnmtHeaderDlg(main);
    windows->about = new TAboutDlg(main);
    windows->checkNumbers = new TCheckQRBNumbersDlg(main);
    windows->help = new THelpDlg(main);
    windows->msgDlg = new TMsgDlg(main);
    main->setDialogs(windows->tnmtHeader, windows->about, windows->checkNumbers, windows->help,
                     windows->msgDlg);
    return windows;
}

int RunApplication(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ranvik"));
    auto windows = CreateAppWindows();
    windows->form1->show();
    return app.exec();
}

} // namespace ranvik
