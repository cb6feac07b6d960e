#pragma once
// The limits every membership file reading runs under in its helper process, and the one
// way the engines run a reading there.

#include "platform/ChildProcess.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace ranvik {

struct MemberReadLimits {
    // Generous: a file of 100,000 members reads in well under a second.
    std::chrono::milliseconds time{30000};
    // Address space the reader may take beyond the program's own; far above any real file.
    std::size_t memory = std::size_t{1} << 30;
};

// The limits in force; tests shorten them.
MemberReadLimits& CurrentMemberReadLimits();

// Runs one reading of the file (a job registered with platform::RegisterChildJob) in a helper
// process under the limits; a crash, a hang or memory running out there becomes a
// std::runtime_error whose message starts with what (e.g. "The SQLite database x.db") and
// says why.
std::string ReadInHelper(const std::string& what, platform::ChildJob job,
                         const std::vector<std::string>& arguments);

} // namespace ranvik
