// Every question the window asks, dismissed with Escape and with the window's close button:
// each closes with its cancel answer, never one that writes, replaces or discards.

#include "UiTestSupport.h"

#include "settings/Settings.h"
#include "ui/ChartView.h"
#include "ui/WindowPrompts.h"

#include <QTest>

namespace ranvik::test {
namespace {

// Asks question k (0 to 12; -1 past the last) and tells whether it came back cancelled.
int AskedCancelled(WindowPrompts& p, int k) {
    switch (k) {
    case 0:
        return p.askSaveChanges(Message(MessageKind::SaveChangesToTournament)) ==
               SaveChangesAnswer::Cancel;
    case 1:
        return !p.askTournamentType(TournamentType::RoundRobin);
    case 2:
        return !p.askRatingSystem();
    case 3:
        return p.askRowForMember() == RowChoice::Cancel;
    case 4:
        return p.askSpelling("\xC5\x81ukasz", {"\xC5\x81"}, "Lukasz") == SpellingChoice::Cancel;
    case 5:
        return !p.confirm(Message(MessageKind::ClearAllResultsQuestion));
    case 6:
        return !p.confirmReplace(Message(MessageKind::FileAlreadyExists, {"/x.tms"}));
    case 7:
        return !p.ignoreWarning(Message(MessageKind::DuplicateMemberNumber, {"123456", "2 and 5"}));
    case 8:
        return p.askInconsistency(Message(MessageKind::InconsistentResultsFound, {"Line 1"})) ==
               InconsistencyAnswer::Cancel;
    case 9:
        return !p.confirmMemberNumbers({Message(MessageKind::NameAndNumber, {"Bo", "12"})});
    case 10:
        return !p.askTournamentInfo(TournamentType::Swiss);
    case 11:
        return p.askRecovery({RecoveryDescription{}}).answer == RecoveryAnswer::Later;
    case 12:
        return !p.confirmOpenHeldChart("/x.tms");
    default:
        return -1;
    }
}

class QuestionCancelTest : public WindowTest {};

TEST_F(QuestionCancelTest, EscapeAndTheCloseButtonCancelEveryQuestion) {
    Settings settings(DefaultSettingsPath());
    WindowPrompts asking(form(), *ui().chartView, settings);
    asking.setDialogs(&windows().dialogs);
    const prompts::Script ways[] = {
        [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
        [](QDialog& dialog) { dialog.close(); },
    };
    for (const prompts::Script& way : ways) {
        for (int k = 0;; ++k) {
            bool closed = false;
            prompts::enqueue([&](QDialog& dialog) {
                way(dialog);
                closed = !dialog.isVisible();
            });
            const int cancelled = AskedCancelled(asking, k);
            if (cancelled < 0) {
                prompts::clearQueues();
                break;
            }
            EXPECT_EQ(cancelled, 1) << "question " << k;
            EXPECT_TRUE(closed) << "question " << k;
        }
    }
}

} // namespace
} // namespace ranvik::test
