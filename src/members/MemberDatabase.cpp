#include "members/MemberDatabase.h"

#include <stdexcept>

namespace ranvik {

std::unique_ptr<MemberDatabase> OpenMemberDatabase(const std::string& path) {
    throw std::runtime_error("no database engine for " + path);
}

} // namespace ranvik
