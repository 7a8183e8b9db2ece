#pragma once

#include <cstdint>

#include "trees/RecordFamily.h"
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
};

}  // namespace torvalet
