#include "recovery/ProcessIdentity.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include <signal.h>
#include <unistd.h>

namespace ranvik {

std::uint64_t ProcessStartTicks(long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!pid || !std::getline(stat, line))
        return 0;
    // The command name (field 2) is in parentheses and may hold blanks or parentheses
    // itself; the fields after the last ')' are plain numbers, the start time the 20th.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(line.substr(close + 1));
    std::string field;
    for (int i = 0; i < 20 && fields >> field; ++i) {
    }
    std::uint64_t ticks = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), ticks);
    return error == std::errc() && end == field.data() + field.size() ? ticks : 0;
}

ProcessIdentity ThisProcess() {
    const long pid = static_cast<long>(getpid());
    return {pid, ProcessStartTicks(pid)};
}

bool IsRunning(const ProcessIdentity& process) {
    if (process.pid <= 0)
        return false;
    // EPERM: the process exists but belongs to someone else.
    if (kill(static_cast<pid_t>(process.pid), 0) != 0 && errno == ESRCH)
        return false;
    const std::uint64_t started = ProcessStartTicks(process.pid);
    return process.startTicks == 0 || started == 0 || started == process.startTicks;
}

} // namespace ranvik
