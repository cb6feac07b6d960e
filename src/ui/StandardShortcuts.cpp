#include "ui/StandardShortcuts.h"

#include <QAction>
#include <QWidget>

#include <utility>

namespace ranvik {

void AddStandardShortcuts(QWidget& window) {
    const std::pair<const char*, QKeySequence::StandardKey> keys[] = {
        {"newAction", QKeySequence::New},   {"openAction", QKeySequence::Open},
        {"saveAction", QKeySequence::Save}, {"saveAsAction", QKeySequence::SaveAs},
        {"quitAction", QKeySequence::Quit}, {"helpAction", QKeySequence::HelpContents},
    };
    for (const auto& [name, key] : keys) {
        if (auto* action = window.findChild<QAction*>(QString::fromLatin1(name)))
            action->setShortcut(key);
    }
    // Some platforms have no standard key for these; use what directors know elsewhere.
    const std::pair<const char*, QKeySequence> fallbacks[] = {
        {"saveAsAction", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"quitAction", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"helpAction", QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [name, key] : fallbacks) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        if (action && action->shortcut().isEmpty())
            action->setShortcut(key);
    }
}

} // namespace ranvik
