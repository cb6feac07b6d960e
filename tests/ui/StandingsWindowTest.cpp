// Tools > Standings... through the real window: the chart checked first, the sortable list,
// the tie-break order edited and remembered, the round robin grid, the exports written as
// the core writes them, and printing driven through scripted print dialogs.

#include "TestSupport.h"
#include "UiTestSupport.h"

#include "document/TieBreakSettings.h"
#include "standings/StandingsDocument.h"
#include "ui/ChartView.h"
#include "ui/StandingsDialog.h"
#include "ui/TieBreakOrderEditor.h"
#include "ui/TournamentInfoDialog.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

// Failed comparisons of cell texts print the texts.
QT_BEGIN_NAMESPACE
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

using namespace ranvik;
using ranvik::test::PartOf;
using ranvik::test::WindowTest;

namespace {

namespace fs = std::filesystem;

// Eight players, four rounds: a full-point bye (line 6) and a half-point bye (line 8).
const char kSwissChart[] = "1\tAnna Berger\t200200\t1950\tW5\tW3\tD2\tW4\t\r\n"
                           "2\tBen Carter\t200201\t1910\tW6\tD4\tD1\tW3\t\r\n"
                           "3\tChloe Dumas\t200202\t1870\tW7\tL1\tW4\tL2\t\r\n"
                           "4\tDavid Ek\t200203\t1830\tW8\tD2\tL3\tL1\t\r\n"
                           "5\tEva Fischer\t200204\t1790\tL1\tW8\tD6\tW7\t\r\n"
                           "6\tFemi Adebayo\t200205\t1750\tL2\tW7\tD5\tB\t\r\n"
                           "7\tGreta Holm\t200206\t900\tL3\tL6\tW8\tL5\t\r\n"
                           "8\tHugo Lambert\t200207\t\tL4\tL5\tL7\tH\t\r\n";

// Four players, one game each: 1 beats everyone, 2 and 3 draw, 4 loses 2 and 3 by forfeit.
const char kRoundRobinChart[] = "1\tAnn\t\t1500\tX\t1\t1\t1\t\r\n"
                                "2\tBo\t\t1400\t0\tX\t=\t+\t\r\n"
                                "3\tCy\t\t1300\t0\t=\tX\t+\t\r\n"
                                "4\tDi\t\t1200\t0\t-\t-\tX\t\r\n";

constexpr int kPlayers = 300; // a large chart, yet a quick test

// A double round robin chart file: game g of lines a < b is a's win when (a + b + g) % 3 is
// 0, a draw when it is 1, b's win otherwise.
std::string DoubleRoundRobinFile(int players) {
    std::string bytes;
    for (int a = 1; a <= players; ++a) {
        bytes += std::to_string(a) + "\tPlayer " + std::to_string(a) + "\t\t1500\t";
        for (int cell = 0; cell < 2 * players; ++cell) {
            const int b = cell / 2 + 1;
            const int outcome = (a + b + cell % 2) % 3;
            bytes += a == b                      ? "X\t"
                     : outcome == 1              ? "=\t"
                     : (outcome == 0) == (a < b) ? "1\t"
                                                 : "0\t";
        }
        bytes += "\r\n";
    }
    return bytes;
}

// The standings window's parts, found by name.
struct StandingsParts {
    explicit StandingsParts(QDialog& dialog)
        : heading(PartOf<QLabel>(dialog, "standingsHeadingLabel")),
          tabs(PartOf<QTabWidget>(dialog, "standingsTabs")),
          standings(PartOf<QTableView>(dialog, "standingsView")),
          crossTable(PartOf<QTableView>(dialog, "crossTableView")),
          editor(PartOf<TieBreakOrderEditor>(dialog, "tieBreakEditor")),
          tieBreaks(PartOf<QListWidget>(dialog, "tieBreakList")),
          addCombo(PartOf<QComboBox>(dialog, "tieBreakCombo")),
          add(PartOf<QPushButton>(dialog, "addTieBreakButton")),
          remove(PartOf<QPushButton>(dialog, "removeTieBreakButton")),
          up(PartOf<QPushButton>(dialog, "moveTieBreakUpButton")) {}
    QLabel* heading;
    QTabWidget* tabs;
    QTableView* standings;
    QTableView* crossTable;
    TieBreakOrderEditor* editor;
    QListWidget* tieBreaks;
    QComboBox* addCombo;
    QPushButton* add;
    QPushButton* remove;
    QPushButton* up;
};

QString Text(const QAbstractItemModel* model, int row, int col) {
    return model->data(model->index(row, col)).toString();
}

QStringList Header(const QAbstractItemModel* model) {
    QStringList names;
    for (int c = 0; c < model->columnCount(); ++c)
        names << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return names;
}

QStringList Column(const QAbstractItemModel* model, int col) {
    QStringList cells;
    for (int r = 0; r < model->rowCount(); ++r)
        cells << Text(model, r, col);
    return cells;
}

void Click(QPushButton* button) {
    button->click();
}

class StandingsWindowTest : public WindowTest {
  protected:
    void openChart(const std::string& bytes, int typeButton = 0) {
        ui().typeButtons->button(typeButton)->click();
        test::WriteFile(dir_.file("event.tms"), bytes);
        ASSERT_TRUE(form().openChartFile(QString::fromStdString(dir_.file("event.tms"))));
    }

