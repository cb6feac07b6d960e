#include "recovery/ProcessIdentity.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include <signal.h>
#include <unistd.h>

namespace ranvik {

namespace {

// The fields of /proc/PID/stat this file needs: the state letter and the start time.
struct ProcessStat {
    char state = '?';
    std::uint64_t startTicks = 0;
};

std::optional<ProcessStat> ReadProcessStat(long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!pid || !std::getline(stat, line))
        return std::nullopt;
    // The command name (field 2) is in parentheses and may hold blanks or parentheses
    // itself; the fields after the last ')' are the state (field 3), then plain numbers, the
    // start time the 22nd field.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos)
        return std::nullopt;
    std::istringstream fields(line.substr(close + 1));
    ProcessStat read;
    std::string field;
    for (int i = 0; i < 20 && fields >> field; ++i) {
        if (i == 0)
            read.state = field.empty() ? '?' : field[0];
    }
    const auto [end, error] =
        std::from_chars(field.data(), field.data() + field.size(), read.startTicks);
    if (error != std::errc() || end != field.data() + field.size())
        read.startTicks = 0;
    return read;
}

} // namespace

std::uint64_t ProcessStartTicks(long pid) {
    const std::optional<ProcessStat> stat = ReadProcessStat(pid);
    return stat ? stat->startTicks : 0;
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
    const std::optional<ProcessStat> stat = ReadProcessStat(process.pid);
    // A zombie has exited; only its parent has not collected it yet.
    if (stat && (stat->state == 'Z' || stat->state == 'X'))
        return false;
    const std::uint64_t started = stat ? stat->startTicks : 0;
    return process.startTicks == 0 || started == 0 || started == process.startTicks;
}

} // namespace ranvik
