#pragma once
// Ending dates with the verdict every check of them must reach: the core's, the information
// dialog's and `ranvik-cli report`'s. The days around today are counted from it.

#include "report/EndDate.h"

#include <cstdio>
#include <string>
#include <vector>

namespace ranvik::test {

struct EndDateCase {
    std::string date;
    EndDateVerdict verdict;
};

inline std::string DateText(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
    return text;
}

inline std::vector<EndDateCase> EndDateCases(const CalendarDate& today) {
    const CalendarDate tomorrow = NextDay(today);
    using V = EndDateVerdict;
    return {
        {"2008/06/18", V::Valid},
        {"2024/02/29", V::Valid}, // a leap year
        {"2000/02/29", V::Valid}, // divisible by 400
        {DateText(today), V::Valid},
        {DateText(tomorrow), V::Valid}, // a time zone ahead
        {"2025/13/45", V::NotInCalendar},
        {"2025/02/30", V::NotInCalendar},
        {"2025/02/29", V::NotInCalendar}, // not a leap year
        {"1900/02/29", V::NotInCalendar}, // divisible by 100 only
        {"2025/04/31", V::NotInCalendar},
        {"2025/00/10", V::NotInCalendar},
        {"2025/06/00", V::NotInCalendar},
        {"0000/01/01", V::NotInCalendar},
        {"2999/02/30", V::NotInCalendar}, // the calendar is told before the future
        {DateText(NextDay(tomorrow)), V::InFuture},
        {"2999/01/01", V::InFuture},
        {"2008/06-18", V::WrongShape},
        {"2008/6/18 ", V::WrongShape},
        {"2O08/06/18", V::WrongShape},
        {"18/06/2008", V::WrongShape},
        {"2008/6/18", V::WrongShape},
        {"2008-06-18", V::WrongShape},
    };
}

// Words the message of each verdict holds; empty for Valid (no message).
inline std::string VerdictWords(EndDateVerdict verdict) {
    switch (verdict) {
    case EndDateVerdict::Valid:
        return {};
    case EndDateVerdict::WrongShape:
        return "Example: 2009/01/31"; // both format messages end so
    case EndDateVerdict::NotInCalendar:
        return " is not a date of the calendar.";
    case EndDateVerdict::InFuture:
        return " lies more than a day in the future.";
    }
    return {};
}

} // namespace ranvik::test