    // Opens the standings window, runs `inside` on it, then closes it; `queueInner` queues
    // the answers of the dialogs `inside` opens, which come after the window's own.
    void withStandings(const std::function<void(QDialog&, StandingsParts&)>& inside,
                       const std::function<void()>& queueInner = {}) {
        prompts::enqueue([inside](QDialog& dialog) {
            StandingsParts parts(dialog);
            // Both models checked through every change the test makes.
            using Tester = QAbstractItemModelTester;
            const Tester standings(parts.standings->model(), Tester::FailureReportingMode::Fatal);
            const Tester grid(parts.crossTable->model(), Tester::FailureReportingMode::Fatal);
            inside(dialog, parts);
            dialog.reject();
        });
        if (queueInner)
            queueInner();
        ui().standingsAction->trigger();
        EXPECT_EQ(prompts::pendingScripts(), 0);
    }

    // The standings the core gives for the open chart under an order.
    Standings coreStandings(const std::vector<TieBreak>& order) {
        return ComputeStandings(form().document().tournament(), order);
    }

    test::TempDir dir_;
};

} // namespace

TEST_F(StandingsWindowTest, ListSortsByNumberAndFollowsTheEditedTieBreakOrder) {
    openChart(kSwissChart);
    withStandings([this](QDialog&, StandingsParts& ui) {
        EXPECT_TRUE(ui.heading->text().contains("Swiss, 8 players, 4 rounds"));
        const QAbstractItemModel* model = ui.standings->model();
        EXPECT_EQ(Header(model), QStringList({"Rank", "Line", "Name", "Member", "Rating", "Points",
                                              "BH-C1", "BH", "SB", "WIN"}));
        const Standings expected = coreStandings(DefaultTieBreaks(TournamentType::Swiss));
        ASSERT_EQ(model->rowCount(), 8);
        for (int r = 0; r < 8; ++r)
            EXPECT_EQ(Text(model, r, 2).toStdString(), expected.rows[r].name) << "row " << r;

        // Ratings as numbers: 900 below 1750, an empty rating lowest.
        ui.standings->sortByColumn(4, Qt::AscendingOrder);
        EXPECT_EQ(Column(model, 4).mid(0, 3), QStringList({"", "900", "1750"}));
        ui.standings->sortByColumn(5, Qt::DescendingOrder);
        EXPECT_EQ(Text(model, 0, 5), QStringLiteral("3\u00bd"));

        // BH-C1 out, SB up over BH, KS added.
        ui.tieBreaks->setCurrentRow(0);
        Click(ui.remove);
        ui.tieBreaks->setCurrentRow(1);
        Click(ui.up);
        ui.addCombo->setCurrentText("KS");
        Click(ui.add);
        EXPECT_EQ(FormatTieBreakList(ui.editor->order()), "SB,BH,WIN,KS");
        EXPECT_EQ(Header(model).mid(6), QStringList({"SB", "BH", "WIN", "KS"}));
        EXPECT_TRUE(ui.heading->text().contains("Tie-breaks: SB,BH,WIN,KS"));
        EXPECT_EQ(ui.addCombo->findText("KS"), -1) << "a tie-break in use is not offered again";
    });

    EXPECT_EQ(Settings(DefaultSettingsPath()).get(setting::SwissTieBreaks), "SB,BH,WIN,KS");
    EXPECT_EQ(LoadTieBreakOrder(Settings(DefaultSettingsPath()), TournamentType::RoundRobin),
              DefaultTieBreaks(TournamentType::RoundRobin));
    // The next window starts from the remembered order, ranked by it.
    withStandings([this](QDialog&, StandingsParts& ui) {
        EXPECT_EQ(FormatTieBreakList(ui.editor->order()), "SB,BH,WIN,KS");
        const Standings expected = coreStandings(ui.editor->order());
        const QAbstractItemModel* model = ui.standings->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            EXPECT_EQ(Text(model, r, 0).toStdString(), RankText(expected.rows[r]));
            EXPECT_EQ(Text(model, r, 6).toStdString(),
                      QuartersWithHalf(expected.rows[r].tieBreakValues[0], "."));
        }
        // Emptied, the list still ranks by points; "none" keeps it from reading as unset.
        while (!ui.editor->order().empty()) {
            ui.tieBreaks->setCurrentRow(0);
            Click(ui.remove);
        }
        EXPECT_EQ(model->columnCount(), 6);
    });
    EXPECT_TRUE(LoadTieBreakOrder(Settings(DefaultSettingsPath()), TournamentType::Swiss).empty());
}

