// Loading a player from the database view into the chart: the rating question, the
// duplicate warning, the row question and what each answer does to the chart.

#include "DatabaseTestSupport.h"

#include "ui/ChartView.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace ranvik;
using namespace ranvik::test;

namespace {

const char* const kRowQuestion =
    "Selected chart row is not empty.\rYou can append this entry to the bottom of the chart or "
    "insert it.";

class DatabaseLoadTest : public DatabaseTest {
  protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (!TestDataDir().empty())
            openCopyOf("QRBMembers.mde");
    }

    // Loads the first player whose name begins with the text into the selected row.
    void load(const QString& name) {
        findName(name);
        ui().loadMemberButton->click();
    }
    void nameRows(int from, int to) {
        for (int r = from; r <= to; ++r)
            setCell(1, r, "Player " + std::to_string(r));
    }
};

} // namespace

TEST_F(DatabaseLoadTest, EmptyRowTakesThePlayerAndTheSelectionMovesDown) {
    RANVIK_REQUIRE_TESTDATA();
    select(2, 3);
    QString question;
    prompts::enqueue(answerQuestion(1, &question));
    load("gagnon");
    EXPECT_EQ(question, "What rating system did this event use?");
    EXPECT_EQ(form().document().ratingSystem(), RatingSystem::Regular);
    EXPECT_EQ(row(3), "Gagnon, Marc|012345|" + current("RATING"));
    EXPECT_EQ(ui().chartView->currentRow(), 4);
    EXPECT_EQ(ui().chartView->currentCol(), 2);
    EXPECT_TRUE(form().document().isModified());

    // The answer is remembered; the last row keeps the selection.
    select(1, 10);
    load("wilson");
    EXPECT_EQ(row(10), "Wilson, Emma|102456|0");
    EXPECT_EQ(ui().chartView->currentRow(), 10);
}

TEST_F(DatabaseLoadTest, RatingSystemDecidesWhichRatingIsCopied) {
    RANVIK_REQUIRE_TESTDATA();
    prompts::enqueue(answerQuestion(2));
    select(1, 1);
    load("levesque");  // no regular rating, active 1480
    load("theriault"); // regular 1388, no active rating
    EXPECT_EQ(form().document().ratingSystem(), RatingSystem::Active);
    EXPECT_EQ(row(1), "Lévesque, Jérôme|102345|1480");
    EXPECT_EQ(row(2), "Thériault, Noël|102399|unr.");
}

TEST_F(DatabaseLoadTest, DuplicateNumberWarnsAndIgnoreOrCancelDecide) {
    RANVIK_REQUIRE_TESTDATA();
    form().document().setRatingSystem(RatingSystem::Regular);
    select(1, 1);
    load("gagnon");
    setCell(4, 1, "W2");
    form().document().tournament().setModified(false);

    // Cancel at the warning: nothing happens at all.
    select(1, 2);
    QString warning;
    prompts::enqueue(clickStandard(QMessageBox::Cancel, &warning));
    ui().loadMemberButton->click();
    EXPECT_EQ(warning, "Duplicate QRB number.");
    EXPECT_EQ(row(2), "||");
    EXPECT_FALSE(form().document().isModified());

    // The row holding the number counts too; Ignore then Overwrite loads it again there.
    select(1, 1);
    QString question;
    prompts::enqueue(clickStandard(QMessageBox::Ignore));
    prompts::enqueue(answerQuestion(1, &question));
    ui().loadMemberButton->click();
    EXPECT_EQ(question, QString(kRowQuestion).replace('\r', '\n'));
    EXPECT_EQ(row(1), "Gagnon, Marc|012345|" + current("RATING"));
    EXPECT_FALSE(form().document().isModified()) << "the same member again: nothing changed";

    // Overwrite replaces name, number and rating and keeps the round cells.
    select(1, 1);
    prompts::enqueue(answerQuestion(1));
    load("smithers");
    EXPECT_EQ(row(1), "Smithers, Paul|101451|" + current("RATING"));
    EXPECT_EQ(cell(4, 1), "W2");
}

