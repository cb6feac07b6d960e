#include "ui/FrozenColumnsView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyleOptionViewItem>

namespace ranvik {
namespace {

// The headings row as tall as the leader's, whatever headings it holds, so the cells of
// both views share their rows.
class MatchedHeader : public QHeaderView {
  public:
    MatchedHeader(const QHeaderView& leader, QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent), leader_(leader) {}

    QSize sizeHint() const override {
        QSize size = QHeaderView::sizeHint();
        size.setHeight(leader_.sizeHint().height());
        return size;
    }

  private:
    const QHeaderView& leader_;
};

} // namespace

FrozenColumnsView::FrozenColumnsView(QTableView& leader, int columns)
    : QTableView(&leader), leader_(leader), columns_(columns) {
    setObjectName(QStringLiteral("frozenColumns"));
    auto* header = new MatchedHeader(*leader.horizontalHeader(), this);
    setHorizontalHeader(header);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setMinimumSectionSize(leader.horizontalHeader()->minimumSectionSize());
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(leader.verticalHeader()->minimumSectionSize());
    verticalHeader()->setDefaultSectionSize(leader.verticalHeader()->defaultSectionSize());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(leader.verticalScrollMode());
    setSelectionMode(leader.selectionMode());
    setWordWrap(false);
    // The leader edits (a double-click here opens its editor) and keeps the focus.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::ClickFocus);
    setFocusProxy(&leader);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    connect(this, &QAbstractItemView::doubleClicked, &leader,
            [this](const QModelIndex& index) { leader_.edit(index); });

    // Both scroll together, whichever the wheel turned.
    connect(leader.verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, leader.verticalScrollBar(),
            &QScrollBar::setValue);
    connect(leader.horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { copyWidth(column, width); });
    connect(header, &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { copyWidthToLeader(column, width); });
    connect(leader.horizontalHeader(), &QHeaderView::geometriesChanged, this,
            &FrozenColumnsView::updateGeometries);
}

void FrozenColumnsView::followLeader() {
    setModel(leader_.model());
    if (!leader_.model())
        return;
    setSelectionModel(leader_.selectionModel());
    connect(leader_.model(), &QAbstractItemModel::columnsInserted, this,
            &FrozenColumnsView::hideScrolledColumns, Qt::UniqueConnection);
    connect(leader_.model(), &QAbstractItemModel::modelReset, this,
            &FrozenColumnsView::hideScrolledColumns, Qt::UniqueConnection);
    hideScrolledColumns();
}

void FrozenColumnsView::hideScrolledColumns() {
    if (!model())
        return;
    for (int column = 0; column < model()->columnCount(); ++column) {
        setColumnHidden(column, column >= columns_);
        if (column < columns_)
            copyWidth(column, leader_.columnWidth(column));
    }
    updateGeometry();
}

void FrozenColumnsView::copyWidth(int column, int width) {
    if (column >= columns_ || columnWidth(column) == width)
        return;
    setColumnWidth(column, width);
    updateGeometry(); // the layout asks sizeHint() again
}

void FrozenColumnsView::copyWidthToLeader(int column, int width) {
    if (column < columns_ && leader_.columnWidth(column) != width)
        leader_.setColumnWidth(column, width);
    updateGeometry();
}

int FrozenColumnsView::frozenWidth() const {
    int width = 0;
    if (!model())
        return width;
    const int shown = std::min(columns_, model()->columnCount());
    for (int column = 0; column < shown; ++column)
        width += leader_.columnWidth(column);
    return width;
}

QSize FrozenColumnsView::sizeHint() const {
    return {frozenWidth(), QTableView::sizeHint().height()};
}

QSize FrozenColumnsView::minimumSizeHint() const {
    return {frozenWidth(), 0};
}

void FrozenColumnsView::initViewItemOption(QStyleOptionViewItem* option) const {
    QTableView::initViewItemOption(option);
    if (leader_.hasFocus())
        option->state |= QStyle::State_Active;
}

} // namespace ranvik
