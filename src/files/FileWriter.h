#pragma once
// The one way the program writes a file: to a temporary file in the same folder, flushed,
// then renamed over the target, so a failure never leaves a half-written or truncated file.
// Tests can make any step fail.

#include <string>
#include <string_view>

namespace ranvik {

enum class WriteStep { Create, Write, Flush, Replace };

// Writes bytes to path; false on any failure (the old file, if any, is left as it was).
bool WriteFileSafely(const std::string& path, std::string_view bytes);

// Reads a whole file; false (and an error text) when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error);

// Test hook: make the given step of the next writes fail (count = how many writes), after
// letting that step of `after` writes succeed first (the second file of a report).
void InjectWriteFailure(WriteStep step, int count = 1, int after = 0);
void ClearInjectedWriteFailures();

} // namespace ranvik
