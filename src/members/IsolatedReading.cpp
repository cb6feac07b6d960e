#include "members/IsolatedReading.h"

#include "members/HelperProcess.h"

#include <stdexcept>

namespace ranvik {

MemberReadLimits& CurrentMemberReadLimits() {
    static MemberReadLimits limits;
    return limits;
}

std::string ReadInHelper(const std::string& what, const std::function<std::string()>& work) {
    const MemberReadLimits& limits = CurrentMemberReadLimits();
    try {
        return RunInHelperProcess(work, limits.time, limits.memory);
    } catch (const HelperProcessFailure& failure) {
        throw std::runtime_error(what + " cannot be read: " + failure.what() + ".");
    }
}

} // namespace ranvik
