#pragma once
// The tournament's ending date: YYYY/MM/DD, a day the calendar has, and not after tomorrow
// (a director a time zone ahead may already be a day further).

#include "messages/Message.h"

#include <string>
#include <string_view>
#include <tuple>

namespace ranvik {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CalendarDate&) const = default;
    bool operator<(const CalendarDate& other) const {
        return std::tie(year, month, day) < std::tie(other.year, other.month, other.day);
    }
};

// The local date of the machine.
CalendarDate Today();
// The day after `date`, across months and years.
CalendarDate NextDay(const CalendarDate& date);

enum class EndDateVerdict { Valid, WrongShape, NotInCalendar, InFuture };

EndDateVerdict CheckEndDate(std::string_view text, const CalendarDate& today);

// What the information dialog says of a date that is not Valid (the format messages for a
// wrong shape); empty for Valid.
Message EndDateMessage(EndDateVerdict verdict, std::string_view text);

} // namespace ranvik
