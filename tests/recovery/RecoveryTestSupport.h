#pragma once
// Processes for the recovery tests: one known to be gone, one known to run.

#include "recovery/ProcessIdentity.h"

#include <sys/wait.h>
#include <unistd.h>

namespace ranvik::test {

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

// The test runner's parent (ctest or a shell), running for the whole test.
inline ProcessIdentity RunningProcess() {
    const long pid = static_cast<long>(getppid());
    return {pid, ProcessStartTicks(pid)};
}

} // namespace ranvik::test
