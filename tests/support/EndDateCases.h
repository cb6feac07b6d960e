#pragma once
// Ending dates with the verdict every check of them must reach: the core's, the information
// dialog's and `ranvik-cli report`'s. The days around today are counted from it.

#include "report/EndDate.h"

#include <cstdio>
#include <string>
#include <utility>
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
    // Leap years by 4 and by 400, not by 100; a time zone ahead may be a day further; the
    // calendar is told before the future.
    const std::pair<V, std::vector<std::string>> groups[] = {
        {V::Valid, {"2008/06/18", "2024/02/29", "2000/02/29", DateText(today), DateText(tomorrow)}},
        {V::NotInCalendar,
         {"2025/13/45", "2025/02/30", "2025/02/29", "1900/02/29", "2025/04/31", "2025/00/10",
          "2025/06/00", "0000/01/01", "2999/02/30"}},
        {V::InFuture, {DateText(NextDay(tomorrow)), "2999/01/01"}},
        {V::WrongShape,
         {"2008/06-18", "2008/6/18 ", "2O08/06/18", "18/06/2008", "2008/6/18", "2008-06-18"}},
    };
    std::vector<EndDateCase> cases;
    for (const auto& [verdict, dates] : groups) {
        for (const std::string& date : dates)
            cases.push_back({date, verdict});
    }
    return cases;
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
