#include "ui/PaneCycler.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

namespace ranvik {

PaneCycler::PaneCycler(QWidget& window) : QObject(&window) {
    const std::pair<const char*, QKeySequence> keys[] = {
        {"nextPaneAction", QKeySequence(Qt::Key_F6)},
        {"previousPaneAction", QKeySequence(Qt::SHIFT | Qt::Key_F6)},
    };
    int step = 1;
    for (const auto& [name, key] : keys) {
        auto* action = new QAction(&window);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, step] { focusPane(step); });
        window.addAction(action);
        step = -1;
    }
}

void PaneCycler::addPane(QWidget* area, std::function<QWidget*()> target) {
    panes_.push_back({area, std::move(target)});
}

void PaneCycler::focusPane(int step) {
    const int count = static_cast<int>(panes_.size());
    const QWidget* focus = QApplication::focusWidget();
    int current = Home;
    for (int i = 0; i < count; ++i) {
        if (focus && (panes_[i].area == focus || panes_[i].area->isAncestorOf(focus)))
            current = i;
    }
    for (int k = 1; k < count; ++k) {
        const Pane& pane = panes_[(current + step * k + count) % count];
        QWidget* target = pane.target();
        // A hidden pane is skipped, and so is a disabled one (the rounds of a round robin
        // are disabled, the players count never is).
        if (pane.area->isVisible() && target->isEnabled()) {
            target->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

} // namespace ranvik