TEST_F(DatabaseLoadTest, OnlySixDigitNumbersAreCheckedForDuplicates) {
    RANVIK_REQUIRE_TESTDATA();
    form().document().setRatingSystem(RatingSystem::Regular);
    select(1, 1);
    load("macdonald"); // five digits
    load("macdonald");
    load("bouchard, e"); // NULL number
    load("bouchard, e");
    EXPECT_EQ(cell(2, 2), "10234");
    EXPECT_EQ(cell(2, 4), "");
    // TearDown fails the test had a warning been shown.
}

TEST_F(DatabaseLoadTest, AppendUsesTheFirstFreeRowBelowOrAddsOne) {
    RANVIK_REQUIRE_TESTDATA();
    form().document().setRatingSystem(RatingSystem::Regular);
    nameRows(1, 5);
    setCell(1, 1, ""); // free, but above the selection
    select(1, 3);
    prompts::enqueue(answerQuestion(2));
    load("wilson");
    EXPECT_EQ(row(6), "Wilson, Emma|102456|0");
    EXPECT_EQ(cell(1, 3), "Player 3");
    EXPECT_EQ(ui().chartView->currentRow(), 7);

    nameRows(7, 10);
    select(1, 8);
    prompts::enqueue(answerQuestion(2));
    load("gagnon");
    EXPECT_EQ(form().document().tournament().numPlayers(), 11);
    EXPECT_EQ(ui().playersBox->value(), 11);
    EXPECT_EQ(cell(0, 11), "11");
    EXPECT_EQ(cell(1, 11), "Gagnon, Marc");
    EXPECT_EQ(cell(1, 10), "Player 10");
    EXPECT_EQ(ui().chartView->currentRow(), 8); // the new last row: the selection stays
}

TEST_F(DatabaseLoadTest, InsertAtTheTopOfAFullChartMovesEveryoneDown) {
    RANVIK_REQUIRE_TESTDATA();
    form().document().setRatingSystem(RatingSystem::Regular);
    ui().roundsBox->setValue(2);
    nameRows(1, 10);
    for (int r = 1; r <= 10; ++r)
        setCell(4, r, "W" + std::to_string(r % 10 + 1));
    select(4, 1);
    prompts::enqueue(answerQuestion(3));
    load("gagnon");
    ASSERT_EQ(form().document().tournament().playerRows(), 11);
    EXPECT_EQ(ui().playersBox->value(), 11);
    EXPECT_EQ(row(1), "Gagnon, Marc|012345|" + current("RATING"));
    EXPECT_EQ(cell(4, 1), "");
    for (int r = 2; r <= 11; ++r) {
        EXPECT_EQ(cell(0, r), std::to_string(r));
        EXPECT_EQ(cell(1, r), "Player " + std::to_string(r - 1));
    }
    // Round cells travel with their row, their opponents renumbered: Player 10 played
    // Player 1, now in line 2.
    EXPECT_EQ(cell(4, 11), "W2");
    EXPECT_EQ(ui().chartView->currentRow(), 2);
}

TEST_F(DatabaseLoadTest, InsertWithAFreeLastRowAddsNoRow) {
    RANVIK_REQUIRE_TESTDATA();
    form().document().setRatingSystem(RatingSystem::Regular);
    nameRows(1, 9);
    setCell(4, 9, "D1");
    select(1, 5);
    prompts::enqueue(answerQuestion(3));
    load("wilson");
    EXPECT_EQ(form().document().tournament().playerRows(), 10);
    EXPECT_EQ(row(5), "Wilson, Emma|102456|0");
    EXPECT_EQ(cell(1, 6), "Player 5");
    EXPECT_EQ(cell(1, 10), "Player 9");
    EXPECT_EQ(cell(4, 10), "D1");
}

TEST_F(DatabaseLoadTest, CancelAtTheRowQuestionChangesNothing) {
    RANVIK_REQUIRE_TESTDATA();
    form().document().setRatingSystem(RatingSystem::Regular);
    nameRows(1, 10);
    form().document().tournament().setModified(false);
    select(1, 4);
    prompts::enqueue(answerQuestion(4));
    load("gagnon");
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(row(r), "Player " + std::to_string(r) + "||");
    EXPECT_EQ(form().document().tournament().playerRows(), 10);
    EXPECT_FALSE(form().document().isModified());
    EXPECT_EQ(ui().chartView->currentRow(), 4);
}

