#pragma once
// The system calls behind the safe write and the file reads: exclusive creation, putting the
// bytes on the disk, replacing a file by another in one step, the folder lock. Every file is
// opened in binary mode, so the bytes (CR LF line ends included) are the same on every system.

#include "messages/Message.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace ranvik::platform {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// fopen with a UTF-8 name; mode is one of fopen's binary modes ("rb", "wb", "ab").
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Creates a new file for writing (binary) and fails with EEXIST rather than reuse one.
std::FILE* CreateNewFile(const std::filesystem::path& path);

// Opens a regular file for reading without waiting on a FIFO or device; nullptr with the reason
// (a sentence fragment: "it is a folder, not a file") when it is not one or cannot be opened.
std::FILE* OpenRegularFile(const std::filesystem::path& path, Message& reason);

// Makes the system put what was written to file on the disk; false (errno set) on failure.
bool SyncFile(std::FILE* file);

// Puts from in the place of to in one step: readers see the old file or the new one, never
// a mix. False with the reason when it cannot (to unchanged, from left for the caller).
bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to, Message& reason);

// Makes the renames in a folder durable, where the system needs that; best effort.
void SyncFolder(const std::filesystem::path& folder);

// A name a library that opens files by narrow name (libmdb) can open: on Windows, whose narrow
// names are in the system's code page, the short 8.3 name when the name is not plain ASCII.
std::string NameForNarrowLibrary(const std::string& utf8Path);

// False for an existing file the user may not change (read-only); true otherwise.
bool MayChange(const std::filesystem::path& path);

// An exclusive lock on a folder for as long as the object lives, between processes: writers
// in one folder take turns. Without the lock (a folder that cannot be opened) nothing fails.
class FolderLock {
  public:
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return handle_ != -1; }

  private:
    std::intptr_t handle_ = -1; // a descriptor or a HANDLE
};

} // namespace ranvik::platform
