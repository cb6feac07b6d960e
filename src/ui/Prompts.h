#pragma once
// The one seam for every modal window the program shows. In normal use each dialog runs
// its own event loop; a test queues scripts that act on the real dialog instead of a user
// (click a button, fill a field) and file names in place of the file dialogs.

#include "validation/Validation.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

namespace ranvik::prompts {

using Script = std::function<void(QDialog&)>;

// Test side.
void enqueue(Script script);
void enqueueFileName(const QString& path); // an empty path cancels the file dialog
int pendingScripts();
int pendingFileNames();
void clearQueues();
// With strict mode on (tests), a dialog with no script queued is not shown: it is closed
// as cancelled and its title and text are recorded, so a test cannot hang on it.
void setStrict(bool strict);
QStringList unexpectedDialogs();

// Program side. Runs a modal dialog and gives its result code.
int execModal(QDialog& dialog);
// Gives the next queued file name; false when none is queued (show the real dialog).
bool takeFileName(QString& path);
// What the last file dialog proposed (folder and name), for tests to check.
void noteFileProposal(const QString& proposal);
QString lastFileProposal();

// Standard message boxes with the program's titles.
void showError(QWidget* parent, const QString& text);
void showInformation(QWidget* parent, const QString& text);
// A question with standard buttons, titled with what it is about ("Save changes?"); gives
// the button pressed.
QMessageBox::StandardButton confirm(QWidget* parent, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons);
// A warning with standard buttons, titled with what it is about; gives the button pressed.
QMessageBox::StandardButton warn(QWidget* parent, const QString& title, const QString& text,
                                 QMessageBox::StandardButtons buttons);
// The chart inconsistency question: "Cancel", "&Ignore", "&All"; Escape is Cancel.
InconsistencyAnswer askInconsistency(QWidget* parent, const QString& text);

} // namespace ranvik::prompts
