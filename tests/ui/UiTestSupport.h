#pragma once
// A fixture with the program's six windows, the main window shown offscreen, and helpers
// that type into the real chart view and answer dialogs by script.

#include "MainWindowParts.h"

#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/Prompts.h"

#include "platform/Paths.h"

#include <QDir>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace ranvik::test {

// A path as Qt spells it ("C:/..." on Windows), as the window's dialogs hold it.
inline QString QtSpelling(const std::filesystem::path& path) {
    return QDir::fromNativeSeparators(QString::fromStdString(platform::Utf8FromPath(path)));
}

// A failed write's message: the program's line, then the system's reason on a second line.
inline ::testing::AssertionResult IsWriteError(const QString& shown, const QString& firstLine) {
    const QStringList lines = shown.split(QLatin1Char('\n'));
    if (lines.size() == 2 && lines[0] == firstLine && !lines[1].trimmed().isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "shown \"" << shown.toStdString() << "\", expected \"" << firstLine.toStdString()
           << "\" and a reason on a second line";
}

// A dialog's widget by its object name; throws (failing the test) when there is none.
template <class T> T* PartOf(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(dialog.objectName().toStdString() + " has no " + name);
    return found;
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    MainWindow& form() { return *windows_->mainWindow; }
    AppWindows& windows() { return *windows_; }
    // The main window's widgets and actions.
    MainWindowParts& ui();
    QString chartFileName() { return QString::fromStdString(form().document().fileName()); }

    // Makes (col, row) the chart's current cell, as a click would.
    void select(int col, int row);
    // Types text into the focused part of the chart (the view, or the editor once open).
    void type(const QString& text);
    void pressEnter();
    // The widget that takes typed keys: the open cell editor, else the chart view.
    QWidget* keyTarget();
    // select + type + Enter.
    void enter(int col, int row, const QString& text);
    std::string cell(int col, int row);
    void setCell(int col, int row, const std::string& text);

    // Scripts: press the button with this caption (ignoring "&"), remembering the message.
    static prompts::Script clickButton(const QString& caption, QString* message = nullptr);
    static prompts::Script clickStandard(QMessageBox::StandardButton button,
                                         QString* message = nullptr);
    // Answers the question dialog with button n (1 to 4).
    static prompts::Script answerQuestion(int n, QString* message = nullptr);
    // Types Spring Open, ON, 2008/06/18 and TD 654321 into the tournament information
    // dialog (over what it held) and presses OK, remembering the tournament type it showed.
    static prompts::Script fillTournamentInfo(QString* typeShown = nullptr);
    // Presses OK in the membership-number list, remembering the list.
    static prompts::Script confirmNumberList(QString* list = nullptr);

  private:
    std::unique_ptr<AppWindows> windows_;
    std::unique_ptr<MainWindowParts> parts_;
};

} // namespace ranvik::test
