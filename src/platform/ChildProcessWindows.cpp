#include "platform/ChildProcess.h"

#include "platform/Paths.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

namespace ranvik::platform {

using namespace child_detail;

namespace {

// What the program itself needs before the work starts (its DLLs, its heap): the memory cap
// is set above this, as Linux sets it above the forked copy's mappings.
constexpr std::size_t kStartAllowance = std::size_t{256} << 20;

struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle && handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

std::wstring Wide(const std::string& utf8) {
    return PathFromUtf8(utf8).wstring();
}

std::wstring OwnProgram() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

std::string HexCode(DWORD code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
    return text;
}

// A job that ends the child with it, caps its memory and stops a crash from waiting on a
// dialog nobody sees.
Handle MakeJob(std::size_t memory) {
    Handle job(CreateJobObjectW(nullptr, nullptr));
    if (!job)
        throw ChildFailure("the reader could not be started: no job object");
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    if (memory > 0) {
        limits.BasicLimitInformation.LimitFlags |= JOB_OBJECT_LIMIT_PROCESS_MEMORY;
        limits.ProcessMemoryLimit = memory + kStartAllowance;
    }
    SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

} // namespace

std::string RunInChild(ChildJob job, const std::vector<std::string>& arguments,
                       const ChildLimits& limits) {
    if (!FindJob(job.name))
        throw ChildFailure(std::string("no reader is registered as ") + job.name);
    const auto deadline = std::chrono::steady_clock::now() + limits.time;

    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
        throw ChildFailure("no pipe for the reader");
    Handle reading(readEnd);
    Handle writing(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    Handle nothing(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING, 0,
                               nullptr));

    const std::wstring program = OwnProgram();
    std::vector<std::wstring> words = {program, Wide(kServeFlag), Wide(job.name)};
    for (const std::string& argument : arguments)
        words.push_back(Wide(argument));
    std::wstring line = WindowsCommandLine(words);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nothing.get();
    startup.hStdOutput = writeEnd;
    startup.hStdError = nothing.get();
    PROCESS_INFORMATION started{};
    Handle jobObject = MakeJob(limits.memory);
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE,
                        CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup, &started))
        throw ChildFailure("the reader could not be started (Windows error " +
                           std::to_string(GetLastError()) + ")");
    Handle process(started.hProcess);
    Handle thread(started.hThread);
    AssignProcessToJobObject(jobObject.get(), started.hProcess);
    ResumeThread(started.hThread);
    writing.reset(); // the child holds the only write end: its end ends the pipe

    std::string frame;
    std::thread reader([&frame, readEnd] {
        char buffer[65536];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            frame.append(buffer, got);
    });
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    const DWORD waited = WaitForSingleObject(
        started.hProcess, static_cast<DWORD>(std::max<long long>(left.count(), 0)));
    if (waited != WAIT_OBJECT_0)
        TerminateJobObject(jobObject.get(), 1);
    // A grandchild holding the pipe is ended with the job too.
    WaitForSingleObject(started.hProcess, INFINITE);
    TerminateJobObject(jobObject.get(), 1);
    reader.join();
    if (waited != WAIT_OBJECT_0)
        throw ChildFailure("the reader did not finish within " + DurationText(limits.time));

    DWORD status = 0;
    GetExitCodeProcess(started.hProcess, &status);
    if (status >= 0xC0000000u)
        throw ChildFailure("the reader crashed (exception " + HexCode(status) + ")");
    if (status != 0)
        throw ChildFailure("the reader failed (exit status " + std::to_string(status) + ")");
    return Unframe(frame);
}

bool child_detail::WriteAnswer(const std::string& frame) {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    std::size_t done = 0;
    while (done < frame.size()) {
        DWORD wrote = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(frame.size() - done, 1 << 20));
        if (!WriteFile(out, frame.data() + done, chunk, &wrote, nullptr) || wrote == 0)
            return false;
        done += wrote;
    }
    return true;
}

// In the user's temporary folder: tmpfile() would try the drive's root, which a user may not
// write to.
std::FILE* child_detail::ScratchFile() {
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    if (!GetTempPathW(MAX_PATH + 1, folder) || !GetTempFileNameW(folder, L"rvk", 0, name))
        return nullptr;
    return _wfopen(name, L"w+bTD");
}

void child_detail::PrepareChild() {
    // No dialog for a crash or a missing drive while a library reads a damaged file.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    _setmode(_fileno(stdout), _O_BINARY);
}

std::vector<std::string> Utf8Arguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(Utf8FromPath(std::filesystem::path(wide[i])));
    LocalFree(wide);
    return arguments;
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

} // namespace ranvik::platform
