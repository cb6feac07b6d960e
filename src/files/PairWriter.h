#pragma once
// Two files that belong together (a report and the chart it was made from) written so the
// folder holds either both old files or both new ones, never one of each.

#include "messages/Message.h"

#include <string>
#include <string_view>

namespace ranvik {

struct PairWriteOutcome {
    bool ok = false;
    std::string failedPath; // the file whose write failed, when !ok
    Message reason;         // why, as a sentence (the system's reason), when !ok
};

// Stages both new files (created, written, flushed) before either old one is touched, then
// replaces the first and the second; when the second replacement fails the first old file
// is put back (or the new first file removed, when there was none). Writers of pairs in
// one folder take turns, so racing runs end with a matching pair. Each file's target is
// checked as WriteFileSafely checks it; the write-failure hooks count both files' steps.
PairWriteOutcome WritePairSafely(const std::string& firstPath, std::string_view firstBytes,
                                 const std::string& secondPath, std::string_view secondBytes);

} // namespace ranvik
