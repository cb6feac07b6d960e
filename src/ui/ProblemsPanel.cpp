#include "ui/ProblemsPanel.h"

#include "standings/Standings.h"
#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/MessageText.h"
#include "ui/QtText.h"
#include "ui/SectionFit.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ranvik {

void ProblemsListModel::setEntries(std::vector<Entry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

int ProblemsListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int ProblemsListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProblemsListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const Entry& e = entry(index.row());
    switch (index.column()) {
    case Line:
        return e.line;
    case Name:
        return e.name;
    case Heading:
        return e.heading;
    default:
        return e.text;
    }
}

QVariant ProblemsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case Line:
        return tr("Line");
    case Name:
        return tr("Name");
    case Heading:
        return tr("Column");
    default:
        return tr("Problem");
    }
}

ScoresModel::ScoresModel(ChartProblems& problems, const ChartModel& chart, QObject* parent)
    : QAbstractTableModel(parent), problems_(problems), chart_(chart) {}

int ScoresModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : chart_.rowCount();
}

int ScoresModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant ScoresModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const int row = index.row() + 1;
    if (row > problems_.checkedRows())
        return {};
    // Half points as the director writes them and the cross-table shows them: ½, 3½, 10.
    return ToQString(ScoreWithHalf(problems_.halfPoints(row)));
}

QVariant ScoresModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0)
        return tr("Pts");
    return {};
}

void ScoresModel::rowsChanged(const std::vector<int>& chartRows) {
    for (const int row : chartRows) {
        if (row >= 1 && row <= rowCount())
            emit dataChanged(index(row - 1, 0), index(row - 1, 0));
    }
}

void ScoresModel::reset() {
    beginResetModel();
    endResetModel();
}

namespace {
QTableView* ListView(const QString& name, QAbstractItemModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    // One line of text a row, as in the chart, so the dock lists many entries.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().lineSpacing() +
                                                  view->fontMetrics().height() / 2);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return view;
}

// A list as high as its entries, up to kMostRows of them (then it scrolls): the chart keeps
// the rest of the window. On a screen too low for that it gives way down to one entry, so
// the window still fits the screen.
constexpr int kMostRows = 5;
void FitToEntries(QTableView& view, QWidget& title) {
    const int rows = view.model()->rowCount();
    view.setVisible(rows > 0);
    title.setVisible(rows > 0);
    const auto heightFor = [&view](int shown) {
        return view.horizontalHeader()->sizeHint().height() +
               shown * view.verticalHeader()->defaultSectionSize() + 2 * view.frameWidth();
    };
    view.setMinimumHeight(heightFor(std::min(rows, 1)));
    view.setMaximumHeight(heightFor(std::min(rows, kMostRows)));
}
} // namespace

