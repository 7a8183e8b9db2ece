#pragma once

#include <array>
#include <cstddef>

namespace torvalet {

// The sixteen columns of the task table, in their stored order (the clipboard table has the same,
// then its key). Their names, kinds and widths are in the schema's table (TaskSchema.h).
enum class TaskColumn {
    StartDate,
    FinalDate,
    Task,
    StartTime,
    FinalTime,
    Duration,
    Percent,
    Cost,
    RemindFlag,
    DoFlag,
    Project,
    DoerKey,
    StateKey,
    TypeKey,
    PriorityKey,
    Comment,
};

inline constexpr std::size_t taskColumnCount = 16;

constexpr std::size_t indexOf(TaskColumn column) { return static_cast<std::size_t>(column); }

// Every task column in its stored order.
constexpr std::array<TaskColumn, taskColumnCount> allTaskColumns() {
    std::array<TaskColumn, taskColumnCount> columns{};
    for (std::size_t c = 0; c < taskColumnCount; ++c) columns[c] = static_cast<TaskColumn>(c);
    return columns;
}

}  // namespace torvalet
