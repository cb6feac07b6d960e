#include "platform/Time.h"

namespace ranvik::platform {

std::tm LocalCalendarTime(std::time_t moment) {
    std::tm parts{};
    localtime_s(&parts, &moment);
    return parts;
}

std::tm UtcCalendarTime(std::time_t moment) {
    std::tm parts{};
    gmtime_s(&parts, &moment);
    return parts;
}

} // namespace ranvik::platform
