#pragma once
// The limits every membership file reading runs under in its helper process, and the one
// way the engines run a reading there.

#include "messages/Message.h"
#include "platform/ChildProcess.h"

#include <chrono>
#include <cstddef>
#include <functional>
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

// In the helper: the answer a job gives, its reading or the DatabaseError's message the
// reading threw, so the message crosses to the program as its kind and values.
std::string AnswerFromHelper(const std::function<std::string()>& reading);

// Runs one reading of the file at path (a job registered with platform::RegisterChildJob,
// answering through AnswerFromHelper) in a helper process under the limits. Throws
// DatabaseError with the helper's message, or a cannotRead message (path, why) when the
// helper crashed, hung, ran out of memory or answered with something no reader writes.
std::string ReadInHelper(MessageKind cannotRead, const std::string& path, platform::ChildJob job,
                         const std::vector<std::string>& arguments);

} // namespace ranvik
