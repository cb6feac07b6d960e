#include "platform/Time.h"

namespace ranvik::platform {

std::tm LocalCalendarTime(std::time_t moment) {
    std::tm parts{};
    localtime_r(&moment, &parts);
    return parts;
}

std::tm UtcCalendarTime(std::time_t moment) {
    std::tm parts{};
    gmtime_r(&moment, &parts);
    return parts;
}

} // namespace ranvik::platform
