#pragma once
// Other processes as the recovery copies and chart locks need them: an id, the moment the
// process started (so a later process given the same id is told apart), whether it still runs.

#include <cstdint>

namespace ranvik::platform {

long CurrentProcessId();

// When the process started, in the system's own units (Linux: clock ticks since boot;
// Windows: 100 ns since 1601); 0 when it cannot be told (gone, or not ours to ask).
std::uint64_t ProcessStartTime(long pid);

// True while a process of that id runs; one that has ended but not been waited for yet (a
// zombie) has ended. A process of another user counts as running.
bool ProcessRunning(long pid);

} // namespace ranvik::platform
