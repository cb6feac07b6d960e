#include "files/FileWriter.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace ranvik {
namespace {

std::array<int, 4> gInjected{}; // failures still to inject, by WriteStep
std::array<int, 4> gSpared{};   // passes of the step still to let through before them

bool InjectedFailure(WriteStep step) {
    int& left = gInjected[static_cast<std::size_t>(step)];
    if (left <= 0)
        return false;
    if (int& spared = gSpared[static_cast<std::size_t>(step)]; spared > 0) {
        --spared;
        return false;
    }
    --left;
    return true;
}

// Opens a new file beside the target that no one else uses; nullptr when none can be made.
std::FILE* CreateTemporary(const fs::path& target, fs::path& tempPath) {
    static std::mt19937_64 random{std::random_device{}()};
    const fs::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name =
            "." + target.filename().string() + ".tmp" + std::to_string(random() % 1000000000);
        tempPath = folder / name;
        // "x": fail rather than reuse a file that happens to have the same name.
        if (std::FILE* file = std::fopen(tempPath.string().c_str(), "wbx"))
            return file;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

bool SyncToDisk(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// Best effort: a replaced file keeps the permissions it had.
void KeepPermissions(const fs::path& target, const fs::path& tempPath) {
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (ec || !fs::is_regular_file(status))
        return;
    fs::permissions(tempPath, status.permissions(), ec);
}

// Best effort: makes the rename itself durable.
void SyncFolder([[maybe_unused]] const fs::path& folder) {
#ifndef _WIN32
    const std::string name = folder.empty() ? std::string(".") : folder.string();
    const int fd = open(name.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
#endif
}

// The file the bytes must end up in: a symbolic link is followed so it stays a link.
fs::path ResolveTarget(const std::string& path) {
    std::error_code ec;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    if (target.parent_path().empty())
        target = fs::path(".") / target;
    return target;
}

bool WriteTemporary(std::FILE* file, std::string_view bytes) {
    if (InjectedFailure(WriteStep::Write)) {
        // A failure halfway through, as a full disk gives it.
        std::fwrite(bytes.data(), 1, bytes.size() / 2, file);
        return false;
    }
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

// A file the user may not change is not replaced either, though the rename would allow it.
bool TargetWritable(const fs::path& target) {
#ifdef _WIN32
    return _access(target.string().c_str(), 0) != 0 || _access(target.string().c_str(), 2) == 0;
#else
    return access(target.c_str(), F_OK) != 0 || access(target.c_str(), W_OK) == 0;
#endif
}

} // namespace

bool WriteFileSafely(const std::string& path, std::string_view bytes) {
    const fs::path target = ResolveTarget(path);
    if (InjectedFailure(WriteStep::Create) || !TargetWritable(target))
        return false;
    fs::path tempPath;
    std::FILE* file = CreateTemporary(target, tempPath);
    if (!file)
        return false;

    bool ok = WriteTemporary(file, bytes);
    if (ok)
        ok = !InjectedFailure(WriteStep::Flush) && SyncToDisk(file);
    if (std::fclose(file) != 0)
        ok = false;
    if (ok) {
        KeepPermissions(target, tempPath);
        std::error_code ec;
        if (InjectedFailure(WriteStep::Replace)) {
            ok = false;
        } else {
            fs::rename(tempPath, target, ec);
            ok = !ec;
        }
    }
    if (!ok) {
        std::error_code ignored;
        fs::remove(tempPath, ignored);
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
    auto fail = [&](int code) {
        error = "Cannot read " + path + ": " + std::strerror(code);
        return false;
    };
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return fail(EISDIR);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return fail(errno);
    std::string content;
    std::array<char, 65536> buffer;
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
        content.append(buffer.data(), got);
    }
    const bool failed = std::ferror(file) != 0;
    const int code = errno;
    std::fclose(file);
    if (failed)
        return fail(code != 0 ? code : EIO);
    bytes = std::move(content);
    error.clear();
    return true;
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
