#pragma once

namespace torvalet {

class OpenRequests;
class Query;
struct TaskContext;

// "Do" and the execution of a task whose reminder fires: the open requests of search, web
// address, mail and program tasks handed to the desktop.
class TaskExecution {
public:
    TaskExecution(TaskContext& context, const OpenRequests& requests);

    // "Do" (Ctrl+G): every selected row and the current one, in list order.
    void doTasks();
    // The reminder clock's row, by its type.
    void executeTaskRow(const Query& row);

private:
    TaskContext& context_;
    const OpenRequests& requests_;
};

}  // namespace torvalet
