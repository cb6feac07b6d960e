#include "ui/SettingsStrip.h"

#include <QBoxLayout>
#include <QResizeEvent>

#include <algorithm>

namespace ranvik {

SettingsStrip::SettingsStrip(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("settingsStrip"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

void SettingsStrip::setBlocks(QLayout* settings, QLayout* database) {
    settings_ = settings;
    database_ = database;
    blocks_ = new QBoxLayout(QBoxLayout::LeftToRight, this);
    // The strip's least width is the stacked one (minimumSizeHint), not the layout's.
    blocks_->setSizeConstraint(QLayout::SetNoConstraint);
    const int gap = fontMetrics().averageCharWidth();
    blocks_->setContentsMargins(gap, gap / 2, gap, gap / 2);
    blocks_->setSpacing(gap * 2);
    blocks_->addLayout(settings);
    blocks_->addLayout(database, 1);
}

bool SettingsStrip::isStacked() const {
    return blocks_ && blocks_->direction() == QBoxLayout::TopToBottom;
}

int SettingsStrip::sideBySideWidth() const {
    const QMargins margins = blocks_->contentsMargins() + contentsMargins();
    // Side by side only where every control has its full width.
    return settings_->sizeHint().width() + blocks_->spacing() + database_->sizeHint().width() +
           margins.left() + margins.right();
}

QSize SettingsStrip::minimumSizeHint() const {
    if (!blocks_)
        return QFrame::minimumSizeHint();
    const QMargins margins = blocks_->contentsMargins() + contentsMargins();
    const int width = std::max(settings_->minimumSize().width(), database_->minimumSize().width());
    return {width + margins.left() + margins.right(),
            blocks_->minimumSize().height() + contentsMargins().top() + contentsMargins().bottom()};
}

void SettingsStrip::arrangeFor(int width) {
    const auto direction =
        width >= sideBySideWidth() ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (direction == blocks_->direction())
        return;
    blocks_->setDirection(direction);
    updateGeometry(); // stacked, the strip is taller: the window lays itself out again
}

void SettingsStrip::resizeEvent(QResizeEvent* event) {
    if (blocks_)
        arrangeFor(event->size().width());
    QFrame::resizeEvent(event);
}

} // namespace ranvik
