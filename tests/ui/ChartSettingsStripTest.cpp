// The chart settings strip on its own, over a real document: the counts set from the
// keyboard change the chart, a question cancelled puts the control back, and the controls
// follow the document when it changes by itself.

#include "UiTestSupport.h"
#include "document/ScriptedPrompts.h"

#include "document/ChartDocument.h"
#include "ui/ChartSettingsStrip.h"
#include "ui/DocumentSignals.h"

#include <QButtonGroup>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace ranvik::test {
namespace {

// A document at its start chart with the strip over it, shown.
struct StripBench {
    StripBench() {
        document.start();
        strip.show();
    }

    // Replaces the box's text by keyboard and confirms it with Enter.
    void typeInto(const char* box, const QString& text) {
        auto& spin = *PartOf<QSpinBox>(strip, box);
        spin.setFocus();
        QTest::keyClick(&spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&spin, text);
        QTest::keyClick(&spin, Qt::Key_Return);
    }
    void fillNames(int rows) {
        for (int row = 1; row <= rows; ++row)
            tournament().chart().setCell(ChartColumn::Name, row, "Player " + std::to_string(row));
    }
    Tournament& tournament() { return document.tournament(); }

    ScriptedPrompts prompts;
    ChartDocument document{prompts};
    DocumentSignals changes{document.tournament()};
    ChartSettingsStrip strip{document, changes, nullptr};
};

TEST(ChartSettingsStripTest, CountsTypedOrSteppedChangeTheChart) {
    struct Case {
        const char* box;
        QString typed; // empty: one press of the up arrow
        int players, rounds;
    };
    const Case cases[] = {
        {"playersBox", "14", 14, Tournament::StartRounds},
        {"playersBox", "", Tournament::StartPlayers + 1, Tournament::StartRounds},
        {"roundsBox", "6", Tournament::StartPlayers, 6},
        {"roundsBox", "", Tournament::StartPlayers, Tournament::StartRounds + 1},
        {"playersBox", "250", 250, Tournament::StartRounds},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed.toStdString());
        StripBench bench;
        if (c.typed.isEmpty())
            QTest::keyClick(PartOf<QSpinBox>(bench.strip, c.box), Qt::Key_Up);
        else
            bench.typeInto(c.box, c.typed);
        EXPECT_EQ(bench.tournament().numPlayers(), c.players);
        EXPECT_EQ(bench.tournament().numRounds(), c.rounds);
        EXPECT_EQ(PartOf<QSpinBox>(bench.strip, "playersBox")->value(), c.players);
        EXPECT_EQ(PartOf<QSpinBox>(bench.strip, "roundsBox")->value(), c.rounds);
        EXPECT_TRUE(bench.prompts.asked.empty());
    }
}

TEST(ChartSettingsStripTest, LoweringPastFilledLinesAsksAndCancelPutsTheBoxBack) {
    struct Case {
        bool answer;
        int shown; // players afterwards, in the chart and the box
    };
    for (const Case c : {Case{false, 8}, Case{true, 5}}) {
        SCOPED_TRACE(c.answer);
        StripBench bench;
        bench.typeInto("playersBox", QStringLiteral("8"));
        bench.fillNames(8);
        bench.prompts.confirmations = {c.answer};
        bench.typeInto("playersBox", QStringLiteral("5"));
        ASSERT_EQ(bench.prompts.asked.size(), 1U);
        EXPECT_EQ(bench.prompts.asked[0],
                  "Lowering the players to 5 removes 3 lines that hold names or results.");
        EXPECT_EQ(bench.tournament().numPlayers(), c.shown);
        EXPECT_EQ(PartOf<QSpinBox>(bench.strip, "playersBox")->value(), c.shown);
        EXPECT_EQ(bench.tournament().chart().cell(ChartColumn::Name, 1), "Player 1");
    }
}

TEST(ChartSettingsStripTest, ControlsFollowTheDocumentsOwnChanges) {
    struct Case {
        const char* what;
        std::function<void(ChartDocument&)> change;
        int players, rounds; // rounds -1: whatever the type makes them
        int typeId;
    };
    const Case cases[] = {
        {"players set", [](ChartDocument& d) { d.setPlayers(16); }, 16, 1, 0},
        {"rounds set", [](ChartDocument& d) { d.setRounds(7); }, 16, 7, 0},
        {"type set", [](ChartDocument& d) { d.setType(TournamentType::RoundRobin); }, 16, -1, 1},
        {"undo", [](ChartDocument& d) { d.tournament().undo(); }, 16, 7, 0},
        {"undo", [](ChartDocument& d) { d.tournament().undo(); }, 16, 1, 0},
        {"redo", [](ChartDocument& d) { d.tournament().redo(); }, 16, 7, 0},
    };
    StripBench bench;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.change(bench.document);
        EXPECT_EQ(bench.tournament().numPlayers(), c.players);
        if (c.rounds >= 0) {
            EXPECT_EQ(bench.tournament().numRounds(), c.rounds);
        }
        EXPECT_EQ(PartOf<QSpinBox>(bench.strip, "playersBox")->value(),
                  bench.tournament().numPlayers());
        EXPECT_EQ(PartOf<QSpinBox>(bench.strip, "roundsBox")->value(),
                  bench.tournament().numRounds());
        EXPECT_EQ(PartOf<QButtonGroup>(bench.strip, "typeButtons")->checkedId(), c.typeId);
    }
    EXPECT_TRUE(bench.prompts.asked.empty());
}

} // namespace
} // namespace ranvik::test
