#include "TestSupport.h"
#include "UiTestSupport.h"

#include "files/FileWriter.h"
#include "recovery/RecoveryStore.h"
#include "recovery/RecoveryTestSupport.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

namespace ranvik::test {
namespace {

class RecoveryWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        form().setRecoveryDelays(20, 200);
    }
    bool hasCopy() { return form().document().recovery()->hasCopy(); }
};

TEST_F(RecoveryWindowTest, TypingLeavesACopyAndSavingTakesItAway) {
    enter(1, 1, QStringLiteral("Ada"));
    QTRY_VERIFY(hasCopy());
    TempDir dir;
    prompts::enqueueFileName(QString::fromStdString(dir.file("a.tms")));
    ui().saveAsAction->trigger();
    EXPECT_FALSE(hasCopy());
    enter(1, 2, QStringLiteral("Boris"));
    QTRY_VERIFY(hasCopy());
}

TEST_F(RecoveryWindowTest, AFailingWriteShowsOneMessageAndLosesNothing) {
    QStatusBar* bar = form().statusBar();
    QSignalSpy messages(bar, &QStatusBar::messageChanged);
    InjectWriteFailure(WriteStep::Create, 1000);
    enter(1, 1, QStringLiteral("Ada"));
    QTRY_VERIFY(!bar->currentMessage().isEmpty());
    EXPECT_TRUE(
        bar->currentMessage().startsWith("The recovery copy of this chart could not be written: "))
        << bar->currentMessage().toStdString();
    // Seen: the problems summary beside it leaves the message most of the bar.
    const auto* summary = bar->findChild<QLabel*>(QStringLiteral("problemsSummaryLabel"));
    ASSERT_NE(summary, nullptr);
    EXPECT_GT(summary->geometry().left(), bar->width() / 3) << "the summary covers the message";
    enter(1, 2, QStringLiteral("Boris"));
    enter(1, 3, QStringLiteral("Clara"));
    QTest::qWait(300);
    EXPECT_EQ(messages.count(), 1) << "one message for a run of failures";
    EXPECT_EQ(cell(1, 1), "Ada");
    EXPECT_EQ(cell(1, 3), "Clara");
    EXPECT_TRUE(form().document().isModified());
    EXPECT_FALSE(hasCopy());

    ClearInjectedWriteFailures();
    enter(1, 4, QStringLiteral("Dmitri"));
    QTRY_VERIFY(hasCopy());
    QTRY_VERIFY(bar->currentMessage().isEmpty());
}

TEST_F(RecoveryWindowTest, OpeningAChartAnotherWindowHoldsWarnsFirst) {
    TempDir dir;
    const std::string chart = dir.file("held.tms");
    WriteFile(chart, "1\tZed\t\t\t\t\r\n2\tYann\t\t\t\t\r\n");
    RecoveryStore other(DefaultRecoveryFolder(), RunningProcess());
    other.holdChart(chart);

    // The warning comes as soon as the file is chosen, before its type is asked.
    QString warning;
    prompts::enqueueFileName(QString::fromStdString(chart));
    prompts::enqueue(clickButton(QStringLiteral("Cancel"), &warning));
    ui().openAction->trigger();
    EXPECT_EQ(warning, "This chart is open in another Ranvik window; saving here can replace "
                       "its changes.");
    EXPECT_EQ(cell(1, 1), "");

    prompts::enqueueFileName(QString::fromStdString(chart));
    prompts::enqueue(clickButton(QStringLiteral("Open anyway")));
    prompts::enqueue(answerQuestion(1));
    ui().openAction->trigger();
    EXPECT_EQ(cell(1, 1), "Zed");
    EXPECT_EQ(chartFileName().toStdString(), chart);
}

} // namespace
} // namespace ranvik::test
