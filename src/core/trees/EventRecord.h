#pragma once

#include <cstdint>
#include <tuple>

#include "trees/RecordFamily.h"
#include "trees/RecordField.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a calendar tree node. kind: 0 None, 1 Group, 2 Daily/Weekly, 3 Monthly,
// 4 Yearly, 5 Once, 6 Last month day, 7 First month day. date is a day text "DD.MM.YY" or
// empty. weekDays: Mon 1, Tue 2, Wed 4, Thu 8, Fri 16, Sat 32, Sun 64; bit 128 is carried along.
// reserved1 and reserved2 are kept from load to save and read by nothing.
struct EventRecord {
    static constexpr RecordFamily family = RecordFamily::Events;

    RecordText text;
    RecordText date;
    RecordText time;
    std::int32_t kind = 0;
    std::int32_t reserved1 = 0;
    std::int32_t reserved2 = 0;
    std::uint8_t weekDays = 0;
    RecordText note;

    bool operator==(const EventRecord&) const = default;

    // Every field in the order above, with its name and its place in the file.
    static constexpr auto fields();
};

constexpr auto EventRecord::fields() {
    // clang-format off
    return std::tuple{
        recordField("Event", &EventRecord::text, 0),
        recordField("EventDate", &EventRecord::date, 1),
        recordField("EventTime", &EventRecord::time, 2),
        recordField("EventKind", &EventRecord::kind, 3),
        recordField("Reserved1", &EventRecord::reserved1, 4),
        recordField("Reserved2", &EventRecord::reserved2, 5),
        recordField("WeekDays", &EventRecord::weekDays, 6),
        recordField("Note", &EventRecord::note, 7),
    };
    // clang-format on
}

}  // namespace torvalet
