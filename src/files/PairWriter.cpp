#include "files/PairWriter.h"

#include "files/StagedWrite.h"

#include "platform/Files.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace ranvik {

namespace {

// The old first file, kept under another name until the pair is in place, so it can be put
// back. A hard link costs nothing; a file system without them gets a copy.
class Backup {
  public:
    bool keep(const fs::path& target, Message& reason) {
        std::error_code ec;
        if (!fs::exists(target, ec))
            return true;
        path_ = staged::TemporaryName(target, ".old");
        fs::create_hard_link(target, path_, ec);
        if (ec) {
            ec.clear();
            fs::copy_file(target, path_, ec);
        }
        if (ec) {
            reason = Message(MessageKind::OldFileNotKeptAside, {ec.message()});
            path_.clear();
            return false;
        }
        return true;
    }
    // Puts the old file back over target, or removes target when there was none.
    bool restore(const fs::path& target) {
        if (path_.empty()) {
            std::error_code ec;
            fs::remove(target, ec);
            return !ec;
        }
        Message reason;
        if (!platform::MoveOver(path_, target, reason))
            return false;
        path_.clear();
        return true;
    }
    ~Backup() {
        std::error_code ignored;
        if (!path_.empty())
            fs::remove(path_, ignored);
    }

  private:
    fs::path path_;
};

PairWriteOutcome Failed(const std::string& path, Message reason) {
    return {false, path, std::move(reason)};
}

} // namespace

PairWriteOutcome WritePairSafely(const std::string& firstPath, std::string_view firstBytes,
                                 const std::string& secondPath, std::string_view secondBytes) {
    Message reason;
    const fs::path first = staged::CheckedTarget(firstPath, reason);
    if (first.empty())
        return Failed(firstPath, reason);
    const fs::path second = staged::CheckedTarget(secondPath, reason);
    if (second.empty())
        return Failed(secondPath, reason);

    const staged::FolderLock lock(first.parent_path());
    staged::StagedFile stagedFirst;
    if (!staged::Stage(first, firstBytes, stagedFirst, reason))
        return Failed(firstPath, reason);
    staged::StagedFile stagedSecond;
    if (!staged::Stage(second, secondBytes, stagedSecond, reason)) {
        staged::Discard(stagedFirst);
        return Failed(secondPath, reason);
    }
    Backup backup;
    if (!backup.keep(first, reason) || !staged::Commit(stagedFirst, reason)) {
        staged::Discard(stagedFirst);
        staged::Discard(stagedSecond);
        return Failed(firstPath, reason);
    }
    if (!staged::Commit(stagedSecond, reason)) {
        staged::Discard(stagedSecond);
        if (!backup.restore(first))
            reason = Message(MessageKind::FirstFileNotPutBack, {std::move(reason)});
        staged::SyncFolder(first.parent_path());
        return Failed(secondPath, reason);
    }
    staged::SyncFolder(first.parent_path());
    if (second.parent_path() != first.parent_path())
        staged::SyncFolder(second.parent_path());
    return {true, {}, {}};
}

} // namespace ranvik
