#include "platform/Files.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ranvik::platform {

namespace {

// The system's own words for an error number.
Message ErrorReason(int code) {
    return Message(MessageKind::SystemReason, {std::strerror(code)});
}

Message NotRegularReason(mode_t mode) {
    if (S_ISDIR(mode))
        return ErrorReason(EISDIR);
    if (S_ISFIFO(mode))
        return Message(MessageKind::ReadingFifo);
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Message(MessageKind::ReadingDevice);
    if (S_ISSOCK(mode))
        return Message(MessageKind::ReadingSocket);
    return Message(MessageKind::ReadingNotRegular);
}

} // namespace

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::FILE* CreateNewFile(const std::filesystem::path& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    std::FILE* file = fdopen(fd, "wb");
    if (!file) {
        const int error = errno;
        close(fd);
        unlink(path.c_str());
        errno = error;
    }
    return file;
}

std::FILE* OpenRegularFile(const std::filesystem::path& path, Message& reason) {
    reason = {};
    // Not blocking, so a FIFO with no writer cannot hold the program at the open.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = ErrorReason(errno);
        return nullptr;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0)
        reason = ErrorReason(errno);
    else if (!S_ISREG(info.st_mode))
        reason = NotRegularReason(info.st_mode);
    if (!reason.empty()) {
        close(fd);
        return nullptr;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = fdopen(fd, "rb");
    if (!file) {
        reason = ErrorReason(errno);
        close(fd);
    }
    return file;
}

bool SyncFile(std::FILE* file) {
    return fsync(fileno(file)) == 0;
}

bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to, Message& reason) {
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return true;
    reason = Message(MessageKind::SystemReason, {std::string(std::strerror(errno)) + "."});
    return false;
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

std::string NameForNarrowLibrary(const std::string& utf8Path) {
    return utf8Path;
}

bool MayChange(const std::filesystem::path& path) {
    return access(path.c_str(), F_OK) != 0 || access(path.c_str(), W_OK) == 0;
}

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            close(fd);
            return;
        }
    }
    handle_ = fd;
}

FolderLock::~FolderLock() {
    if (handle_ != -1)
        close(static_cast<int>(handle_)); // releases the lock
}

} // namespace ranvik::platform
