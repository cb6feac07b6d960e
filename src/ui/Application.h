#pragma once

#include <memory>

namespace ranvik {

class TForm1;
class TTnmtHeaderDlg;
class TAboutDlg;
class TCheckQRBNumbersDlg;
class THelpDlg;
class TMsgDlg;

// The six windows of a run, created in this order and kept until the end.
struct AppWindows {
    std::unique_ptr<TForm1> form1;
    TTnmtHeaderDlg* tnmtHeader = nullptr;
    TAboutDlg* about = nullptr;
    TCheckQRBNumbersDlg* checkNumbers = nullptr;
    THelpDlg* help = nullptr;
    TMsgDlg* msgDlg = nullptr;
    AppWindows();
    ~AppWindows();
};

// Needs a QApplication.
std::unique_ptr<AppWindows> CreateAppWindows();

// Creates the application and its windows, runs the event loop, returns the exit code.
int RunApplication(int argc, char* argv[]);

} // namespace ranvik
