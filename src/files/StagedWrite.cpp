#include "files/StagedWrite.h"

#include "platform/Files.h"
#include "platform/Paths.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace ranvik {
namespace {

std::array<int, WriteStepCount> gInjected{}; // failures still to inject, by WriteStep
std::array<int, WriteStepCount> gSpared{};   // passes of the step still to let through first

// An injected failure gives the reason the system would give for that step.
bool InjectedFailure(WriteStep step, Message& reason) {
    int& left = gInjected[static_cast<std::size_t>(step)];
    if (left <= 0)
        return false;
    if (int& spared = gSpared[static_cast<std::size_t>(step)]; spared > 0) {
        --spared;
        return false;
    }
    --left;
    static constexpr std::array<int, WriteStepCount> kCodes{EACCES, ENOSPC, EIO, EIO, EIO};
    reason = staged::SystemReason(kCodes[static_cast<std::size_t>(step)]);
    return true;
}

bool FlushToSystem(std::FILE* file, Message& reason) {
    if (InjectedFailure(WriteStep::Flush, reason))
        return false;
    if (std::fflush(file) == 0)
        return true;
    reason = staged::SystemReason(errno != 0 ? errno : EIO);
    return false;
}

bool SyncToDisk(std::FILE* file, Message& reason) {
    if (InjectedFailure(WriteStep::Sync, reason))
        return false;
    const bool synced = platform::SyncFile(file);
    if (!synced)
        reason = staged::SystemReason(errno != 0 ? errno : EIO);
    return synced;
}

// Best effort: a replaced file keeps the permissions it had.
void KeepPermissions(const fs::path& target, const fs::path& tempPath) {
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (ec || !fs::is_regular_file(status))
        return;
    fs::permissions(tempPath, status.permissions(), ec);
}

// The limits of the usual file systems and of the system's calls (NAME_MAX, PATH_MAX).
constexpr std::size_t kMaxNameBytes = 255;
constexpr std::size_t kMaxPathBytes = 4096;

bool EndsInSeparator(const std::string& path) {
    const char last = path.back();
    return last == '/' || last == static_cast<char>(fs::path::preferred_separator);
}

// Why a file of this kind is not replaced; empty for a regular file.
Message KindReason(fs::file_type type) {
    switch (type) {
    case fs::file_type::regular:
    case fs::file_type::not_found:
        return {};
    case fs::file_type::directory:
        return Message(MessageKind::TargetIsFolder);
    case fs::file_type::character:
    case fs::file_type::block:
        return Message(MessageKind::TargetIsDevice);
    case fs::file_type::fifo:
        return Message(MessageKind::TargetIsFifo);
    case fs::file_type::socket:
        return Message(MessageKind::TargetIsSocket);
    default:
        return Message(MessageKind::TargetNotRegular);
    }
}

bool WriteBytes(std::FILE* file, std::string_view bytes, Message& reason) {
    if (InjectedFailure(WriteStep::Write, reason)) {
        // A failure halfway through, as a full disk gives it.
        if (bytes.size() > 1)
            std::fwrite(bytes.data(), 1, bytes.size() / 2, file);
        return false;
    }
    errno = 0;
    // An empty view may carry no data pointer, which fwrite must not be given.
    if (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size())
        return true;
    reason = staged::SystemReason(errno != 0 ? errno : EIO);
    return false;
}

} // namespace

