#pragma once
// The steps of a safe write, shared by the one-file and the two-file writers: check the
// target, stage the new content in a temporary file beside it, then put it in place.

#include "files/FileWriter.h"
#include "platform/Files.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ranvik::staged {

// The regular file (or the new name) the bytes must end up in: a symbolic link is followed
// so it stays a link. Empty with a reason when the name cannot be written: no name, a name
// ending in a separator, a folder, device, FIFO or socket, a dangling or looping link, a
// file the user may not change.
std::filesystem::path CheckedTarget(const std::string& path, Message& reason);

// An exclusive lock on a folder for as long as the object lives: every writer into one
// folder takes it, so a pair of files and a single file written there by racing processes
// never interleave. Without the lock (a folder that cannot be opened) the write goes on,
// only not guarded against a racing writer.
using FolderLock = platform::FolderLock;

// New content written and flushed to a temporary file beside its target.
struct StagedFile {
    std::filesystem::path target;
    std::filesystem::path temp;
};

// Creates, writes and flushes the temporary file; false with a reason (nothing left behind).
bool Stage(const std::filesystem::path& target, std::string_view bytes, StagedFile& staged,
           Message& reason);

// Renames the staged file over its target; false with a reason (the target unchanged).
bool Commit(const StagedFile& staged, Message& reason);

// Removes a staged file that will not be used.
void Discard(const StagedFile& staged);

// A new name beside target that no file has, short whatever the target's name is.
std::filesystem::path TemporaryName(const std::filesystem::path& target, const char* suffix);

// Removes from a folder the staged files of writers that died before putting them in place:
// under the folder's lock no living writer has one there. Only names TemporaryName gives are
// touched.
void RemoveUnfinished(const std::filesystem::path& folder);

// Makes the renames in a folder durable; best effort.
void SyncFolder(const std::filesystem::path& folder);

// The system's reason for an error number, as a sentence.
Message SystemReason(int code);

} // namespace ranvik::staged
