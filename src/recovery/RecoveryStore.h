#pragma once
// Recovery copies of unsaved charts and the locks of open chart files, in one folder of the
// user's state ($XDG_STATE_HOME/ranvik/recovery; %LOCALAPPDATA%\ranvik\recovery on Windows). A copy
// is one file: a small description, then the chart file's bytes, so that no crash can pair a
// chart with another chart's description. A program that dies leaves its copy for the next
// start to offer. Copies of the earlier form (the bytes and the description side by side) are
// still offered.

#include "chart/Tournament.h"
#include "messages/Message.h"
#include "recovery/ProcessIdentity.h"
#include "report/RatingReport.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

// "ranvik/recovery" in the user's state folder (platform/UserFolders.h); empty when the
// system names none.
std::string DefaultRecoveryFolder();

// What a recovery copy says about its chart.
struct RecoveryDescription {
    TournamentType type = TournamentType::Swiss;
    int players = 0;
    int rounds = 0;
    std::string chartFile; // empty for a chart never saved
    std::optional<RatingSystem> ratingSystem;
    std::int64_t savedAt = 0; // seconds since 1970
    ProcessIdentity writer;
    std::int64_t chartLength = -1; // the chart bytes after it; -1 in a description of its own
};

// The description's text, and back; nothing when the text is not a description.
std::string EncodeRecoveryDescription(const RecoveryDescription& description);
std::optional<RecoveryDescription> ParseRecoveryDescription(std::string_view text);

// A copy's file: the description (its chart length set from the bytes), a blank line, the
// chart bytes.
std::string EncodeRecoveryCopy(RecoveryDescription description, std::string_view chartBytes);
// The description and the chart bytes of a copy's file; nothing when it is not one, or is
// cut short.
struct RecoveryCopyText {
    RecoveryDescription description;
    std::string_view chartBytes;
};
std::optional<RecoveryCopyText> ParseRecoveryCopy(std::string_view text);

// A copy found in the folder.
struct LeftCopy {
    RecoveryDescription description;
    std::string path;         // the copy's file (of the earlier form: its description)
    std::string oldChartPath; // the earlier form's chart bytes; empty for a copy of one file
};

// A chart's copy made ready to write: what writing it needs, taken from the chart at once so
// the write itself can run on another thread.
struct RecoverySnapshot {
    std::string copy;             // the copy file's bytes
    std::uint64_t generation = 0; // the store's, when taken
};

class RecoveryStore {
  public:
    explicit RecoveryStore(std::string folder, ProcessIdentity self = ThisProcess());
    // Removes this process's copy and lock: only a program that dies leaves them behind.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    const std::string& folder() const { return folder_; }

    // Writes this process's copy of the chart in one safe write; false with the reason when
    // it cannot be written (the folder is a symbolic link, the disk is full...), the previous
    // copy, if any, then still standing.
    bool writeCopy(const Tournament& tournament, const std::string& chartFile,
                   std::optional<RatingSystem> ratingSystem, Message& reason);
    // The same in two steps: the snapshot on the chart's thread, the write on any thread.
    // A snapshot taken before the copy was last removed is not written (true, nothing done):
    // the chart it holds has been saved or replaced since.
    RecoverySnapshot snapshot(const Tournament& tournament, const std::string& chartFile,
                              std::optional<RatingSystem> ratingSystem) const;
    bool write(const RecoverySnapshot& snapshot, Message& reason);
    // Waits for a write under way, so no copy comes back after it.
    void removeCopy();
    bool hasCopy() const;

    // Removes what writers killed in the middle of writing a copy left: a chart's names and
    // numbers in a file nothing would ever read or remove.
    void removeUnfinishedWrites() const;
    // Copies whose writer no longer runs, oldest first; only each copy's description is read.
    // None from a folder that is a symbolic link.
    std::vector<LeftCopy> leftBehind() const;
    // Lays the copy's chart into the tournament (type, counts, cells) and marks it
    // modified; false with a message when the copy cannot be read (nothing changed then).
    // The chart's bytes decide what they hold (players; rounds where columns are rounds),
    // whatever the description says.
    static bool restore(const LeftCopy& copy, Tournament& tournament, Message& message);
    static void discard(const LeftCopy& copy);

    // Marks the chart file as open here, releasing the one held before; an empty path
    // only releases.
    void holdChart(const std::string& chartPath);
    const std::string& heldChart() const { return heldChart_; }
    // Another running program holding the chart file; stale locks of dead programs are
    // removed on the way.
    std::optional<ProcessIdentity> holderOf(const std::string& chartPath) const;

  private:
    bool ensureFolder(Message& reason) const;
    std::string copyStem() const;
    std::string lockPath(const std::string& chartPath) const;

    std::string folder_;
    ProcessIdentity self_;
    std::string heldChart_;
    std::string heldLockPath_;
    mutable std::mutex writing_;   // a write and a removal never overlap
    std::uint64_t generation_ = 0; // counts removals, under writing_
};

} // namespace ranvik
