#include "platform/Files.h"

#include "platform/Paths.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace ranvik::platform {

namespace {

std::wstring WideMode(const char* mode) {
    std::wstring wide;
    for (const char* c = mode; *c; ++c)
        wide += static_cast<wchar_t>(*c);
    return wide;
}

// The system's message for a Windows error code, as a sentence.
std::string WindowsReason(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
        reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide = length ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' '))
        wide.pop_back();
    if (wide.empty())
        return "Windows error " + std::to_string(code) + ".";
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(),
                                                                  static_cast<int>(wide.size()),
                                                                  nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                        static_cast<int>(utf8.size()), nullptr, nullptr);
    if (utf8.back() != '.')
        utf8 += '.';
    return utf8;
}

// Whether another program has the file open without letting it be deleted or replaced
// (Windows reports that as "access denied" when a file is moved over it).
bool HeldOpen(const std::filesystem::path& path) {
    const HANDLE probe =
        CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

} // namespace

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    return _wfopen(path.c_str(), WideMode(mode).c_str());
}

std::FILE* CreateNewFile(const std::filesystem::path& path) {
    const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                          _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (!file) {
        const int error = errno;
        _close(fd);
        _wremove(path.c_str());
        errno = error;
    }
    return file;
}

std::FILE* OpenRegularFile(const std::filesystem::path& path, Message& reason) {
    reason = {};
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        reason = Message(MessageKind::SystemReason, {std::strerror(EISDIR)});
        return nullptr;
    }
    std::FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) {
        reason = Message(MessageKind::SystemReason, {std::strerror(errno)});
        return nullptr;
    }
    // A console, printer or pipe name opens too; only a disk file is read.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        std::fclose(file);
        reason = Message(MessageKind::ReadingDevice);
        return nullptr;
    }
    return file;
}

bool SyncFile(std::FILE* file) {
    return _commit(_fileno(file)) == 0;
}

bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to, Message& reason) {
    // A virus scanner or indexer may hold the old file for a moment: a few tries.
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        error = GetLastError();
        // A reader that shares the file for deletion keeps Windows from moving another file
        // over its name, not from renaming it aside: ReplaceFileW does both in one call.
        if (error == ERROR_ACCESS_DENIED && !HeldOpen(to) &&
            ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                         nullptr, nullptr))
            return true;
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION &&
            error != ERROR_ACCESS_DENIED)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    reason = error == ERROR_SHARING_VIOLATION || (error == ERROR_ACCESS_DENIED && HeldOpen(to))
                 ? Message(MessageKind::FileHeldOpen)
                 : Message(MessageKind::SystemReason, {WindowsReason(error)});
    return false;
}

void SyncFolder(const std::filesystem::path&) {
    // MOVEFILE_WRITE_THROUGH already waited for the rename to reach the disk.
}

std::string NameForNarrowLibrary(const std::string& utf8Path) {
    const auto plain = [](const std::string& name) {
        for (const char c : name) {
            if (static_cast<unsigned char>(c) >= 0x80)
                return false;
        }
        return true;
    };
    if (plain(utf8Path))
        return utf8Path;
    const std::wstring wide = PathFromUtf8(utf8Path).wstring();
    std::wstring shortName(wide.size() + 1, L'\0');
    const DWORD length =
        GetShortPathNameW(wide.c_str(), shortName.data(), static_cast<DWORD>(shortName.size()));
    if (length == 0 || length >= shortName.size())
        return utf8Path;
    shortName.resize(length);
    const std::string narrow = Utf8FromPath(std::filesystem::path(shortName));
    return plain(narrow) ? narrow : utf8Path;
}

bool MayChange(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY);
}

FolderLock::FolderLock(const std::filesystem::path& folder) {
    // A folder handle cannot be locked: a lock file inside it, gone with its last handle.
    const std::filesystem::path name =
        (folder.empty() ? std::filesystem::path(L".") : folder) / L".rvk-folder.lock";
    const HANDLE file = CreateFileW(
        name.c_str(), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    OVERLAPPED whole{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &whole)) {
        CloseHandle(file);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
}

FolderLock::~FolderLock() {
    if (handle_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle_)); // releases the lock
}

} // namespace ranvik::platform
