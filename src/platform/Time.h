#pragma once
// A moment as a calendar date and time, without the shared buffer of std::localtime (the
// recovery copy's writer is another thread).

#include <ctime>

namespace ranvik::platform {

std::tm LocalCalendarTime(std::time_t moment);
std::tm UtcCalendarTime(std::time_t moment);

} // namespace ranvik::platform
