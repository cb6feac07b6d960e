// Every question the window asks, dismissed with Escape and with the window's close button:
// each closes with its cancel answer, never one that writes, replaces or discards.

#include "UiTestSupport.h"

#include "ui/ChartView.h"
#include "ui/WindowPrompts.h"

#include <QTest>

#include <functional>

namespace ranvik::test {
namespace {

class QuestionCancelTest : public WindowTest {};

TEST_F(QuestionCancelTest, EscapeAndTheCloseButtonCancelEveryQuestion) {
    WindowPrompts asking(form(), *ui().chartView);
    asking.setDialogs(&windows().dialogs);
    RecoveryDescription copy;
    copy.players = 12;
    const struct {
        const char* name;
        std::function<bool(WindowPrompts&)> cancelled;
    } questions[] = {
        {"save changes",
         [](WindowPrompts& p) {
             return p.askSaveChanges("Save changes to this tournament?") ==
                    SaveChangesAnswer::Cancel;
         }},
        {"tournament type",
         [](WindowPrompts& p) { return !p.askTournamentType(TournamentType::RoundRobin); }},
        {"rating system", [](WindowPrompts& p) { return !p.askRatingSystem(); }},
        {"row for a member",
         [](WindowPrompts& p) { return p.askRowForMember() == RowChoice::Cancel; }},
        {"spelling",
         [](WindowPrompts& p) {
             return p.askSpelling("\xC5\x81ukasz", {"\xC5\x81"}, "Lukasz") ==
                    SpellingChoice::Cancel;
         }},
        {"clear all results",
         [](WindowPrompts& p) {
             return !p.confirm("This will clear all rounds entered so far. Proceed?");
         }},
        {"replace a file",
         [](WindowPrompts& p) {
             return !p.confirmReplace("/x.tms already exists.\rDo you want to replace it?");
         }},
        {"duplicate number",
         [](WindowPrompts& p) { return !p.ignoreWarning("Duplicate QRB number."); }},
        {"inconsistency",
         [](WindowPrompts& p) {
             return p.askInconsistency("Inconsistent results found. Line 1 column 4.") ==
                    InconsistencyAnswer::Cancel;
         }},
        {"check list", [](WindowPrompts& p) { return !p.confirmMemberNumbers({"Bo, 12"}); }},
        {"tournament information",
         [](WindowPrompts& p) { return !p.askTournamentInfo(TournamentType::Swiss); }},
        {"recovery",
         [&copy](WindowPrompts& p) { return p.askRecovery(copy) == RecoveryAnswer::Later; }},
        {"chart held elsewhere",
         [](WindowPrompts& p) { return !p.confirmOpenHeldChart("/x.tms"); }},
    };
    const struct {
        const char* name;
        std::function<void(QDialog&)> act;
    } ways[] = {
        {"Escape", [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
        {"the close button", [](QDialog& dialog) { dialog.close(); }},
    };
    for (const auto& way : ways) {
        for (const auto& question : questions) {
            SCOPED_TRACE(std::string(question.name) + ", " + way.name);
            bool closed = false;
            prompts::enqueue([&](QDialog& dialog) {
                way.act(dialog);
                closed = !dialog.isVisible();
            });
            EXPECT_TRUE(question.cancelled(asking));
            EXPECT_TRUE(closed);
        }
    }
}

} // namespace
} // namespace ranvik::test