ProblemsPanel::ProblemsPanel(ChartProblems& problems, ChartModel& model, ChartView& view,
                             QLabel& summary, QWidget* parent)
    : QDockWidget(tr("Problems"), parent), problems_(problems), model_(model), view_(view),
      summary_(summary) {
    setObjectName(QStringLiteral("problemsDock"));
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    // One line when all is well; the lists below it, as long as their entries, which the
    // director may fold away to give the chart the height.
    summaryButton_ = new QToolButton(body);
    summaryButton_->setObjectName(QStringLiteral("problemsSummaryButton"));
    summaryButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    summaryButton_->setAutoRaise(true);
    summaryButton_->setArrowType(Qt::DownArrow);
    summaryButton_->setToolTip(tr("Show or hide the lists"));
    faults_ = new ProblemsListModel(this);
    warnings_ = new ProblemsListModel(this);
    faultsView_ = ListView(QStringLiteral("problemsView"), faults_, body);
    warningsView_ = ListView(QStringLiteral("warningsView"), warnings_, body);
    lists_ = new QWidget(body);
    lists_->setObjectName(QStringLiteral("problemsLists"));
    auto* lists = new QVBoxLayout(lists_);
    lists->setContentsMargins(0, 0, 0, 0);
    faultsTitle_ = new QLabel(tr("Faults"), lists_);
    warningsTitle_ = new QLabel(tr("Warnings"), lists_);
    lists->addWidget(faultsTitle_);
    lists->addWidget(faultsView_);
    lists->addWidget(warningsTitle_);
    lists->addWidget(warningsView_);
    column->addWidget(summaryButton_, 0, Qt::AlignLeft);
    column->addWidget(lists_);
    column->addStretch(1);
    body->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    setWidget(body);
    setFocusProxy(faultsView_);
    connect(summaryButton_, &QToolButton::clicked, this, [this] {
        listsOpen_ = !listsOpen_;
        fitToContent();
    });
    for (QTableView* list : {faultsView_, warningsView_}) {
        connect(list, &QAbstractItemView::activated, this, &ProblemsPanel::goTo);
        connect(list, &QAbstractItemView::doubleClicked, this, &ProblemsPanel::goTo);
    }
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && listsStale_)
            fillLists();
    });

    scores_ = new ScoresModel(problems_, model_, this);
    scoresView_ = new QTableView;
    scoresView_->setObjectName(QStringLiteral("scoresView"));
    scoresView_->setModel(scores_);
    scoresView_->setFocusPolicy(Qt::NoFocus);
    scoresView_->setSelectionMode(QAbstractItemView::NoSelection);
    scoresView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scoresView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scoresView_->verticalHeader()->hide();
    // Rows line up with the chart's: same height, scrolled together.
    scoresView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    scoresView_->verticalHeader()->setDefaultSectionSize(
        view_.verticalHeader()->defaultSectionSize());
    scoresView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // As wide as the widest score in the view's own font, whatever the font's size.
    const int width =
        ColumnWidthForText(*scoresView_,
                           scoresView_->fontMetrics().horizontalAdvance(QStringLiteral("0000½"))) +
        2 * scoresView_->frameWidth();
    scoresView_->setMinimumWidth(width);
    scoresView_->setMaximumWidth(width);
    connect(view_.verticalScrollBar(), &QScrollBar::valueChanged, scoresView_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(scoresView_->verticalScrollBar(), &QScrollBar::valueChanged, view_.verticalScrollBar(),
            &QScrollBar::setValue); // the wheel over the points scrolls the chart too
    // While the chart shows its sideways scroll bar, an idle one here keeps the bottom rows
    // level with the chart's instead of showing a row the chart hides.
    connect(view_.horizontalScrollBar(), &QScrollBar::rangeChanged, scoresView_,
            [this](int min, int max) {
                scoresView_->setHorizontalScrollBarPolicy(max > min ? Qt::ScrollBarAlwaysOn
                                                                    : Qt::ScrollBarAlwaysOff);
            });
    connect(&model_, &QAbstractItemModel::rowsInserted, scores_, &ScoresModel::reset);
    connect(&model_, &QAbstractItemModel::rowsRemoved, scores_, &ScoresModel::reset);

    // The window deletes the chart model before the live check and before its children:
    // from then on nothing may read either.
    connect(&model_, &QObject::destroyed, this, [this] {
        scoresView_->setModel(nullptr);
        problems_.onUpdated = nullptr;
    });
    model_.setProblems(&problems_);
    problems_.onUpdated = [this](const ProblemsUpdate& update) { updated(update); };
    updated(ProblemsUpdate{true, {}, {}});
}

void ProblemsPanel::updated(const ProblemsUpdate& update) {
    if (update.everything) {
        model_.allMarksChanged();
        scores_->reset();
    } else {
        model_.marksChanged(update.cells);
        scores_->rowsChanged(update.scoreRows);
    }
    // The lists and the summary once the chart has settled: a load or a layout tells the
    // chart several times in a row.
    if (!showPending_) {
        showPending_ = true;
        QTimer::singleShot(0, this, &ProblemsPanel::showAll);
    }
}

QString ProblemsPanel::heading(int col) const {
    return ToQString(model_.tournament().chart().cell(col, 0));
}

