#include "tasks/GoalsIntoTasks.h"

#include <array>

#include "tasks/PostGroup.h"
#include "tasks/Query.h"
#include "trees/GoalRecord.h"
#include "trees/ItemTree.h"

namespace torvalet {

namespace {

// The key number of a goal value, by the value as index; 0 stands for the empty key.
template <std::size_t N>
LookupKey keyFrom(const std::array<int, N>& numbers, int value) {
    if (value < 0 || static_cast<std::size_t>(value) >= N) return {};
    const int number = numbers[static_cast<std::size_t>(value)];
    return number == 0 ? LookupKey() : makeLookupKey(number);
}

// State 0 None .. 7 Undone.
constexpr std::array<int, 8> stateKeys{0, 6, 4, 2, 5, 7, 1, 3};
// Prio 0 None .. 5 LowPrio.
constexpr std::array<int, 6> prioKeys{0, 1, 3, 4, 5, 2};
// Types 0 Group .. 12 Phone ToDo, then 13 .. 35 of the language files' type list.
constexpr std::array<int, 36> typeKeys{8,  0,  0,  0,  0,  3, 34, 12, 22, 4,  28, 11, 9,  29, 10, 32, 33, 31,
                                       19, 30, 14, 21, 17, 0, 16, 26, 35, 20, 37, 38, 25, 24, 0,  27, 36, 2};

}  // namespace

LookupKey GoalsIntoTasks::stateKeyOf(int goalState) { return keyFrom(stateKeys, goalState); }
LookupKey GoalsIntoTasks::prioKeyOf(int goalPrio) { return keyFrom(prioKeys, goalPrio); }
LookupKey GoalsIntoTasks::typeKeyOf(int goalType) { return keyFrom(typeKeys, goalType); }

std::size_t GoalsIntoTasks::run(const ItemTree& goalTree) {
    const auto goals = goalTree.selectedInTreeOrder();
    if (goals.empty()) return 0;
    PostGroup group(listRows_);
    for (const TreeNode* goal : goals) insertTask(goal->record<GoalRecord>());
    group.commit();
    return goals.size();
}

void GoalsIntoTasks::insertTask(const GoalRecord& goal) {
    listRows_.insert();
    listRows_.setText(TaskColumn::Task, goal.text);
    listRows_.setText(TaskColumn::StateKey, stateKeyOf(goal.state));
    listRows_.setText(TaskColumn::PriorityKey, prioKeyOf(goal.priority));
    listRows_.setText(TaskColumn::TypeKey, typeKeyOf(goal.kind));
    listRows_.post();
}

}  // namespace torvalet
