// The main window's keyboard: standard shortcuts, the Enter option, and the chart keeping
// the focus.

#include "ui/MainWindow.h"

#include "ui/ChartView.h"
#include "ui/MembersPane.h"
#include "ui/ProblemsPanel.h"
#include "ui/SettingsStrip.h"

#include "settings/Settings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>

#include <array>

namespace ranvik {

void MainWindow::buildEnterAction(QMenu* tools) {
    enterMovesAction_ = tools->addAction(tr("&Enter moves to the next cell"));
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

void MainWindow::buildPaneKeys() {
    // Tab belongs to the chart, where it moves between cells; F6 moves between the panes as
    // in other desktop programs.
    const std::pair<const char*, QKeySequence> keys[] = {
        {"nextPaneAction", QKeySequence(Qt::Key_F6)},
        {"previousPaneAction", QKeySequence(Qt::SHIFT | Qt::Key_F6)},
    };
    int step = 1;
    for (const auto& [name, key] : keys) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, step] { focusPane(step); });
        addAction(action);
        step = -1;
    }
}

void MainWindow::focusPane(int step) {
    struct Pane {
        QWidget* area;
        QWidget* target;
    };
    // In the window's order: settings above, the chart, the problems below it, the members.
    const std::array<Pane, 4> panes = {{{settingsStrip_, playersBox_},
                                        {chartView_, chartView_},
                                        {problemsPanel_, problemsPanel_->focusTarget()},
                                        {membersPane_, membersPane_}}};
    const int count = static_cast<int>(panes.size());
    const QWidget* focus = QApplication::focusWidget();
    int current = 1;
    for (int i = 0; i < count; ++i) {
        if (focus && (panes[i].area == focus || panes[i].area->isAncestorOf(focus)))
            current = i;
    }
    for (int k = 1; k < count; ++k) {
        const Pane& pane = panes[(current + step * k + count) % count];
        // A hidden pane is skipped, and so is a disabled one (the rounds of a round robin
        // are disabled, the players count never is).
        if (pane.area->isVisible() && pane.target->isEnabled()) {
            pane.target->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void MainWindow::focusChart() {
    chartView_->setFocus(Qt::OtherFocusReason);
}

} // namespace ranvik
