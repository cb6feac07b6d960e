#include "files/FileWriter.h"

#include "files/StagedWrite.h"

#include "platform/Files.h"
#include "platform/Paths.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace ranvik {

bool WriteFileSafely(const std::string& path, std::string_view bytes) {
    Message ignored;
    return WriteFileSafely(path, bytes, ignored);
}

bool WriteFileSafely(const std::string& path, std::string_view bytes, Message& reason) {
    reason = {};
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

Message SavingError(const std::string& path, Message reason) {
    Message error(MessageKind::ErrorSaving, {path});
    error.then(std::move(reason));
    return error;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, Message& error,
                   std::size_t maxBytes) {
    auto fail = [&](Message reason) {
        error = Message(MessageKind::CannotRead, {path, std::move(reason)});
        return false;
    };
    const auto tooLarge = [&] {
        return fail(Message(MessageKind::ReadFileTooLarge, {maxBytes / (1024 * 1024)}));
    };
    Message reason;
    const platform::FilePointer file(
        platform::OpenRegularFile(platform::PathFromUtf8(path), reason));
    if (!file)
        return fail(reason);
    std::string content;
    // Taken at once: grown by doubling, a 4 MB chart cost twice its size in copies and fresh
    // pages. The size is only a hint; the reads below still stop at the limit.
    std::error_code ec;
    const std::uintmax_t expected = fs::file_size(platform::PathFromUtf8(path), ec);
    if (!ec)
        content.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(expected, maxBytes)));
    std::array<char, 65536> buffer;
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
        if (got == 0 && std::ferror(file.get()))
            return fail(
                Message(MessageKind::SystemReason, {std::strerror(errno != 0 ? errno : EIO)}));
        if (got == 0)
            break;
        // A file that grows while it is read is stopped at the limit too.
        if (content.size() + got > maxBytes)
            return tooLarge();
        content.append(buffer.data(), got);
    }
    bytes = std::move(content);
    error = {};
    return true;
}

} // namespace ranvik