TEST_F(DatabaseLoadTest, FullChartOfAThousandPlayersTakesNoMore) {
    RANVIK_REQUIRE_TESTDATA();
    form().document().setRatingSystem(RatingSystem::Regular);
    ui().playersBox->setValue(1000);
    setCell(1, 1000, "Last One");
    select(1, 1000);
    QString message;
    prompts::enqueue(answerQuestion(2));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &message));
    load("gagnon");
    EXPECT_EQ(message, "The chart already holds 1000 players.");
    EXPECT_EQ(form().document().tournament().playerRows(), 1000);
    EXPECT_EQ(cell(1, 1000), "Last One");
}

TEST_F(DatabaseLoadTest, RatingsAreCopiedOnlyWhenTheyReadAsWholeNumbers) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("ratings-as-text.mdb");
    form().document().setRatingSystem(RatingSystem::Regular);
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "1850"},  {"leading", " 1850"}, {"plus", "+1850"},   {"negative", "-5"},
        {"dollar", "$7D0"}, {"c-hex", "0x7D0"},   {"letters", "unr."}, {"empty", "unr."},
        {"null", "unr."},   {"decimal", "unr."},
    };
    ui().playersBox->setValue(12);
    select(1, 1);
    for (const auto& [name, rating] : cases) {
        load(name);
        EXPECT_EQ(cell(3, ui().chartView->currentRow() - 1), rating) << name;
    }
}

TEST_F(DatabaseLoadTest, DoubleClickInTheGridAndTheMenuItemLoadLikeTheButton) {
    RANVIK_REQUIRE_TESTDATA();
    form().document().setRatingSystem(RatingSystem::Regular);
    select(1, 2);
    findName("wilson");
    QTableView& grid = *ui().membersView;
    QCoreApplication::processEvents(); // lay the grid out before aiming at a row
    grid.scrollTo(grid.currentIndex());
    const QPoint where = grid.visualRect(grid.currentIndex()).center();
    ASSERT_TRUE(grid.viewport()->rect().contains(where));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, where);
    EXPECT_EQ(row(2), "Wilson, Emma|102456|0");
    findName("gagnon");
    ui().loadMemberAction->trigger();
    EXPECT_EQ(row(3), "Gagnon, Marc|012345|" + current("RATING"));
}

namespace {
class DatabaseLoadOddTablesTest : public DatabaseTest {};
} // namespace

TEST_F(DatabaseLoadOddTablesTest, NoDatabaseAsksTheRatingSystemFirstThenSaysSo) {
    QString question, error;
    prompts::enqueue(answerQuestion(2, &question));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().loadMemberButton->click();
    EXPECT_EQ(question, "What rating system did this event use?");
    EXPECT_EQ(error, "You must first open a database to load from.");
    EXPECT_EQ(form().document().ratingSystem(), RatingSystem::Active);
    prompts::enqueue(clickStandard(QMessageBox::Ok)); // no second rating question
    ui().loadMemberButton->click();
    EXPECT_FALSE(form().document().isModified());
}

TEST_F(DatabaseLoadOddTablesTest, MissingFieldIsNamedAndNothingIsWritten) {
    RANVIK_REQUIRE_TESTDATA();
    form().document().setRatingSystem(RatingSystem::Regular);
    open(writeSqlite("clubs.mde", "CREATE TABLE Clubs (CLUB TEXT, CITY TEXT);"
                                  "INSERT INTO Clubs VALUES ('Halifax Chess Club', 'Halifax');"));
    setCell(1, 1, "Kept");
    form().document().tournament().setModified(false);
    select(1, 1);
    QString error;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().loadMemberButton->click();
    EXPECT_EQ(error, "The membership table Clubs has no field NUMBER.");
    EXPECT_EQ(row(1), "Kept||");
    EXPECT_FALSE(form().document().isModified());

    // A members table without the chosen rating field stops before writing as well.
    open(writeSqlite("regular-only.mde",
                     "CREATE TABLE Members (NUMBER TEXT, NAME TEXT, PROV TEXT, RATING INTEGER);"
                     "INSERT INTO Members VALUES ('300001', 'Zed, Zoe', 'ON', 1500);"));
    form().document().setRatingSystem(RatingSystem::Active);
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().loadMemberButton->click();
    EXPECT_EQ(error, "The membership table Members has no field ACT_RATING.");
    EXPECT_EQ(row(1), "Kept||");
    EXPECT_FALSE(form().document().isModified());
}
