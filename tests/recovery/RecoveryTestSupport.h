#pragma once
// Processes for the recovery tests: one known to be gone, one known to run.

#include "recovery/ProcessIdentity.h"

#ifdef _WIN32
#include "TestProcess.h"
#include "platform/ChildProcess.h"
#include "platform/Paths.h"
#include "platform/Processes.h"

#include <chrono>
#include <memory>
#include <thread>

#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace ranvik::test {

#ifdef _WIN32

// This test program started again as a child (TestMain serves its job).
inline std::string ThisProgram() {
    wchar_t name[MAX_PATH];
    GetModuleFileNameW(nullptr, name, MAX_PATH);
    return platform::Utf8FromPath(std::filesystem::path(name));
}

// Waits while the process given by its argument runs, so it never outlives the test.
inline const platform::ChildJob kOutliveNot = platform::RegisterChildJob(
    "test-wait-for-parent", [](const std::vector<std::string>& arguments) {
        while (platform::ProcessRunning(std::stol(arguments.at(0))))
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return std::string();
    });

inline ProcessIdentity GoneProcess() {
    long pid = 0;
    std::uint64_t started = 0;
    {
        TestProcess child(ThisProgram(), {"--ranvik-child", "test-none"}, {});
        pid = child.pid();
        started = ProcessStartTicks(pid);
        child.wait(std::chrono::seconds(30));
    }
    return {pid, started};
}

// A child that has exited while this program still holds its handle, as a parent that has
// not collected it yet does; Reap lets go of it.
inline std::unique_ptr<TestProcess>& UncollectedChild() {
    static std::unique_ptr<TestProcess> child;
    return child;
}

inline ProcessIdentity ZombieProcess() {
    std::unique_ptr<TestProcess>& child = UncollectedChild();
    child = std::make_unique<TestProcess>(ThisProgram(),
                                          std::vector<std::string>{"--ranvik-child", "test-none"},
                                          TestProcess::Options{});
    const long pid = child->pid();
    const std::uint64_t started = ProcessStartTicks(pid);
    child->wait(std::chrono::seconds(30));
    return {pid, started};
}

inline void Reap(const ProcessIdentity&) {
    UncollectedChild().reset();
}

inline ProcessIdentity RunningProcess() {
    static TestProcess child(
        ThisProgram(),
        {"--ranvik-child", kOutliveNot.name, std::to_string(platform::CurrentProcessId())}, {});
    return {child.pid(), ProcessStartTicks(child.pid())};
}

#else

// A child that has exited and been reaped: its id names no running process.
inline ProcessIdentity GoneProcess() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    const std::uint64_t started = ProcessStartTicks(child);
    int status = 0;
    waitpid(child, &status, 0);
    return {static_cast<long>(child), started};
}

// A child that has exited but is not collected yet (a zombie); reap it with waitpid.
inline ProcessIdentity ZombieProcess() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    const std::uint64_t started = ProcessStartTicks(child);
    siginfo_t exited{};
    waitid(P_PID, static_cast<id_t>(child), &exited, WEXITED | WNOWAIT);
    return {static_cast<long>(child), started};
}

inline void Reap(const ProcessIdentity& zombie) {
    waitpid(static_cast<pid_t>(zombie.pid), nullptr, 0);
}

// The test runner's parent (ctest or a shell), running for the whole test.
inline ProcessIdentity RunningProcess() {
    const long pid = static_cast<long>(getppid());
    return {pid, ProcessStartTicks(pid)};
}

#endif

} // namespace ranvik::test
