#include "platform/Processes.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <sstream>
#include <string>

#include <signal.h>
#include <unistd.h>

namespace ranvik::platform {

namespace {

// The fields of /proc/PID/stat after the command name, which is in parentheses and may hold
// blanks or parentheses itself: field 3 (the state) first.
std::istringstream StatFieldsAfterName(long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (pid <= 0 || !std::getline(stat, line))
        return std::istringstream();
    const std::size_t close = line.rfind(')');
    return std::istringstream(close == std::string::npos ? std::string() : line.substr(close + 1));
}

} // namespace

long CurrentProcessId() {
    return static_cast<long>(getpid());
}

std::uint64_t ProcessStartTime(long pid) {
    std::istringstream fields = StatFieldsAfterName(pid);
    std::string field;
    // The start time is field 22, the 20th after the name.
    for (int i = 0; i < 20 && fields >> field; ++i) {
    }
    std::uint64_t ticks = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), ticks);
    return error == std::errc() && end == field.data() + field.size() ? ticks : 0;
}

bool ProcessRunning(long pid) {
    if (pid <= 0)
        return false;
    // EPERM: the process exists but belongs to someone else.
    if (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return false;
    std::string state;
    StatFieldsAfterName(pid) >> state;
    return state != "Z" && state != "X";
}

} // namespace ranvik::platform
