// File > Import > FIDE tournament report and Database > Match players with database, driven
// through the real window with scripted dialogs.

#include "DatabaseTestSupport.h"
#include "support/TrfText.h"

#include "ui/MemberCandidatesModel.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace ranvik;
using namespace ranvik::test;

namespace {

class ImportMatchTest : public DatabaseTest {
  protected:
    std::string writeTrf(const std::string& name, const std::vector<TrfPlayerSpec>& players) {
        const std::string path = dir_.file(name);
        WriteFile(path, TrfFileText(players, "\r\n"));
        return path;
    }
    std::vector<std::string> rowCells(int r, int lastCol) {
        std::vector<std::string> out;
        for (int c = 0; c <= lastCol; ++c)
            out.push_back(cell(c, r));
        return out;
    }
};

TEST_F(ImportMatchTest, ImportReplacesTheChartAfterTheSaveQuestion) {
    enter(1, 1, QStringLiteral("Typed"));
    const std::string bad =
        writeTrf("bad.trf", {{1, "Ann", "", "", {"2w1"}}, {2, "Bob", "", "", {"1b1"}}});
    QString error;
    prompts::enqueue(clickStandard(QMessageBox::No));
    prompts::enqueueFileName(QString::fromStdString(bad));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().importTrfAction->trigger();
    EXPECT_EQ(error.toStdString(), "Cannot import " + bad +
                                       ":\nLine 2: Round 1: the results of start numbers 1 "
                                       "('1') and 2 ('1', line 3) disagree.");
    EXPECT_EQ(cell(1, 1), "Typed");
    EXPECT_EQ(ui().playersBox->value(), 10);

    // Not everyone meets everyone: a Swiss chart.
    const std::string good =
        writeTrf("event.trf", {{1, "Côté, Hélène", "1850", "2.0", {"2w1", "3b=", "0-H"}},
                               {2, "Smith, John", "1655", "0.0", {"1b0", "0-U", "3w-"}},
                               {3, "Gagnon, Marc", "1733", "2.5", {"4w1", "1w=", "2b+"}},
                               {4, "Wilson, Emma", "", "1.0", {"3b0", "0-F", ""}}});
    QString summary;
    prompts::enqueue(clickStandard(QMessageBox::No));
    prompts::enqueueFileName(QString::fromStdString(good));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &summary));
    ui().importTrfAction->trigger();
    EXPECT_TRUE(summary.startsWith(QStringLiteral("Players: 4\nRounds: 3\nType: Swiss\n")))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Colours are not kept")));
    EXPECT_EQ(ui().playersBox->value(), 4);
    EXPECT_EQ(ui().roundsBox->value(), 3);
    EXPECT_EQ(ui().typeButtons->checkedId(), 0);
    EXPECT_EQ(rowCells(1, 6),
              (std::vector<std::string>{"1", "Côté, Hélène", "", "1850", "W2", "D3", "H"}));
    EXPECT_EQ(rowCells(2, 6),
              (std::vector<std::string>{"2", "Smith, John", "", "1655", "L1", "U", "F3"}));
    EXPECT_EQ(rowCells(3, 6),
              (std::vector<std::string>{"3", "Gagnon, Marc", "", "1733", "W4", "D1", "X2"}));
    EXPECT_EQ(rowCells(4, 6),
              (std::vector<std::string>{"4", "Wilson, Emma", "", "", "L3", "B", ""}));
    EXPECT_TRUE(form().document().isModified());
    EXPECT_TRUE(chartFileName().isEmpty());
    EXPECT_EQ(prompts::pendingScripts(), 0);
    EXPECT_TRUE(prompts::unexpectedDialogs().isEmpty())
        << prompts::unexpectedDialogs().join(QLatin1Char(';')).toStdString();
}

TEST_F(ImportMatchTest, MatchFillsOneMatchAndAsksAmongSeveral) {
    open(writeSqlite("club.mde",
                     "CREATE TABLE Members (NUMBER TEXT, NAME TEXT, PROV TEXT, RATING INTEGER,"
                     " ACT_RATING INTEGER);"
                     "INSERT INTO Members VALUES ('300001', 'Zed, Łucja', 'ON', 1500, 1510);"
                     "INSERT INTO Members VALUES ('300002', 'Smith, Ann', 'ON', 1600, 1590);"
                     "INSERT INTO Members VALUES ('300003', 'SMITH, Ann', 'QC', 1700, 1690);"));
    setCell(1, 1, "Łucja Zed");
    setCell(1, 2, "Ann Smith");
    setCell(1, 3, "Bob Unknown");
    setCell(1, 4, "Smith Ann");

    QString question;
    int candidates = -1;
    bool pickEnabledBeforeChoice = true;
    prompts::enqueue(answerQuestion(1)); // regular ratings
    prompts::enqueue([&](QDialog& dialog) {
        question = PartOf<QLabel>(dialog, "questionLabel")->text();
        auto* view = PartOf<QTableView>(dialog, "candidatesView");
        QAbstractItemModelTester tester(view->model(),
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
        candidates = view->model()->rowCount();
        EXPECT_EQ(view->model()->index(1, MemberCandidatesModel::Province).data().toString(),
                  QStringLiteral("QC"));
        auto* pick = PartOf<QPushButton>(dialog, "pickButton");
        pickEnabledBeforeChoice = pick->isEnabled();
        view->selectRow(1);
        pick->click();
    });
    // Escape on the second line's question skips it and every line after.
    prompts::enqueue([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QString done;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &done));
    ui().matchPlayersAction->trigger();

    EXPECT_EQ(question, QStringLiteral("Line 2, \"Ann Smith\", has the name of several "
                                       "members. Pick the member this player is, or skip the "
                                       "line."));
    EXPECT_EQ(candidates, 2);
    EXPECT_FALSE(pickEnabledBeforeChoice);
    EXPECT_EQ(row(1), "Zed, Lucja|300001|1500"); // the chart file cannot hold Ł
    EXPECT_EQ(row(2), "SMITH, Ann|300003|1700");
    EXPECT_EQ(row(3), "Bob Unknown||");
    EXPECT_EQ(row(4), "Smith Ann||");
    EXPECT_EQ(done, QStringLiteral("Players matched with the database: 2 (1 picked by you).\n"
                                   "Left as they were: lines 3, 4.\n"
                                   "Written in the nearest spelling a chart file can hold: "
                                   "line 1."));
    EXPECT_TRUE(form().document().isModified());
    EXPECT_EQ(prompts::pendingScripts(), 0);
}

} // namespace
