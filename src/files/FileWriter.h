#pragma once
// The one way the program writes a file: to a temporary file in the same folder, flushed,
// then renamed over the target, so a failure never leaves a half-written or truncated file.
// Only regular files are replaced. Tests can make any step fail.

#include "messages/Message.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace ranvik {

// Flush hands the bytes to the system; Sync makes the system put them on the disk before the
// old file is replaced, so a power cut cannot leave the new name with empty content.
enum class WriteStep { Create, Write, Flush, Sync, Replace };
inline constexpr int WriteStepCount = 5;

// Writes bytes to path; false on any failure (the old file, if any, is left as it was).
// A symbolic link to a regular file has that file replaced and stays a link. Refused: an
// empty name, a name ending in a separator, an existing folder, device, FIFO or socket,
// a dangling or looping link.
bool WriteFileSafely(const std::string& path, std::string_view bytes);

// The same, giving why a write failed (the system's reason, as a sentence) in reason.
bool WriteFileSafely(const std::string& path, std::string_view bytes, Message& reason);

// Why a name the user chose names no file (empty, ending in a folder separator, a path or a
// name in it longer than the system takes), before any extension is added to it; empty when
// it can name one.
Message UnusableFileName(const std::string& path);

// "Error saving <path>." with the reason on the line below.
Message SavingError(const std::string& path, Message reason);

// Reads a whole regular file; false (and an error text that names the file) when it cannot
// be read, is not a regular file (a FIFO or device is never waited on), or holds more than
// maxBytes.
bool ReadWholeFile(const std::string& path, std::string& bytes, Message& error,
                   std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Test hook: make the given step of the next writes fail (count = how many writes), after
// letting that step of `after` writes succeed first (the second file of a report).
void InjectWriteFailure(WriteStep step, int count = 1, int after = 0);
void ClearInjectedWriteFailures();

} // namespace ranvik
