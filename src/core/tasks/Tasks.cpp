#include "tasks/Tasks.h"

#include "model/ViewState.h"

namespace torvalet {

void TaskContext::switchToTasks() const { view.activePage = kTasksPage; }

Tasks::Tasks(const TaskContext& taskContext, GoalCommands& goals, const OpenRequests& requests)
    : context(taskContext),
      list(context),
      clipboard(context),
      files(context),
      execution(context, requests),
      maintenance(context),
      marks(context),
      commands(context, clipboard, goals) {}

}  // namespace torvalet
