#include "tasks/TaskMaintenance.h"

#include "platform/Clock.h"
#include "platform/Services.h"
#include "tasks/TaskContext.h"
#include "tasks/TaskRows.h"
#include "tasks/TaskStore.h"

namespace torvalet {

namespace {

const char* const delayStatement =
    "update tasks set statekey='         5' where date <= :d1 and date >= :d2 and ( statekey='' or "
    "statekey='          ')  and typekey<>'         6'  and typekey<>'         9'  and typekey<>'         1'  and "
    "typekey<>'         5' and typekey<>'        27'";

const char* const shiftStatement =
    "update tasks set date = :d0 where date <= :d1 and date >= :d2 and (statekey='         2' or "
    "statekey='         4' or statekey='         5' or statekey='         6' or statekey='         7' )";

}  // namespace

const char* const TaskMaintenance::deleteClosedStatement =
    "delete from tasks where date <= :d1 and date >= :d2 and ( statekey='         1' or statekey='         3' or "
    "typekey='         6' )";

TaskMaintenance::TaskMaintenance(TaskContext& context) : context_(context) {}

void TaskMaintenance::run(const char* sql, Date d0, Date d1, Date d2) {
    Query& tasks = context_.store.listRows;
    const QuerySuspension suspension(tasks);
    if (tasks.isEditing()) tasks.post();
    const int changed =
        d0.isNull() ? taskRows::runStatement(context_.store.scratch, sql, {{":d1", d1}, {":d2", d2}})
                    : taskRows::runStatement(context_.store.scratch, sql, {{":d0", d0}, {":d1", d1}, {":d2", d2}});
    // Re-reading a large list costs more than the statement: only when it changed a row.
    if (changed > 0 && tasks.isOpen()) tasks.refresh();
}

void TaskMaintenance::deleteOldClosedTasks() {
    const Date today = context_.services.clock.now().date;
    run(deleteClosedStatement, {}, today.addDays(-1), today.addDays(-3));
}

void TaskMaintenance::delayExpiredTasks(Date activeDay) {
    const Date yesterday = activeDay.addDays(-1);
    run(delayStatement, {}, yesterday, yesterday);
}

void TaskMaintenance::shiftDayToToday(Date day) {
    run(shiftStatement, context_.services.clock.now().date, day, day);
    Query& tasks = context_.store.listRows;
    if (tasks.isOpen()) tasks.last();
}

void TaskMaintenance::shiftOpenTasks(Date activeDay) {
    for (int daysBefore = 1; daysBefore <= 3; ++daysBefore) shiftDayToToday(activeDay.addDays(-daysBefore));
}

void TaskMaintenance::shiftCurrentDayToToday() {
    context_.switchToTasks();
    Query& tasks = context_.store.listRows;
    if (!tasks.isOpen() || tasks.isEmpty()) return;
    if (tasks.isEditing()) tasks.post();
    const Date day = tasks.date(TaskColumn::StartDate);
    if (!day.isNull()) shiftDayToToday(day);
}

}  // namespace torvalet