TEST_F(StandingsWindowTest, RoundRobinGridShadesTheOwnCellAndGivesPointsAndPlace) {
    openChart(kRoundRobinChart, 1);
    withStandings([](QDialog&, StandingsParts& ui) {
        ui.tabs->setCurrentWidget(ui.crossTable);
        const QAbstractItemModel* grid = ui.crossTable->model();
        EXPECT_EQ(Header(grid),
                  QStringList({"#", "Name", "Rating", "1", "2", "3", "4", "Pts", "Place"}));
        EXPECT_EQ(Column(grid, 4), QStringList({"1", "\u00d7", "\u00bd", "-"}));
        EXPECT_EQ(Column(grid, 7), QStringList({"3", "1\u00bd", "1\u00bd", "0"}));
        // 2 and 3 are equal on points, SB, wins and Koya: they share the place.
        EXPECT_EQ(Column(grid, 8), QStringList({"1", "2\u20133", "2\u20133", "4"}));
        for (int line = 0; line < 4; ++line) {
            for (int col = 3; col < 7; ++col) {
                const bool own = col - 3 == line;
                EXPECT_EQ(grid->data(grid->index(line, col), Qt::BackgroundRole).isValid(), own)
                    << "line " << line + 1 << " column " << col;
            }
        }
    });
}

TEST_F(StandingsWindowTest, LargeChartShowsTheCoresStandingsWithEveryTextWhole) {
    openChart(DoubleRoundRobinFile(kPlayers), 2);
    withStandings([this](QDialog&, StandingsParts& ui) {
        const Standings expected = coreStandings(DefaultTieBreaks(TournamentType::RoundRobin));
        const QAbstractItemModel* list = ui.standings->model();
        ASSERT_EQ(list->rowCount(), kPlayers);
        for (int r = 0; r < kPlayers; ++r) {
            EXPECT_EQ(Text(list, r, 0).toStdString(), RankText(expected.rows[r]));
            EXPECT_EQ(Text(list, r, 5).toStdString(), ScoreWithHalf(expected.rows[r].points));
        }
        ui.tabs->setCurrentWidget(ui.crossTable);
        // Line 1 won its first game against line 2 and drew the second.
        const QAbstractItemModel* grid = ui.crossTable->model();
        EXPECT_EQ(Text(grid, 0, 3) + Text(grid, 0, 4), "\u00d71 \u00bd");
        // Nothing elided: each column as wide as the view would size it to its contents.
        for (QTableView* view : {ui.standings, ui.crossTable}) {
            const int last = view->model()->columnCount() - 1;
            for (int c : {0, 1, 2, 3, 4, 5, 6, 7, 8, last - 1, last})
                EXPECT_GE(view->columnWidth(c),
                          std::max(static_cast<QAbstractItemView*>(view)->sizeHintForColumn(c),
                                   view->horizontalHeader()->sectionSizeHint(c)))
                    << "column " << c;
        }
    });
}

TEST_F(StandingsWindowTest, FaultyChartShowsTheFaultAsTheReportDoesAndNoStandings) {
    openChart(kSwissChart);
    setCell(1, 2, "");
    QString error;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().standingsAction->trigger();
    EXPECT_EQ(error, "Missing name. Line 2, name.");
    EXPECT_EQ(ui().chartView->currentRow(), 2);
    EXPECT_EQ(ui().chartView->currentCol(), 1);
}

