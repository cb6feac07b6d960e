// The main window's keyboard: standard shortcuts, the Enter option, and the chart keeping
// the focus.

#include "ui/MainWindow.h"

#include "ui/ChartView.h"

#include "settings/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace ranvik {

void MainWindow::buildEnterAction(QMenu* tools) {
    enterMovesAction_ = tools->addAction(tr("Enter moves to the next cell"));
    enterMovesAction_->setObjectName(QStringLiteral("enterMovesAction"));
    enterMovesAction_->setCheckable(true);
    const bool on = settings_->get(setting::EnterMovesDown);
    enterMovesAction_->setChecked(on);
    chartView_->setEnterMovesDown(on);
    connect(enterMovesAction_, &QAction::toggled, this, [this](bool checked) {
        chartView_->setEnterMovesDown(checked);
        settings_->set(setting::EnterMovesDown, checked);
    });
}

void MainWindow::addStandardShortcuts() {
    const std::pair<const char*, QKeySequence::StandardKey> keys[] = {
        {"newAction", QKeySequence::New},   {"openAction", QKeySequence::Open},
        {"saveAction", QKeySequence::Save}, {"saveAsAction", QKeySequence::SaveAs},
        {"quitAction", QKeySequence::Quit}, {"helpAction", QKeySequence::HelpContents},
    };
    for (const auto& [name, key] : keys) {
        if (auto* action = findChild<QAction*>(QString::fromLatin1(name)))
            action->setShortcut(key);
    }
    // Some platforms have no standard key for these; use what directors know elsewhere.
    const std::pair<const char*, QKeySequence> fallbacks[] = {
        {"saveAsAction", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"quitAction", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"helpAction", QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [name, key] : fallbacks) {
        auto* action = findChild<QAction*>(QString::fromLatin1(name));
        if (action && action->shortcut().isEmpty())
            action->setShortcut(key);
    }

    auto* database = menuBar()->findChild<QMenu*>(QStringLiteral("databaseMenu"));
    findMemberAction_ = database ? database->addAction(tr("&Find member by name"))
                                 : new QAction(tr("&Find member by name"), this);
    findMemberAction_->setObjectName(QStringLiteral("findMemberAction"));
    findMemberAction_->setShortcut(QKeySequence::Find);
    connect(findMemberAction_, &QAction::triggered, this, [this] {
        if (!showMembersBox_->isChecked()) {
            showMembersBox_->setChecked(true);
            showMembers(true);
        }
        memberNameSearch_->setFocus(Qt::ShortcutFocusReason);
        memberNameSearch_->selectAll();
    });
}

void MainWindow::focusChart() {
    chartView_->setFocus(Qt::OtherFocusReason);
}

} // namespace ranvik
