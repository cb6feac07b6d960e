#include "platform/Processes.h"

#include <windows.h>

namespace ranvik::platform {

namespace {

class ProcessHandle {
  public:
    explicit ProcessHandle(long pid)
        : handle_(pid > 0 ? OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE,
                                        static_cast<DWORD>(pid))
                          : nullptr) {}
    ~ProcessHandle() {
        if (handle_)
            CloseHandle(handle_);
    }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

} // namespace

long CurrentProcessId() {
    return static_cast<long>(GetCurrentProcessId());
}

std::uint64_t ProcessStartTime(long pid) {
    const ProcessHandle process(pid);
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!process.get() || !GetProcessTimes(process.get(), &created, &exited, &kernel, &user))
        return 0;
    return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

bool ProcessRunning(long pid) {
    const ProcessHandle process(pid);
    if (!process.get())
        // Denied: it exists but is another user's. Any other failure: no such process.
        return pid > 0 && GetLastError() == ERROR_ACCESS_DENIED;
    // An ended process stays openable while someone holds a handle to it: it is signalled.
    return WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

} // namespace ranvik::platform
