#include "tasks/TaskList.h"

#include "tasks/Query.h"

namespace torvalet {

namespace {

const char* const conditions[TaskList::FlagCount] = {
    " and StateKey <> '         1'",  " and StateKey <> '         3'",
    " and StateKey <> '         2'",  " and StateKey <> ''",
    " and Prior_key <> '         2'", " and Prior_key <> ''",
    " and Prior_key <> '         1'", " and Prior_key <> '         3'",
    " and Typekey <> '         6'",   " and Typekey <> '        15'",
    " and Typekey <> '         1'",   " and Typekey <> '        18'",
};

const char* const columns =
    "select Date, Date2, Task, Time, Time2, Duration, Procent, Cost, Remindflag, Doflag, Project, DoerKey, "
    "StateKey, TypeKey, Prior_key, Comment";

}  // namespace

std::string TaskList::orderList(int n) {
    static const char* const orders[OrderCount] = {
        "Date, Time",
        "Date, Project, Time",
        "Project, Date, Time",
        "Date, StateKey, Project, Prior_Key, TypeKey, Time",
        "Date, Prior_Key, Project, TypeKey, Time",
        "Date, DoerKey, Time",
        "Date, TypeKey, Time",
    };
    return orders[(n >= 1 && n <= OrderCount ? n : 1) - 1];
}

const char* TaskList::condition(Flag f) { return conditions[f]; }

std::string TaskList::statement(const std::string& order, const LookupKey& typeKey) const {
    std::string sql = columns;
    sql += " from tasks where ";
    sql += typeKey.empty() ? " TypeKey <> '" + keys::HiddenType + "'" : " TypeKey = '" + typeKey + "'";
    for (int f = 0; f < FlagCount; ++f)
        if (flags_[f]) sql += conditions[f];
    return sql + " order by " + order;
}

void TaskList::listTasks(Query& listRows, const std::string& order) {
    currentOrder_ = order;
    typeFilter_.clear();
    install(listRows, statement(order));
}

void TaskList::listTasksOfType(Query& listRows, const LookupKey& typeKey, const std::string& order) {
    currentOrder_ = order;
    typeFilter_ = typeKey;
    install(listRows, statement(order, typeKey));
}

void TaskList::install(Query& listRows, const std::string& sql) {
    const QuerySuspension suspension(listRows);
    listRows.close();
    listRows.setSql(sql);
    listRows.open();
    listRows.last();
}

}  // namespace torvalet
