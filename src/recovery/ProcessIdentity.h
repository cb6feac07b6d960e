#pragma once
// Which process wrote a recovery copy or holds a chart: its id and the moment it started,
// so that a later process given the same id is not taken for the writer.

#include <cstdint>

namespace ranvik {

struct ProcessIdentity {
    long pid = 0;
    // The start time the system gives the process (its own units); 0 when unknown.
    std::uint64_t startTicks = 0;

    bool operator==(const ProcessIdentity&) const = default;
};

// This program's own process.
ProcessIdentity ThisProcess();

// The start time of a process; 0 when it cannot be read (gone, or not ours to ask).
std::uint64_t ProcessStartTicks(long pid);

// True while that process runs (one that has ended but was not waited for has ended). A process
// of the same id that started at another time is a different one: its writer is gone.
bool IsRunning(const ProcessIdentity& process);

} // namespace ranvik