namespace staged {

Message SystemReason(int code) {
    return Message(MessageKind::SystemReason, {std::string(std::strerror(code)) + "."});
}

fs::path CheckedTarget(const std::string& path, Message& reason) {
    reason = UnusableFileName(path);
    if (!reason.empty())
        return {};
    std::error_code ec;
    fs::path target = platform::PathFromUtf8(path);
    const fs::file_status own = fs::symlink_status(target, ec);
    if (fs::is_symlink(own)) {
        // The link stays; the file it points to is the one replaced.
        target = fs::canonical(target, ec);
        if (ec) {
            reason = ec == std::errc::no_such_file_or_directory
                         ? Message(MessageKind::DanglingSymbolicLink)
                         : Message(MessageKind::BrokenSymbolicLink, {ec.message()});
            return {};
        }
    }
    if (target.parent_path().empty())
        target = fs::path(".") / target;
    const fs::file_status status = fs::status(target, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        reason = SystemReason(ec.value()); // a folder on the way that is not one, no access...
        return {};
    }
    reason = KindReason(status.type());
    if (!reason.empty())
        return {};
    // A file the user may not change is not replaced either, though the rename would allow it.
    if (!platform::MayChange(target)) {
        reason = SystemReason(EACCES);
        return {};
    }
    return target;
}

namespace {
constexpr std::string_view kTemporaryPrefix = ".rvk-";
constexpr std::string_view kTemporaryDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t kTemporaryLength = 10;
constexpr char kStagedSuffix[] = ".tmp";

bool IsStagedName(const std::string& name) {
    const std::size_t digits = kTemporaryPrefix.size();
    return name.size() == digits + kTemporaryLength + std::string_view(kStagedSuffix).size() &&
           name.starts_with(kTemporaryPrefix) && name.ends_with(kStagedSuffix) &&
           name.find_first_not_of(kTemporaryDigits, digits) == digits + kTemporaryLength;
}
} // namespace

fs::path TemporaryName(const fs::path& target, const char* suffix) {
    // One generator a thread: the recovery copy is written beside the window's own saves.
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string name(kTemporaryPrefix);
    for (std::size_t i = 0; i < kTemporaryLength; ++i)
        name += kTemporaryDigits[random() % kTemporaryDigits.size()];
    return target.parent_path() / (name + suffix);
}

void RemoveUnfinished(const fs::path& folder) {
    const FolderLock lock(folder);
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (IsStagedName(platform::Utf8FromPath(entry.path().filename())) &&
            fs::is_regular_file(entry.symlink_status(error)))
            fs::remove(entry.path(), error);
    }
}

bool Stage(const fs::path& target, std::string_view bytes, StagedFile& staged, Message& reason) {
    if (InjectedFailure(WriteStep::Create, reason))
        return false;
    staged.target = target;
    std::FILE* file = nullptr;
    for (int attempt = 0; attempt < 100 && !file; ++attempt) {
        staged.temp = TemporaryName(target, kStagedSuffix);
        // "x": fail rather than reuse a file that happens to have the same name.
        file = platform::CreateNewFile(staged.temp);
        if (!file && errno != EEXIST) {
            reason = SystemReason(errno);
            return false;
        }
    }
    if (!file) {
        reason = SystemReason(EEXIST);
        return false;
    }
    // Written, handed to the system, then put on the disk: each step only after the last.
    bool ok =
        WriteBytes(file, bytes, reason) && FlushToSystem(file, reason) && SyncToDisk(file, reason);
    if (std::fclose(file) != 0 && ok) {
        reason = SystemReason(errno != 0 ? errno : EIO);
        ok = false;
    }
    if (!ok)
        Discard(staged);
    return ok;
}

bool Commit(const StagedFile& staged, Message& reason) {
    KeepPermissions(staged.target, staged.temp);
    if (InjectedFailure(WriteStep::Replace, reason))
        return false;
    return platform::MoveOver(staged.temp, staged.target, reason);
}

void Discard(const StagedFile& staged) {
    std::error_code ignored;
    fs::remove(staged.temp, ignored);
}

void SyncFolder(const fs::path& folder) {
    platform::SyncFolder(folder);
}

} // namespace staged

Message UnusableFileName(const std::string& path) {
    if (path.empty())
        return Message(MessageKind::NoFileName);
    if (EndsInSeparator(path))
        return Message(MessageKind::NameEndsInSeparator);
    if (path.size() >= kMaxPathBytes)
        return Message(MessageKind::PathTooLong, {path.size(), kMaxPathBytes - 1});
    for (const fs::path& part : fs::path(path)) {
        if (part.native().size() > kMaxNameBytes)
            return Message(MessageKind::PathNameTooLong, {part.native().size(), kMaxNameBytes});
    }
    return {};
}

void InjectWriteFailure(WriteStep step, int count, int after) {
    gInjected[static_cast<std::size_t>(step)] += count;
    gSpared[static_cast<std::size_t>(step)] += after;
}

void ClearInjectedWriteFailures() {
    gInjected.fill(0);
    gSpared.fill(0);
}

} // namespace ranvik
