// The problems panel in the real window: every fault listed at once, the current cell moved
// to an entry, marks and points kept current as the chart changes.

#include "UiTestSupport.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/Translations.h"

#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QLabel>
#include <QTableView>
#include <QTest>

using namespace ranvik;
using ranvik::test::WindowTest;

namespace {

class ProblemsPanelTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ui().roundsBox->setValue(3);
        ui().playersBox->setValue(4);
        // Numbered lines: a line whose name is cleared still holds a player.
        for (int row = 1; row <= 4; ++row) {
            setCell(1, row, "P" + std::to_string(row));
            setCell(2, row, std::to_string(100000 + row));
        }
        if (!ui().problemsDock->isVisible())
            ui().showProblemsAction->trigger();
        settle();
    }
    static void settle() { QCoreApplication::processEvents(); }
    QStringList listed(QTableView* view, int column = 3) {
        QStringList texts;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            texts << view->model()->index(r, column).data().toString();
        return texts;
    }
    QVariant chartData(int col, int row, int role) {
        auto* model = ui().chartView->chartModel();
        return model->data(model->indexOf(col, row), role);
    }
};

} // namespace

TEST_F(ProblemsPanelTest, ListsEveryFaultAtOnceAndMarksTheirCells) {
    setCell(1, 2, "");     // missing name
    setCell(3, 3, "fast"); // invalid rating
    setCell(6, 1, "Q");    // invalid result in "Rd 3"
    settle();
    EXPECT_EQ(listed(ui().problemsView),
              QStringList({"Invalid result or opponent, or incorrect tournament type. Line 1, "
                           "Rd 3.",
                           "Missing name. Line 2, name.", "Invalid rating. Line 3, rating."}));
    EXPECT_EQ(ui().problemsView->model()->index(0, 2).data().toString(), "Rd 3");
    EXPECT_EQ(ui().problemsView->model()->index(0, 1).data().toString(), "P1");
    EXPECT_TRUE(chartData(6, 1, ChartModel::FaultMarkRole).toBool());
    EXPECT_TRUE(chartData(6, 1, Qt::BackgroundRole).isValid());
    EXPECT_EQ(chartData(3, 3, Qt::ToolTipRole).toString(), "Invalid rating. Line 3, rating.");
    EXPECT_FALSE(chartData(5, 1, ChartModel::FaultMarkRole).toBool());
    EXPECT_TRUE(ui().problemsSummaryLabel->text().contains("Faults: 3"));
}

TEST_F(ProblemsPanelTest, DoubleClickMovesTheCurrentCellAndAFixedFaultLeaves) {
    setCell(3, 3, "fast");
    setCell(1, 2, "");
    settle();
    QTableView* list = ui().problemsView;
    ASSERT_EQ(list->model()->rowCount(), 2);
    const QModelIndex second = list->model()->index(1, 0);
    const QRect rect = list->visualRect(second);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(ui().chartView->currentCol(), 3);
    EXPECT_EQ(ui().chartView->currentRow(), 3);

    enter(3, 3, "1500");
    settle();
    EXPECT_EQ(listed(list), QStringList({"Missing name. Line 2, name."}));
    EXPECT_FALSE(chartData(3, 3, ChartModel::FaultMarkRole).toBool());
}

TEST_F(ProblemsPanelTest, InconsistentPairIsOneEntryAndPointsFollowTheResults) {
    enter(4, 1, "w2"); // mirrored as L1 in line 2
    settle();
    EXPECT_EQ(ui().scoresView->model()->index(0, 0).data().toString(), "1");
    EXPECT_EQ(ui().scoresView->model()->index(1, 0).data().toString(), "0");
    setCell(4, 2, "D1"); // a draw against a win: both cells, one entry
    settle();
    EXPECT_EQ(listed(ui().problemsView),
              QStringList({"Inconsistent results found. Line 1, Rd 1."}));
    EXPECT_EQ(ui().problemsView->model()->index(0, 0).data().toString(), "1 / 2");
    EXPECT_TRUE(chartData(4, 2, ChartModel::FaultMarkRole).toBool());
    EXPECT_EQ(ui().scoresView->model()->index(1, 0).data().toString(), "½");
}

TEST_F(ProblemsPanelTest, AHiddenPanelShowsWhatChangedMeanwhile) {
    ui().showProblemsAction->trigger(); // hidden
    setCell(1, 2, "");
    settle();
    EXPECT_TRUE(ui().problemsSummaryLabel->text().contains("Faults: 1"));
    ui().showProblemsAction->trigger();
    settle();
    EXPECT_EQ(listed(ui().problemsView), QStringList({"Missing name. Line 2, name."}));
}

// A French director reads the faults, a cell's tooltip and the step Undo names in French:
// each is put together from translated parts, the cell's place included.
TEST_F(ProblemsPanelTest, FaultsTooltipsAndUndoNamesReadInFrench) {
    ASSERT_TRUE(UseLanguage(QLocale(QLocale::French, QLocale::Canada)));
    setCell(1, 2, "");     // missing name
    setCell(3, 3, "fast"); // invalid rating
    enter(4, 1, "w2");     // mirrored as L1 in line 2
    setCell(4, 2, "D1");   // a draw against a win
    enter(1, 4, "Zed");    // a typed step Undo names
    settle();
    const QStringList french = listed(ui().problemsView);
    auto* undo = form().findChild<QAction*>(QStringLiteral("undoAction"));
    ASSERT_NE(undo, nullptr);
    const QString undoText = undo->text();
    const QString tooltip = chartData(3, 3, Qt::ToolTipRole).toString();
    UseLanguage(QLocale::c());
    EXPECT_EQ(french,
              QStringList({"Résultats incohérents. Ligne 1, Ro 1.", "Nom manquant. Ligne 2, nom.",
                           "Cote invalide. Ligne 3, cote."}));
    EXPECT_EQ(tooltip, "Cote invalide. Ligne 3, cote.");
    EXPECT_EQ(undoText, "&Annuler Nom à la ligne 4");
}
