#include "tasks/TaskRecordRules.h"

#include "reminders/ClockTime.h"
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
    if (tasks.isNull("Date")) tasks.setDate("Date", state_.calendar.first());
    if (tasks.isNull("Date2")) tasks.setDate("Date2", state_.calendar.last());
    const std::string time = state_.pendingInsertTime.empty() ? getTime(clock_, locale_) : state_.pendingInsertTime;
    tasks.setText("Time", time);
    tasks.setText("Time2", time);
    tasks.post();
    tasks.edit();
}

void TaskRecordRules::tasksQBeforePost(Query& tasks) {
    const std::string now = getTime(clock_, locale_);
    const std::string time = tasks.text("Time");
    const std::string priority = tasks.text("Prior_key");
    if ((priority == keys::Highest || priority == keys::High) && now != time) tasks.setText("Remindflag", "+");
    if (autoRemind_() && now != time && tasks.text("Remindflag") != "!") tasks.setText("Remindflag", "+");
}

void TaskRecordRules::tasksQAfterPost(Query&) {
    state_.calendar.selectToday(clock_.now().date);
    state_.pendingInsertTime.clear();
}

}  // namespace torvalet
