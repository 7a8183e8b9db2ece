#pragma once

#include "tasks/DayMarks.h"
#include "tasks/TaskClipboard.h"
#include "tasks/TaskCommands.h"
#include "tasks/TaskContext.h"
#include "tasks/TaskExecution.h"
#include "tasks/TaskFiles.h"
#include "tasks/TaskListCommands.h"
#include "tasks/TaskMaintenance.h"

namespace torvalet {

class GoalCommands;
class OpenRequests;

// Every task command, wired to the state they share.
struct Tasks {
    Tasks(const TaskContext& context, GoalCommands& goals, const OpenRequests& requests);
    Tasks(const Tasks&) = delete;
    Tasks& operator=(const Tasks&) = delete;

    TaskContext context;
    TaskListCommands list;
    TaskClipboard clipboard;
    TaskFiles files;
    TaskExecution execution;
    TaskMaintenance maintenance;
    DayMarks marks;
    TaskCommands commands;
};

}  // namespace torvalet
