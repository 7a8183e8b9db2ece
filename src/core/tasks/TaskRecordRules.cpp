#include "tasks/TaskRecordRules.h"

#include "model/ClockTime.h"
#include "tasks/LookupKey.h"
#include "tasks/Query.h"
#include "tasks/TaskListState.h"

namespace torvalet {

TaskRecordRules::TaskRecordRules(TaskListState& state, const Clock& clock, const Locale& locale,
                                 std::function<bool()> autoRemind)
    : state_(state), clock_(clock), locale_(locale), autoRemind_(std::move(autoRemind)) {}

void TaskRecordRules::install(Query& listRows) {
    listRows.afterInsert = [this](Query& q) { fillNewRow(q); };
    listRows.beforePost = [this](Query& q) { armReminder(q); };
    listRows.afterPost = [this](Query& q) { returnToToday(q); };
}

void TaskRecordRules::fillNewRow(Query& tasks) {
    const TaskFields::Set& field = fields_.of(tasks);
    if (tasks.isNull(field.date)) tasks.setDate(field.date, state_.calendar.first());
    if (tasks.isNull(field.date2)) tasks.setDate(field.date2, state_.calendar.last());
    const std::string time = state_.pendingInsertTime.empty() ? getTime(clock_, locale_) : state_.pendingInsertTime;
    tasks.setText(field.time, time);
    tasks.setText(field.time2, time);
    tasks.post();
    tasks.edit();
}

void TaskRecordRules::armReminder(Query& tasks) {
    const TaskFields::Set& field = fields_.of(tasks);
    const std::string now = getTime(clock_, locale_);
    const std::string time = tasks.text(field.time);
    const std::string priority = tasks.text(field.priorityKey);
    if ((priority == keys::Highest || priority == keys::High) && now != time) tasks.setText(field.remindFlag, "+");
    if (autoRemind_() && now != time && tasks.text(field.remindFlag) != "!") tasks.setText(field.remindFlag, "+");
}

void TaskRecordRules::returnToToday(Query&) {
    state_.calendar.selectToday(clock_.now().date);
    state_.pendingInsertTime.clear();
}

}  // namespace torvalet
