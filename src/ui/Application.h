#pragma once

#include <QApplication>

#include <memory>

namespace ranvik {

class MainWindow;
class TournamentInfoDialog;
class AboutDialog;
class MemberNumberCheckDialog;
class HelpDialog;
class QuestionDialog;

// The dialogs of a run, created once after the main window, as its children.
struct AppDialogs {
    TournamentInfoDialog* tournamentInfo = nullptr;
    AboutDialog* about = nullptr;
    MemberNumberCheckDialog* memberNumberCheck = nullptr;
    HelpDialog* help = nullptr;
    QuestionDialog* question = nullptr;
};

// The windows of a run, kept until the end.
struct AppWindows {
    std::unique_ptr<MainWindow> mainWindow;
    AppDialogs dialogs;
    AppWindows();
    ~AppWindows();
};

// Needs a QApplication.
std::unique_ptr<AppWindows> CreateAppWindows();

// The program's application object: running out of memory while an event is handled ends
// that command with a message, not the program, and leaves the chart as it was shown.
class Application : public QApplication {
    Q_OBJECT
  public:
    Application(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace ranvik
