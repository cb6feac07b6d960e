#include "members/IsolatedReading.h"

#include <stdexcept>

namespace ranvik {

MemberReadLimits& CurrentMemberReadLimits() {
    static MemberReadLimits limits;
    return limits;
}

std::string ReadInHelper(const std::string& what, platform::ChildJob job,
                         const std::vector<std::string>& arguments) {
    const MemberReadLimits& limits = CurrentMemberReadLimits();
    try {
        return platform::RunInChild(job, arguments, {limits.time, limits.memory});
    } catch (const platform::ChildFailure& failure) {
        throw std::runtime_error(what + " cannot be read: " + failure.what() + ".");
    }
}

} // namespace ranvik
