#pragma once
// Everything a chart document asks of the person in front of it. The window answers with
// dialogs, the command line from its options, tests with scripted answers.

#include "chart/Tournament.h"
#include "messages/Message.h"
#include "recovery/RecoveryStore.h"
#include "report/RatingReport.h"
#include "validation/Validation.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ranvik {

// Trf: a pairing program's tournament report, to import.
enum class FileKind { Chart, Report, Database, Trf };

enum class SaveChangesAnswer { Save, Discard, Cancel };

// Where a loaded member goes when the selected row already holds a player.
enum class RowChoice { Overwrite, Append, Insert, Cancel };

// A member a chart line may be, as the pick question lists it.
struct MemberCandidate {
    std::string name;
    std::string number;
    std::string province;
    std::string rating; // of the event's rating system, as it would go into the chart
};

// A chart line whose name matches several members (sameName), or none (the candidates
// then only share a word of the name).
struct MemberPickQuestion {
    int row = 0;
    std::string chartName;
    bool sameName = true;
    std::vector<MemberCandidate> candidates;
};

enum class PickAction { Pick, Skip, SkipAll };

struct MemberPick {
    PickAction action = PickAction::Skip;
    std::size_t candidate = 0; // index into the question's candidates, for Pick
};
// What to do with the charts left by programs that did not close normally: restore one of
// them into this window, discard the chosen ones, or keep them all for the next start.
enum class RecoveryAnswer { Restore, Discard, Later };
struct RecoveryChoice {
    RecoveryAnswer answer = RecoveryAnswer::Later;
    std::vector<std::size_t> chosen; // indices into the copies asked about; one for Restore
};
// What goes into the chart of a member's field that a chart file cannot hold.
enum class SpellingChoice { Nearest, AsItIs, Cancel };

class DocumentPrompts {
  public:
    virtual ~DocumentPrompts() = default;

    // "Save changes to this chart?" (New: "...this tournament?"), with Cancel.
    virtual SaveChangesAnswer askSaveChanges(const Message& question) = 0;
    // The type of a chart file about to be opened, proposing the type its shape suggests;
    // nothing when cancelled.
    virtual std::optional<TournamentType> askTournamentType(TournamentType suggested) = 0;
    // Nothing when cancelled.
    virtual std::optional<RatingSystem> askRatingSystem() = 0;
    virtual RowChoice askRowForMember() = 0;
    // A member's field holds characters a chart file cannot hold (listed, each a UTF-8
    // character): take the nearest spelling it can hold, or the text as it is.
    virtual SpellingChoice askSpelling(const std::string& text,
                                       const std::vector<std::string>& characters,
                                       const std::string& nearest) = 0;
    // An OK/Cancel question; true for OK.
    virtual bool confirm(const Message& question) = 0;
    // A Yes/No question before a file named only by an added extension is replaced.
    virtual bool confirmReplace(const Message& question) = 0;
    // A warning with Ignore and Cancel; true for Ignore.
    virtual bool ignoreWarning(const Message& warning) = 0;
    virtual InconsistencyAnswer askInconsistency(const Message& message) = 0;
    // The lines of badly formed membership numbers; true to go on with the report.
    virtual bool confirmMemberNumbers(const std::vector<Message>& flaggedLines) = 0;
    virtual std::optional<TournamentInfo> askTournamentInfo(TournamentType type) = 0;
    // Which member a chart line is, or skip it (SkipAll: this line and every one after).
    virtual MemberPick pickMember(const MemberPickQuestion& question) = 0;

    virtual std::optional<std::string> chooseFileToOpen(FileKind kind) = 0;
    // proposedName is empty when the chooser should offer what it offered last.
    virtual std::optional<std::string> chooseFileToSave(FileKind kind,
                                                        const std::string& proposedName) = 0;

    // False when a chooser would only give the same answer again (the command line): a
    // refused name then ends the command instead of asking once more.
    virtual bool canAskAgain() const { return true; }

    // The recovery copies found at start-up (oldest first), asked about once. Where nobody can
    // answer, they stay for later.
    virtual RecoveryChoice askRecovery(const std::vector<RecoveryDescription>& /*copies*/) {
        return {};
    }
    // The chart file is open in another running program; true to open it anyway.
    virtual bool confirmOpenHeldChart(const std::string& /*path*/) { return true; }

    virtual void showError(const Message& message) = 0;
    // What a command did, for the director to read (an import's summary).
    virtual void showInformation(const Message& message) = 0;
    // A validation fault: the cell to show before its message.
    virtual void showCell(int col, int row) = 0;
};

} // namespace ranvik
