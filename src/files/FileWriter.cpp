#include "files/FileWriter.h"

#include "files/StagedWrite.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace ranvik {

namespace {

#ifndef _WIN32
std::string NotRegularReason(mode_t mode) {
    if (S_ISDIR(mode))
        return std::strerror(EISDIR);
    if (S_ISFIFO(mode))
        return "it is a FIFO (named pipe), not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a regular file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a regular file";
    return "it is not a regular file";
}

// Closes the descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            close(fd);
    }
};
#endif

} // namespace

bool WriteFileSafely(const std::string& path, std::string_view bytes) {
    std::string ignored;
    return WriteFileSafely(path, bytes, ignored);
}

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string& reason) {
    reason.clear();
    const fs::path target = staged::CheckedTarget(path, reason);
    if (target.empty())
        return false;
    const staged::FolderLock lock(target.parent_path());
    staged::StagedFile file;
    if (!staged::Stage(target, bytes, file, reason))
        return false;
    if (!staged::Commit(file, reason)) {
        staged::Discard(file);
        return false;
    }
    staged::SyncFolder(target.parent_path());
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error,
                   std::size_t maxBytes) {
    auto fail = [&](const std::string& reason) {
        error = "Cannot read " + path + ": " + reason;
        return false;
    };
    const auto tooLarge = [&] {
        return fail("the file is larger than " + std::to_string(maxBytes / (1024 * 1024)) + " MB");
    };
#ifdef _WIN32
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return fail(std::strerror(EISDIR));
    if (fs::exists(path, ec) && !fs::is_regular_file(path, ec))
        return fail("it is not a regular file");
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return fail(std::strerror(errno));
    auto readSome = [&](char* buffer, std::size_t size) {
        return static_cast<long>(std::fread(buffer, 1, size, file));
    };
    struct Closer {
        std::FILE* f;
        ~Closer() { std::fclose(f); }
    } closer{file};
#else
    // Not blocking, so a FIFO with no writer cannot hold the program at the open.
    Descriptor file{open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        return fail(std::strerror(errno));
    struct stat info {};
    if (fstat(file.fd, &info) != 0)
        return fail(std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return fail(NotRegularReason(info.st_mode));
    if (static_cast<unsigned long long>(info.st_size) > maxBytes)
        return tooLarge();
    // Taken at once: grown by doubling, a 4 MB chart cost twice its size in copies and
    // fresh pages.
    const auto expected = static_cast<std::size_t>(info.st_size);
    auto readSome = [&](char* buffer, std::size_t size) {
        ssize_t got = 0;
        do {
            got = read(file.fd, buffer, size);
        } while (got < 0 && errno == EINTR);
        return static_cast<long>(got);
    };
#endif
    std::string content;
#ifndef _WIN32
    content.reserve(expected);
#endif
    std::array<char, 65536> buffer;
    for (;;) {
        const long got = readSome(buffer.data(), buffer.size());
        if (got < 0)
            return fail(std::strerror(errno != 0 ? errno : EIO));
        if (got == 0)
            break;
        // A file that grows while it is read is stopped at the limit too.
        if (content.size() + static_cast<std::size_t>(got) > maxBytes)
            return tooLarge();
        content.append(buffer.data(), static_cast<std::size_t>(got));
    }
    bytes = std::move(content);
    error.clear();
    return true;
}

} // namespace ranvik
