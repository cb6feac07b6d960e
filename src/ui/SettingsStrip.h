#pragma once
// The strip above the chart: the chart's settings in one block, the database's controls in
// another. Side by side when the window is wide enough; the database block goes under the
// settings when it is not, so a narrow window (half a laptop screen, a large scale factor)
// still shows every control whole.

#include <QFrame>

class QBoxLayout;
class QLayout;

namespace ranvik {

class SettingsStrip : public QFrame {
    Q_OBJECT
  public:
    explicit SettingsStrip(QWidget* parent);

    // Takes the two blocks; `settings` first (left, or on top).
    void setBlocks(QLayout* settings, QLayout* database);
    bool isStacked() const;

    // As narrow as the wider block alone; as tall as the blocks are laid out now.
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    int sideBySideWidth() const;
    void arrangeFor(int width);

    QBoxLayout* blocks_ = nullptr;
    QLayout* settings_ = nullptr;
    QLayout* database_ = nullptr;
};

} // namespace ranvik