TEST_F(StandingsWindowTest, ExportsWriteTheCoreBytesUnderTheReportsHeading) {
    openChart(kSwissChart);
    prompts::enqueue(fillTournamentInfo());
    ASSERT_TRUE(windows().dialogs.tournamentInfo->ask());

    const std::string base = dir_.file("spring");
    test::WriteFile(base + ".csv", "older");
    prompts::enqueueFileName(QString::fromStdString(base)); // the extension is added...
    prompts::enqueueFileName(QString::fromStdString(base + ".csv"));
    prompts::enqueueFileName(QString::fromStdString(base));
    prompts::enqueueFileName(QString::fromStdString(base));
    prompts::enqueueFileName(QString::fromStdString(dir_.file("missing/folder/x.csv")));
    QString refused;
    StandingsDocument shown;
    withStandings(
        [&shown, &base](QDialog& dialog, StandingsParts&) {
            PartOf<QPushButton>(dialog, "exportCsvButton")->click();
            EXPECT_EQ(test::ReadFile(base + ".csv"), "older");
            PartOf<QPushButton>(dialog, "exportCsvButton")->click();
            PartOf<QPushButton>(dialog, "exportHtmlButton")->click();
            PartOf<QPushButton>(dialog, "exportPdfButton")->click();
            PartOf<QPushButton>(dialog, "exportCsvButton")->click();
            shown = static_cast<StandingsDialog&>(dialog).printable();
        },
        [&refused] {
            prompts::enqueue(clickStandard(QMessageBox::No)); // ...and replaces nothing unasked
            prompts::enqueue(clickStandard(QMessageBox::Ok, &refused));
        });

    EXPECT_EQ(test::ReadFile(base + ".csv"),
              StandingsCsv(coreStandings(DefaultTieBreaks(TournamentType::Swiss))));
    const std::string html = test::ReadFile(base + ".html");
    EXPECT_EQ(html, StandingsHtml(shown));
    EXPECT_NE(html.find("<h1>Spring Open</h1>"), std::string::npos);
    EXPECT_NE(html.find("ON, ending 2008/06/18"), std::string::npos);
    EXPECT_NE(html.find("Printed " + TodayIsoDate()), std::string::npos);
    const std::string pdf = test::ReadFile(base + ".pdf");
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0U);
    EXPECT_TRUE(test::IsWriteError(
        refused, QStringLiteral("Error saving ") +
                     QString::fromStdString(dir_.file("missing/folder/x.csv")) + QLatin1Char('.')));
}

TEST_F(StandingsWindowTest, PrintAndPreviewLayTheDocumentOutOnPages) {
    openChart(kRoundRobinChart, 1);
    const std::string printed = dir_.file("printed.pdf");
    int previewPages = 0;
    withStandings(
        [](QDialog& dialog, StandingsParts&) {
            PartOf<QPushButton>(dialog, "printPreviewButton")->click();
            PartOf<QPushButton>(dialog, "printButton")->click();
            PartOf<QPushButton>(dialog, "printButton")->click();
        },
        [&previewPages, &printed] {
            prompts::enqueue([&previewPages](QDialog& dialog) {
                auto* preview = dialog.findChild<QPrintPreviewWidget*>();
                ASSERT_NE(preview, nullptr);
                preview->updatePreview();
                previewPages = preview->pageCount();
                dialog.reject();
            });
            prompts::enqueue([&printed](QDialog& dialog) {
                QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(QString::fromStdString(printed));
                // Past the dialog's own fields, which would name the platform's printer.
                dialog.done(QDialog::Accepted);
            });
            prompts::enqueue([](QDialog& dialog) { dialog.reject(); }); // a cancelled print
        });
    EXPECT_EQ(previewPages, 1);
    ASSERT_TRUE(fs::exists(printed));
    EXPECT_EQ(test::ReadFile(printed).rfind("%PDF-", 0), 0U);
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const std::string text = dir_.file("printed.txt");
    ASSERT_EQ(std::system(("pdftotext -layout '" + printed + "' '" + text + "'").c_str()), 0);
    const std::string words = test::ReadFile(text);
    for (const char* expected : {"Round robin, 4 players", "Cross-table", "Place", "2\u20133"})
        EXPECT_NE(words.find(expected), std::string::npos) << expected << " not printed";
}