void ProblemsPanel::showAll() {
    showPending_ = false;
    // The lists, each entry's text translated, only when they can be seen: the panel starts
    // hidden, and the check runs on every keystroke.
    int faults = 0;
    int warnings = 0;
    if (isVisible()) {
        fillLists();
        faults = faults_->rowCount();
        warnings = warnings_->rowCount();
    } else {
        listsStale_ = true;
        faults = problems_.faultCount();
        warnings = problems_.warningCount();
    }
    summary_.setText(tr("Players: %1   Games: %2 of %3   Faults: %4   Warnings: %5")
                         .arg(problems_.checkedRows())
                         .arg(problems_.gamesEntered())
                         .arg(problems_.gamesExpected())
                         .arg(faults)
                         .arg(warnings));
    // The summary takes only its own width of the status bar, the rest being the messages':
    // the bar makes room for a longer text at once, not an event later.
    if (QWidget* bar = summary_.parentWidget(); bar && bar->layout())
        bar->layout()->activate();
}

void ProblemsPanel::fillLists() {
    listsStale_ = false;
    const Chart& chart = model_.tournament().chart();
    auto entryFor = [&](const ChartCell& cell, const Message& text) {
        // The director's and organiser's numbers belong to no line.
        if (cell.row == 0)
            return ProblemsListModel::Entry{cell, {}, {}, {}, MessageText(text)};
        return ProblemsListModel::Entry{cell, QString::number(cell.row),
                                        ToQString(chart.cell(ChartColumn::Name, cell.row)),
                                        heading(cell.col), MessageText(text)};
    };
    std::vector<ProblemsListModel::Entry> faults;
    for (const ChartProblem& problem : problems_.problems()) {
        ProblemsListModel::Entry entry = entryFor(problem.cell, problem.text);
        if (problem.other.row > 0) {
            // Both cells of the pair: "3 / 5", "Rd 2" (the same round) or "4 / 2".
            entry.line += QStringLiteral(" / ") + QString::number(problem.other.row);
            const QString otherHeading = heading(problem.other.col);
            if (otherHeading != entry.heading)
                entry.heading += QStringLiteral(" / ") + otherHeading;
        }
        faults.push_back(std::move(entry));
    }
    std::vector<ProblemsListModel::Entry> warnings;
    for (const ChartWarning& warning : problems_.warnings())
        warnings.push_back(entryFor(warning.cell, warning.text));
    faults_->setEntries(std::move(faults));
    warnings_->setEntries(std::move(warnings));
    const int faultCount = faults_->rowCount();
    const int warningCount = warnings_->rowCount();
    summaryButton_->setText(
        faultCount + warningCount == 0
            ? tr("No faults, no warnings.")
            : tr("Faults: %1   Warnings: %2").arg(faultCount).arg(warningCount));
    fitToContent();
}

QWidget* ProblemsPanel::focusTarget() const {
    return faultsView_->isVisibleTo(widget()) ? static_cast<QWidget*>(faultsView_) : summaryButton_;
}

void ProblemsPanel::fitToContent() {
    FitToEntries(*faultsView_, *faultsTitle_);
    FitToEntries(*warningsView_, *warningsTitle_);
    const bool any = faults_->rowCount() + warnings_->rowCount() > 0;
    lists_->setVisible(any && listsOpen_);
    summaryButton_->setArrowType(!any ? Qt::NoArrow : listsOpen_ ? Qt::DownArrow : Qt::RightArrow);
    setFocusProxy(focusTarget());
    // The dock is no higher than what it shows; the window gives the chart the rest.
    widget()->setMaximumHeight(widget()->sizeHint().height());
    widget()->updateGeometry();
}

void ProblemsPanel::goTo(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const auto* list = static_cast<const ProblemsListModel*>(index.model());
    const ChartCell cell = list->entry(index.row()).cell;
    if (cell.row == 0)
        return;
    view_.setCurrentCell(cell.col, cell.row);
    view_.setFocus();
}

} // namespace ranvik
