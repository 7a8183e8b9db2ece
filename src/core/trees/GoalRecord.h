#pragma once

#include <cstdint>
#include <tuple>

#include "trees/RecordFamily.h"
#include "trees/RecordField.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a goal tree node. priority 0..5, state 0..7, kind 0..35 (0 Group, 3 ToDo, ...);
// -1 where the dialog left a list without a choice.
struct GoalRecord {
    static constexpr RecordFamily family = RecordFamily::Goals;

    RecordText text;
    RecordText description;
    RecordText note;
    std::int32_t priority = 0;
    std::int32_t state = 0;
    std::int32_t kind = 0;

    bool operator==(const GoalRecord&) const = default;

    // Every field in the order above, with its name and its place in the file.
    static constexpr auto fields();
};

constexpr auto GoalRecord::fields() {
    // clang-format off
    return std::tuple{
        recordField("Text", &GoalRecord::text, 0),
        recordField("Description", &GoalRecord::description, 1),
        recordField("Note", &GoalRecord::note, 2),
        recordField("Prio", &GoalRecord::priority, 5),
        recordField("State", &GoalRecord::state, 4),
        recordField("GoalType", &GoalRecord::kind, 3),
    };
    // clang-format on
}

}  // namespace torvalet
