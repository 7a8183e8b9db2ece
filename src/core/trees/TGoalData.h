#pragma once

#include <cstdint>

#include "trees/RecordFamily.h"
#include "trees/RecordText.h"

namespace torvalet {

// The record of a goal tree node. Prio 0..5, State 0..7, GoalType 0..35 (0 Group, 3 ToDo, ...);
// -1 where the dialog left a list without a choice.
struct TGoalData {
    static constexpr RecordFamily family = RecordFamily::Goals;

    RecordText Text;
    RecordText Description;
    RecordText Note;
    std::int32_t Prio = 0;
    std::int32_t State = 0;
    std::int32_t GoalType = 0;

    bool operator==(const TGoalData&) const = default;
};

}  // namespace torvalet
