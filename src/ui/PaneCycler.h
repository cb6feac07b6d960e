#pragma once
// F6 and Shift+F6: the focus to the next or previous pane of the window that shows, as in
// other desktop programs (Tab belongs to the chart, where it moves between cells).

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace ranvik {

class PaneCycler : public QObject {
    Q_OBJECT
  public:
    // Adds the two keys' actions to `window`.
    explicit PaneCycler(QWidget& window);

    // Panes in the window's order; `target` is asked at each move where the focus goes in
    // the pane `area`.
    void addPane(QWidget* area, std::function<QWidget*()> target);
    // The next (step 1) or previous (step -1) pane that shows.
    void focusPane(int step);

  private:
    struct Pane {
        QWidget* area;
        std::function<QWidget*()> target;
    };
    std::vector<Pane> panes_;
    // The pane taken as current when the focus is in none of them.
    static constexpr int Home = 1;
};

} // namespace ranvik
