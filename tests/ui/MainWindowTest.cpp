// The main window at start and the tournament type controls, driven through the real widgets.

#include "UiTestSupport.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/SettingsStrip.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
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

class MainWindowTest : public WindowTest {
  protected:
    ChartModel& model() { return *ui().chartView->chartModel(); }
    QString heading(int chartCol) {
        return model().headerData(chartCol - 1, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    QString rowLabel(int chartRow) {
        return model().headerData(chartRow - 1, Qt::Vertical, Qt::DisplayRole).toString();
    }
};

} // namespace

TEST_F(MainWindowTest, StartsWithTenNumberedRowsAndOneRound) {
    EXPECT_EQ(form().windowTitle(),
              "Untitled[*] - Ranvik - Ratings report utility for the Korvath");
    EXPECT_EQ(model().rowCount(), 10);
    EXPECT_EQ(model().columnCount(), 4);
    EXPECT_EQ(heading(1), "Name/Nom");
    EXPECT_EQ(heading(4), "Rd 1");
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(rowLabel(r), QString::number(r));
    EXPECT_EQ(ui().playersBox->value(), 10);
    EXPECT_EQ(ui().roundsBox->value(), 1);
    EXPECT_TRUE(ui().roundsBox->isEnabled());
    EXPECT_FALSE(form().document().isModified());
    EXPECT_TRUE(ui().updateOpponentsAction->isChecked());
}

TEST_F(MainWindowTest, ReactivationDoesNotRebuildTheChart) {
    setCell(1, 1, "Kasparov");
    ui().roundsBox->setValue(3);
    // Shown again and activated again, as when the user comes back to the window.
    form().hide();
    form().show();
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(&form(), &activation);
    EXPECT_EQ(cell(1, 1), "Kasparov");
    EXPECT_EQ(model().columnCount(), 6);
}

TEST_F(MainWindowTest, ClickingRoundRobinLaysOutTheDiagonalAndDisablesRounds) {
    auto* radio = ui().typeButtons->button(1);
    QTest::mouseClick(radio, Qt::LeftButton);
    EXPECT_EQ(form().document().tournament().type(), TournamentType::RoundRobin);
    EXPECT_EQ(model().columnCount(), 13); // 14 chart columns less the fixed one
    EXPECT_EQ(heading(4), "1");
    EXPECT_EQ(heading(13), "10");
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(cell(ChartColumn::FirstResult + r - 1, r), "X") << r;
        EXPECT_EQ(
            model().data(model().indexOf(ChartColumn::FirstResult + r - 1, r), Qt::DisplayRole),
            "X");
    }
    EXPECT_FALSE(ui().roundsBox->isEnabled());
    EXPECT_FALSE(ui().roundsLabel->isEnabled());
    EXPECT_TRUE(form().document().isModified());

    QTest::mouseClick(ui().typeButtons->button(0), Qt::LeftButton);
    EXPECT_EQ(model().columnCount(), 4);
    EXPECT_TRUE(ui().roundsBox->isEnabled());
    EXPECT_EQ(cell(4, 1), "");
}

TEST_F(MainWindowTest, PlayersSpinBoxGrowsAndShrinksKeepingHiddenRows) {
    ui().playersBox->setValue(12);
    setCell(1, 12, "Twelfth");
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    ui().playersBox->setValue(10);
    EXPECT_EQ(model().rowCount(), 10);
    ui().playersBox->setValue(12);
    EXPECT_EQ(model().rowCount(), 12);
    EXPECT_EQ(model().data(model().indexOf(1, 12), Qt::DisplayRole), "Twelfth");
}

TEST_F(MainWindowTest, ColumnZeroShowsTheChartsOwnTexts) {
    setCell(0, 3, "x3");
    EXPECT_EQ(rowLabel(3), "x3");
}

