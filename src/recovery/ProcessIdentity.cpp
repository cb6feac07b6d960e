#include "recovery/ProcessIdentity.h"

#include "platform/Processes.h"

namespace ranvik {

std::uint64_t ProcessStartTicks(long pid) {
    return platform::ProcessStartTime(pid);
}

ProcessIdentity ThisProcess() {
    const long pid = platform::CurrentProcessId();
    return {pid, ProcessStartTicks(pid)};
}

bool IsRunning(const ProcessIdentity& process) {
    if (!platform::ProcessRunning(process.pid))
        return false;
    const std::uint64_t started = ProcessStartTicks(process.pid);
    return process.startTicks == 0 || started == 0 || started == process.startTicks;
}

} // namespace ranvik
