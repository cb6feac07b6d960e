// The name, membership-number and rating columns stay in view while the results scroll
// sideways, and can still be edited, resized and clicked there.

#include "TestSupport.h"
#include "UiTestSupport.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/FrozenColumnsView.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace ranvik;
using namespace ranvik::test;

namespace {

constexpr int kRounds = 20;
constexpr int kLastResult = ChartColumn::FirstResult + kRounds - 1;

class FrozenColumnsTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        showMembers(false);
        ui().roundsBox->setValue(kRounds);
        setCell(ChartColumn::Name, 1, "Ann Lee");
        setCell(ChartColumn::Name, 2, "Bo Chen");
        settle();
    }
    void showMembers(bool shown) {
        if (ui().showMembersBox->isChecked() != shown)
            ui().showMembersBox->click();
        settle();
    }
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    ChartView& view() { return *ui().chartView; }
    FrozenColumnsView& frozen() {
        return *view().findChild<FrozenColumnsView*>(QStringLiteral("frozenColumns"));
    }
    int scrolled() { return view().horizontalScrollBar()->value(); }
    QModelIndex indexOf(int col, int row) { return view().chartModel()->indexOf(col, row); }
    QLineEdit* openEditor() { return qobject_cast<QLineEdit*>(keyTarget()); }
    void key(Qt::Key k) { QTest::keyClick(keyTarget(), k); }
};

} // namespace

TEST_F(FrozenColumnsTest, TheNameColumnsStayOverTheScrolledResults) {
    ASSERT_TRUE(frozen().isVisible());
    select(kLastResult, 1);
    settle();
    ASSERT_GT(scrolled(), 0) << "the chart should be wide enough to scroll";
    // The overlay starts where the cells start and is as wide as the three columns.
    EXPECT_EQ(frozen().mapTo(&view(), QPoint(0, 0)).x(), view().viewport()->geometry().left());
    const int width = view().columnWidth(0) + view().columnWidth(1) + view().columnWidth(2);
    EXPECT_EQ(frozen().frozenWidth(), width);
    EXPECT_EQ(frozen().width(), width);
    // Its cells show the names, at the rows the chart shows.
    const QRect name = frozen().visualRect(indexOf(ChartColumn::Name, 2));
    EXPECT_EQ(frozen().indexAt(name.center()), indexOf(ChartColumn::Name, 2));
    EXPECT_EQ(name.top(), view().visualRect(indexOf(kLastResult, 2)).top());
    // The points beside the chart end where its cells end, above its scroll bar.
    const auto* points = form().findChild<QTableView*>(QStringLiteral("scoresView"));
    const auto bottom = [](const QWidget* cells) {
        return cells->mapToGlobal(QPoint(0, cells->height())).y();
    };
    EXPECT_EQ(bottom(points->viewport()), bottom(view().viewport()));

    // Going back left, the first round comes out beside the frozen columns, not beneath.
    key(Qt::Key_Home);
    EXPECT_EQ(view().currentCol(), ChartColumn::Name);
    EXPECT_GT(scrolled(), 0) << "moving into a frozen column scrolls nothing";
    select(kLastResult, 1);
    for (int col = kLastResult; col > ChartColumn::FirstResult; --col)
        key(Qt::Key_Left);
    EXPECT_EQ(view().currentCol(), ChartColumn::FirstResult);
    EXPECT_GE(view().visualRect(view().currentIndex()).left(), width);
}

TEST_F(FrozenColumnsTest, ANameTypedWhileScrolledIsEditedInSight) {
    select(kLastResult, 2);
    settle();
    const int scrolledTo = scrolled();
    key(Qt::Key_Home);
    type(QStringLiteral("Zed"));
    QLineEdit* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->parentWidget(), frozen().viewport()) << "above the overlay, not under";
    EXPECT_EQ(editor->geometry(), frozen().visualRect(indexOf(ChartColumn::Name, 2)));
    EXPECT_EQ(editor->text(), "Zed");
    pressEnter();
    EXPECT_EQ(cell(ChartColumn::Name, 2), "Zed");
    EXPECT_EQ(openEditor(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), &view());
    EXPECT_EQ(scrolled(), scrolledTo);

    // A double-click on a frozen cell opens the same editor there.
    const QRect rating = frozen().visualRect(indexOf(ChartColumn::Rating, 1));
    QTest::mouseClick(frozen().viewport(), Qt::LeftButton, {}, rating.center());
    QTest::mouseDClick(frozen().viewport(), Qt::LeftButton, {}, rating.center());
    editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->parentWidget(), frozen().viewport());
    type(QStringLiteral("1800"));
    pressEnter();
    EXPECT_EQ(cell(ChartColumn::Rating, 1), "1800");
}

TEST_F(FrozenColumnsTest, ResizingTheNameHeadingResizesBothViews) {
    const int wider = view().columnWidth(0) + 40;
    frozen().horizontalHeader()->resizeSection(0, wider);
    settle();
    EXPECT_EQ(view().columnWidth(0), wider);
    EXPECT_EQ(frozen().width(), frozen().frozenWidth());
    view().setColumnWidth(1, view().columnWidth(1) + 10);
    settle();
    EXPECT_EQ(frozen().columnWidth(1), view().columnWidth(1));
    EXPECT_EQ(frozen().width(), frozen().frozenWidth());

    // Saving keeps the director's widths; only another chart brings the usual ones back.
    const int number = view().columnWidth(1);
    test::TempDir dir;
    prompts::enqueueFileName(QString::fromStdString(dir.file("spring.tms")));
    ui().saveAsAction->trigger();
    EXPECT_EQ(view().columnWidth(0), wider);
    EXPECT_EQ(view().columnWidth(1), number);
    ui().newAction->trigger();
    EXPECT_LT(view().columnWidth(0), wider);
}

TEST_F(FrozenColumnsTest, EveryLayoutKeepsExactlyTheThreeColumnsFrozen) {
    const auto frozenShown = [this] {
        int shown = 0;
        for (int column = 0; column < frozen().model()->columnCount(); ++column)
            shown += frozen().isColumnHidden(column) ? 0 : 1;
        return shown;
    };
    for (const int type : {1, 2, 0}) { // round robin, double, back to Swiss
        ui().typeButtons->button(type)->click();
        settle();
        EXPECT_EQ(frozenShown(), 3) << "type " << type;
        EXPECT_EQ(frozen().width(), frozen().frozenWidth()) << "type " << type;
    }
}

TEST_F(FrozenColumnsTest, AChartTooNarrowForThemScrollsThemWithTheRest) {
    showMembers(true);
    ui().splitter->setSizes({frozen().frozenWidth(), 2000});
    settle();
    EXPECT_FALSE(frozen().isVisible());
    select(ChartColumn::Name, 1);
    type(QStringLiteral("X"));
    QLineEdit* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->parentWidget(), view().viewport());
    pressEnter();
    showMembers(false);
    EXPECT_TRUE(frozen().isVisible());
}
