#include "tasks/TaskRecordRules.h"

#include "model/ClockTime.h"
#include "tasks/LookupKey.h"
#include "tasks/Query.h"
#include "tasks/TaskListState.h"

namespace torvalet {

TaskRecordRules::TaskRecordRules(TaskListState& state, const Clock& clock, const Locale& locale,
                                 std::function<bool()> autoRemind)
    : state_(state), clock_(clock), locale_(locale), autoRemind_(std::move(autoRemind)) {}

void TaskRecordRules::install(Query& tasksQ) {
    tasksQ.afterInsert = [this](Query& q) { tasksQAfterInsert(q); };
    tasksQ.beforePost = [this](Query& q) { tasksQBeforePost(q); };
    tasksQ.afterPost = [this](Query& q) { tasksQAfterPost(q); };
}

void TaskRecordRules::tasksQAfterInsert(Query& tasks) {
    const TaskFields::Set& field = fields_.of(tasks);
    if (tasks.isNull(field.Date)) tasks.setDate(field.Date, state_.calendar.first());
    if (tasks.isNull(field.Date2)) tasks.setDate(field.Date2, state_.calendar.last());
    const std::string time = state_.pendingInsertTime.empty() ? getTime(clock_, locale_) : state_.pendingInsertTime;
    tasks.setText(field.Time, time);
    tasks.setText(field.Time2, time);
    tasks.post();
    tasks.edit();
}

void TaskRecordRules::tasksQBeforePost(Query& tasks) {
    const TaskFields::Set& field = fields_.of(tasks);
    const std::string now = getTime(clock_, locale_);
    const std::string time = tasks.text(field.Time);
    const std::string priority = tasks.text(field.Prior_key);
    if ((priority == keys::Highest || priority == keys::High) && now != time) tasks.setText(field.Remindflag, "+");
    if (autoRemind_() && now != time && tasks.text(field.Remindflag) != "!") tasks.setText(field.Remindflag, "+");
}

void TaskRecordRules::tasksQAfterPost(Query&) {
    state_.calendar.selectToday(clock_.now().date);
    state_.pendingInsertTime.clear();
}

}  // namespace torvalet
