#include "members/IsolatedReading.h"

#include "members/DatabaseError.h"
#include "members/MemberRowsCodec.h"

#include <stdexcept>

namespace ranvik {

namespace {

// The first byte of a helper's answer: what follows is the reading, or the message why not.
constexpr char kReading = 'R';
constexpr char kRefusal = 'M';

} // namespace

MemberReadLimits& CurrentMemberReadLimits() {
    static MemberReadLimits limits;
    return limits;
}

std::string AnswerFromHelper(const std::function<std::string()>& reading) {
    try {
        return kReading + reading();
    } catch (const DatabaseError& error) {
        return kRefusal + EncodeDatabaseMessage(error.message());
    }
}

std::string ReadInHelper(MessageKind cannotRead, const std::string& path, platform::ChildJob job,
                         const std::vector<std::string>& arguments) {
    const MemberReadLimits& limits = CurrentMemberReadLimits();
    std::string answer;
    try {
        answer = platform::RunInChild(job, arguments, {limits.time, limits.memory});
    } catch (const std::runtime_error& failure) {
        // A crash, a hang, memory run out, or an error the readers give no message for.
        throw DatabaseError(Message(cannotRead, {path, failure.what()}));
    }
    if (!answer.empty() && answer.front() == kReading)
        return answer.substr(1);
    Message refusal(cannotRead, {path, Message(MessageKind::ReaderAnswerDamaged)});
    if (!answer.empty() && answer.front() == kRefusal) {
        try {
            refusal = DecodeDatabaseMessage(std::string_view(answer).substr(1));
        } catch (const DatabaseError&) {
            // The answer stays damaged.
        }
    }
    throw DatabaseError(std::move(refusal));
}

} // namespace ranvik
