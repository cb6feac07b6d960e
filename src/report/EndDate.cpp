#include "report/EndDate.h"

#include "chart/CellText.h"
#include "platform/Time.h"

#include <chrono>
#include <ctime>

namespace ranvik {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int Number(std::string_view digits) {
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

std::chrono::year_month_day AsCalendar(const CalendarDate& date) {
    return std::chrono::year{date.year} / std::chrono::month{static_cast<unsigned>(date.month)} /
           std::chrono::day{static_cast<unsigned>(date.day)};
}

} // namespace

CalendarDate Today() {
    const std::time_t now = std::time(nullptr);
    const std::tm local = platform::LocalCalendarTime(now);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

CalendarDate NextDay(const CalendarDate& date) {
    const std::chrono::year_month_day next{std::chrono::sys_days{AsCalendar(date)} +
                                           std::chrono::days{1}};
    return {static_cast<int>(next.year()), static_cast<int>(static_cast<unsigned>(next.month())),
            static_cast<int>(static_cast<unsigned>(next.day()))};
}

EndDateVerdict CheckEndDate(std::string_view text, const CalendarDate& today) {
    if (text.size() != 10 || text[4] != '/' || text[7] != '/')
        return EndDateVerdict::WrongShape;
    for (const std::size_t at : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!IsDigit(text[at]))
            return EndDateVerdict::WrongShape;
    }
    const CalendarDate date{Number(text.substr(0, 4)), Number(text.substr(5, 2)),
                            Number(text.substr(8, 2))};
    // The calendar has no year 0: 1 BC is followed by AD 1.
    if (date.year == 0 || !AsCalendar(date).ok())
        return EndDateVerdict::NotInCalendar;
    if (NextDay(today) < date)
        return EndDateVerdict::InFuture;
    return EndDateVerdict::Valid;
}

Message EndDateMessage(EndDateVerdict verdict, std::string_view text) {
    const Message giveTheDay(MessageKind::EndDateGiveTheDay);
    switch (verdict) {
    case EndDateVerdict::Valid:
        return {};
    case EndDateVerdict::WrongShape:
        if (CharacterCount(text) != 10)
            return Message(MessageKind::EndDateFormat)
                .then(Message(MessageKind::EndDateLength), Message::Break::Paragraph);
        return Message(MessageKind::EndDateShape);
    case EndDateVerdict::NotInCalendar:
        return Message(MessageKind::EndDateNotInCalendar, {text})
            .then(giveTheDay, Message::Break::Paragraph);
    case EndDateVerdict::InFuture:
        return Message(MessageKind::EndDateInFuture, {text})
            .then(giveTheDay, Message::Break::Paragraph);
    }
    return {};
}

} // namespace ranvik
