#pragma once

#include <cstdint>

#include "trees/RecordFamily.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a calendar tree node. EventKind: 0 None, 1 Group, 2 Daily/Weekly, 3 Monthly,
// 4 Yearly, 5 Once, 6 Last month day, 7 First month day. EventDate is a day text "DD.MM.YY" or
// empty. WeekDays: Mon 1, Tue 2, Wed 4, Thu 8, Fri 16, Sat 32, Sun 64; bit 128 is carried along.
// Reserved1 and Reserved2 are kept from load to save and read by nothing.
struct TEventData {
    static constexpr RecordFamily family = RecordFamily::Events;

    RecordText Event;
    RecordText EventDate;
    RecordText EventTime;
    std::int32_t EventKind = 0;
    std::int32_t Reserved1 = 0;
    std::int32_t Reserved2 = 0;
    std::uint8_t WeekDays = 0;
    RecordText Note;

    bool operator==(const TEventData&) const = default;
};

}  // namespace torvalet
