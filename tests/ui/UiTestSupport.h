#pragma once
// A fixture with the program's six windows, the main window shown offscreen, and helpers
// that type into the real chart view and answer dialogs by script.

#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/Prompts.h"

#include <QMessageBox>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace ranvik::test {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TForm1& form() { return *windows_->form1; }
    AppWindows& windows() { return *windows_; }

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
    static prompts::Script clickStandard(QMessageBox::StandardButton button, QString* message = nullptr);
    // Answers the message dialog with button n (1 to 4).
    static prompts::Script answerMsgDlg(int n, QString* message = nullptr);

private:
    std::unique_ptr<AppWindows> windows_;
};

} // namespace ranvik::test
