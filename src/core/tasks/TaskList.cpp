#include "tasks/TaskList.h"

#include "tasks/Query.h"

namespace torvalet {

namespace {

const char* const conditions[TaskList::FlagCount] = {
    " and StateKey <> '         1'", " and StateKey <> '         3'", " and StateKey <> '         2'",
    " and StateKey <> ''",           " and Prior_key <> '         2'", " and Prior_key <> ''",
    " and Prior_key <> '         1'", " and Prior_key <> '         3'", " and Typekey <> '         6'",
    " and Typekey <> '        15'",  " and Typekey <> '         1'",  " and Typekey <> '        18'",
};

}  // namespace

std::string TaskList::orderList(int n) {
    static const char* const orders[] = {
        "Date, Time",
        "Date, Project, Time",
        "Project, Date, Time",
        "Date, StateKey, Project, Prior_Key, TypeKey, Time",
        "Date, Prior_Key, Project, TypeKey, Time",
        "Date, DoerKey, Time",
        "Date, TypeKey, Time",
    };
    return orders[(n >= 1 && n <= 7 ? n : 1) - 1];
}

std::string TaskList::statement(const std::string& order) const {
    std::string sql =
        "select Date, Date2, Task, Time, Time2, Duration, Procent, Cost, Remindflag, Doflag, Project, DoerKey, "
        "StateKey, TypeKey, Prior_key, Comment from tasks where  TypeKey <> '         7'";
    for (int f = 0; f < FlagCount; ++f)
        if (flags_[f]) sql += conditions[f];
    return sql + " order by " + order;
}

void TaskList::listTasks(Query& tasksQ, const std::string& order) {
    currentOrder_ = order;
    tasksQ.suspend();
    tasksQ.close();
    tasksQ.setSql(statement(order));
    try {
        tasksQ.open();
        tasksQ.last();
    } catch (...) {
        tasksQ.resume();
        throw;
    }
    tasksQ.resume();
}

}  // namespace torvalet
