#include "ui/Application.h"

#include "ui/AboutDialog.h"
#include "ui/HelpDialog.h"
#include "ui/MainWindow.h"
#include "ui/MemberNumberCheckDialog.h"
#include "ui/Prompts.h"
#include "ui/QuestionDialog.h"
#include "ui/TournamentInfoDialog.h"

#include <new>

namespace ranvik {

AppWindows::AppWindows() = default;
AppWindows::~AppWindows() = default;

std::unique_ptr<AppWindows> CreateAppWindows() {
    auto windows = std::make_unique<AppWindows>();
    windows->mainWindow = std::make_unique<MainWindow>();
    MainWindow* main = windows->mainWindow.get();
    // The dialogs are children of the main window: modal over it, gone with it.
    AppDialogs& dialogs = windows->dialogs;
    dialogs.tournamentInfo = new TournamentInfoDialog(main);
    dialogs.about = new AboutDialog(main);
    dialogs.memberNumberCheck = new MemberNumberCheckDialog(main);
    dialogs.help = new HelpDialog(main);
    dialogs.question = new QuestionDialog(main);
    main->setDialogs(dialogs);
    return windows;
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        // The command that ran short stops where it was; nothing it had not finished writing
        // replaced a file, since every write goes through the safe writer.
        prompts::showError(activeWindow(),
                           tr("Ranvik ran out of memory, so the last command was not finished. "
                              "Nothing was written. Save your work and close other programs."));
        return false;
    }
}

} // namespace ranvik
