// The main window at start and the tournament type controls, driven through the real widgets.

#include "UiTestSupport.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QButtonGroup>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

using namespace ranvik;
using ranvik::test::WindowTest;

namespace {

class MainWindowTest : public WindowTest {};

QString Heading(TForm1& form, int chartCol) {
    return form.chartModel()->headerData(chartCol - 1, Qt::Horizontal, Qt::DisplayRole).toString();
}
QString RowLabel(TForm1& form, int chartRow) {
    return form.chartModel()->headerData(chartRow - 1, Qt::Vertical, Qt::DisplayRole).toString();
}

} // namespace

TEST_F(MainWindowTest, StartsWithTenNumberedRowsAndOneRound) {
    EXPECT_EQ(form().windowTitle(), "Ranvik - Ratings report utility for the Korvath");
    EXPECT_EQ(form().chartModel()->rowCount(), 10);
    EXPECT_EQ(form().chartModel()->columnCount(), 4);
    EXPECT_EQ(Heading(form(), 1), "Name/Nom");
    EXPECT_EQ(Heading(form(), 4), "Rd 1");
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(RowLabel(form(), r), QString::number(r));
    EXPECT_EQ(form().NumPlayersSE->value(), 10);
    EXPECT_EQ(form().NumRndsSE->value(), 1);
    EXPECT_TRUE(form().NumRndsSE->isEnabled());
    EXPECT_FALSE(form().Modified());
    EXPECT_TRUE(form().AutoUpdateMenu->isChecked());
    EXPECT_FALSE(form().CreatereportforFIDE1->isVisible());
}

TEST_F(MainWindowTest, ReactivationDoesNotRebuildTheChart) {
    setCell(1, 1, "Kasparov");
    form().NumRndsSE->setValue(3);
    form().FormActivate();
    EXPECT_EQ(cell(1, 1), "Kasparov");
    EXPECT_EQ(form().chartModel()->columnCount(), 6);
}

TEST_F(MainWindowTest, ClickingRoundRobinLaysOutTheDiagonalAndDisablesRounds) {
    auto* radio = form().RadioGroup1Buttons->button(1);
    QTest::mouseClick(radio, Qt::LeftButton);
    EXPECT_EQ(form().tournament().type(), TournamentType::RoundRobin);
    EXPECT_EQ(form().chartModel()->columnCount(), 13); // 14 chart columns less the fixed one
    EXPECT_EQ(Heading(form(), 4), "1");
    EXPECT_EQ(Heading(form(), 13), "10");
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(cell(ChartColumn::FirstResult + r - 1, r), "X") << r;
        EXPECT_EQ(form().chartModel()->data(form().chartModel()->indexOf(ChartColumn::FirstResult + r - 1, r),
                                            Qt::DisplayRole),
                  "X");
    }
    EXPECT_FALSE(form().NumRndsSE->isEnabled());
    EXPECT_FALSE(form().NumRndsLabel->isEnabled());
    EXPECT_TRUE(form().Modified());

    QTest::mouseClick(form().RadioGroup1Buttons->button(0), Qt::LeftButton);
    EXPECT_EQ(form().chartModel()->columnCount(), 4);
    EXPECT_TRUE(form().NumRndsSE->isEnabled());
    EXPECT_EQ(cell(4, 1), "");
}

TEST_F(MainWindowTest, PlayersSpinBoxGrowsAndShrinksKeepingHiddenRows) {
    form().NumPlayersSE->setValue(12);
    setCell(1, 12, "Twelfth");
    form().NumPlayersSE->setValue(10);
    EXPECT_EQ(form().chartModel()->rowCount(), 10);
    form().NumPlayersSE->setValue(12);
    EXPECT_EQ(form().chartModel()->rowCount(), 12);
    EXPECT_EQ(form().chartModel()->data(form().chartModel()->indexOf(1, 12), Qt::DisplayRole),
              "Twelfth");
}

TEST_F(MainWindowTest, ColumnZeroShowsTheChartsOwnTexts) {
    setCell(0, 3, "x3");
    EXPECT_EQ(RowLabel(form(), 3), "x3");
}

TEST_F(MainWindowTest, ModelPassesTheModelCheckerThroughLayoutChanges) {
    QAbstractItemModelTester tester(form().chartModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    form().NumPlayersSE->setValue(25);
    form().RadioGroup1Buttons->button(2)->click();
    form().NumPlayersSE->setValue(3);
    form().RadioGroup1Buttons->button(0)->click();
    form().NumRndsSE->setValue(7);
    EXPECT_EQ(form().chartModel()->columnCount(), 10);
    EXPECT_EQ(form().chartModel()->rowCount(), 3);
}

TEST_F(MainWindowTest, MenusCarryTheirCaptions) {
    QStringList titles;
    for (QAction* a : form().menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&Tools", "&Database", "&Help"}));
    EXPECT_EQ(form().SaveasMenu->text(), "Save as...");
    EXPECT_EQ(form().SortplayersMenu->text(), "&Sort players in chart by rating");
    EXPECT_EQ(form().LoadplayerfromdatabaseMenu->text(), "&Load player from database");
}

TEST_F(MainWindowTest, ColumnWidthsAndRowHeightFollowTheDesign) {
    QHeaderView* h = form().StringGrid1->horizontalHeader();
    EXPECT_EQ(h->sectionSize(0), 116);
    EXPECT_EQ(h->sectionSize(1), 63);
    EXPECT_EQ(h->sectionSize(2), 56);
    EXPECT_EQ(h->sectionSize(3), 41);
    form().NumRndsSE->setValue(3);
    EXPECT_EQ(h->sectionSize(4), 48);
    EXPECT_EQ(form().StringGrid1->verticalHeader()->sectionSize(0), 24);
}