TEST_F(MainWindowTest, ModelPassesTheModelCheckerThroughLayoutChanges) {
    QAbstractItemModelTester tester(&model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    ui().playersBox->setValue(25);
    ui().typeButtons->button(2)->click();
    ui().playersBox->setValue(3);
    ui().typeButtons->button(0)->click();
    ui().roundsBox->setValue(7);
    EXPECT_EQ(model().columnCount(), 10);
    EXPECT_EQ(model().rowCount(), 3);
}

// Every heading and every caption of the strip fits its widget, at the normal font and at
// a large one: sizes come from the font, not from pixels.
class TextFitsTest : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(TextFitsTest, HeadingsAndStripCaptionsFitTheirWidgets) {
    const int points = GetParam();
    const QFont before = QApplication::font();
    if (points > 0) {
        QFont large = before;
        large.setPointSize(points);
        QApplication::setFont(large);
        // A fresh window built under the large font.
        TearDown();
        SetUp();
    }
    ui().roundsBox->setValue(3);
    form().resize(form().minimumSizeHint().expandedTo(QSize(1024, 600)));
    QCoreApplication::processEvents();
    QHeaderView* h = ui().chartView->horizontalHeader();
    const QFontMetrics headerMetrics = h->fontMetrics();
    for (int section = 0; section < h->count(); ++section) {
        const QString text = heading(section + 1);
        EXPECT_LE(headerMetrics.horizontalAdvance(text), h->sectionSize(section))
            << text.toStdString() << " at " << points;
    }
    const int rowHeight = ui().chartView->verticalHeader()->sectionSize(0);
    EXPECT_GE(rowHeight, ui().chartView->fontMetrics().height());
    for (QAbstractButton* button : form().findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text().remove('&')),
                  button->width())
            << button->objectName().toStdString() << " at " << points;
    }
    for (QLabel* label : form().findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->wordWrap())
            continue;
        // A buddy's access key is shown underlined, not as "&".
        const QString shown = label->buddy() ? QString(label->text()).remove('&') : label->text();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->width())
            << label->objectName().toStdString() << " at " << points;
    }
    // No two captions of the strip overlap.
    const QList<QWidget*> strip = ui().settingsStrip->findChildren<QWidget*>();
    for (QWidget* a : strip) {
        for (QWidget* b : strip) {
            if (a == b || !a->isVisible() || !b->isVisible() ||
                a->parentWidget() != b->parentWidget() || !qobject_cast<QLabel*>(a))
                continue;
            EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
        }
    }
    // Every control of the strip stays inside the window at 1024 x 600.
    for (QWidget* w : strip) {
        if (!w->isVisible())
            continue;
        EXPECT_TRUE(form().rect().contains(QRect(w->mapTo(&form(), QPoint()), w->size())))
            << w->objectName().toStdString();
    }
    QApplication::setFont(before);
}

INSTANTIATE_TEST_SUITE_P(Fonts, TextFitsTest, ::testing::Values(0, 14));

// A new start shows the window at the size and split the director left it with.
TEST_F(MainWindowTest, TheWindowComesBackAsItWasLeft) {
    form().resize(760, 560);
    ui().splitter->setSizes({500, 250});
    QCoreApplication::processEvents();
    const QSize size = form().size();
    const QList<int> split = ui().splitter->sizes();
    TearDown(); // the window closes, writing its settings
    SetUp();
    QCoreApplication::processEvents();
    EXPECT_EQ(form().size(), size);
    EXPECT_EQ(ui().splitter->sizes(), split);
}

// Half a 1366-pixel laptop screen holds the window: the type goes under the counts, whole,
// and comes back beside them when the window widens.
TEST_F(MainWindowTest, ANarrowWindowStacksTheStripAndShowsEveryControl) {
    auto* strip = qobject_cast<SettingsStrip*>(ui().settingsStrip);
    ASSERT_NE(strip, nullptr);
    const auto top = [strip](const QWidget* widget) { return widget->mapTo(strip, QPoint()).y(); };
    const auto bottom = [&top](const QWidget* widget) { return top(widget) + widget->height(); };
    EXPECT_LE(form().minimumSizeHint().width(), 683);
    for (const int width : {683, 1200}) {
        form().resize(width, 700);
        QCoreApplication::processEvents();
        const bool stacked = width < 1000;
        EXPECT_EQ(strip->isStacked(), stacked) << width;
        if (stacked)
            EXPECT_GE(top(ui().typeGroup), bottom(ui().playersBox)) << width;
        else
            EXPECT_LT(top(ui().typeGroup), bottom(ui().playersBox)) << width;
        for (QWidget* control : strip->findChildren<QWidget*>()) {
            if (!control->isVisible())
                continue;
            EXPECT_LE(control->mapTo(strip, QPoint(control->width(), 0)).x(), strip->width())
                << control->objectName().toStdString() << " cut off at " << width;
        }
    }
}
