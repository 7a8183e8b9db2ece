#pragma once

#include <cstddef>

#include "tasks/LookupKey.h"

namespace torvalet {

class ItemTree;
class Query;
struct GoalRecord;

// Turns the selected goals of a goal tree into task rows of the task list, through its record
// rules: each goal's text, and its state, priority and type as task keys. The goals stay as
// they are.
class GoalsIntoTasks {
public:
    // `listRows`: the open task list with its record rules installed.
    explicit GoalsIntoTasks(Query& listRows) : listRows_(listRows) {}

    // The task keys of a goal's state, priority and type; the empty key where the goal's value
    // has no task counterpart or lies outside the tables.
    static LookupKey stateKeyOf(int goalState);
    static LookupKey prioKeyOf(int goalPrio);
    static LookupKey typeKeyOf(int goalType);

    // One new row per selected goal, in tree order (selected children of selected goals too);
    // returns how many rows were posted. A store error stops the run and goes up; the rows
    // posted before it stay.
    std::size_t run(const ItemTree& goalTree);

private:
    void insertTask(const GoalRecord& goal);

    Query& listRows_;
};

}  // namespace torvalet
