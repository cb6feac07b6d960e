#pragma once
// The director's order of tie-breaks: the list in use, and the known tie-breaks to add
// to it, remove from it or move up and down.

#include "standings/TieBreak.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;

namespace ranvik {

class TieBreakOrderEditor : public QWidget {
    Q_OBJECT
  public:
    explicit TieBreakOrderEditor(QWidget* parent = nullptr);

    void setOrder(const std::vector<TieBreak>& order);
    std::vector<TieBreak> order() const { return order_; }

    // Every tie-break the core computes, in the order the add list offers them.
    static std::vector<TieBreak> KnownTieBreaks();

  signals:
    void orderChanged();

  private slots:
    void addChosen();
    void removeCurrent();
    void moveCurrent(int step);

  private:
    void showOrder(int current);
    void changeTo(std::vector<TieBreak> order, int current);

    std::vector<TieBreak> order_;
    QListWidget* list_ = nullptr;
    QComboBox* addCombo_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
};

} // namespace ranvik
