#include "tasks/TaskRecordRules.h"

#include "model/ClockTime.h"
#include "tasks/LookupKey.h"
#include "tasks/Query.h"
#include "tasks/TaskListState.h"

namespace torvalet {

TaskRecordRules::TaskRecordRules(TaskListState& state, const Clock& clock, const Locale& locale,
                                 std::function<bool()> autoRemind)
    : state_(state), clock_(clock), locale_(locale), autoRemind_(std::move(autoRemind)) {}

void TaskRecordRules::install(Query& listRows) { listRows.setRules(this); }

void TaskRecordRules::fillNewRow(Query& tasks) {
    if (tasks.isNull(TaskColumn::StartDate)) tasks.setDate(TaskColumn::StartDate, state_.calendar.first());
    if (tasks.isNull(TaskColumn::FinalDate)) tasks.setDate(TaskColumn::FinalDate, state_.calendar.last());
    const std::string time = state_.pendingInsertTime.empty() ? getTime(clock_, locale_) : state_.pendingInsertTime;
    tasks.setText(TaskColumn::StartTime, time);
    tasks.setText(TaskColumn::FinalTime, time);
    tasks.post();
    tasks.edit();
}

void TaskRecordRules::armReminder(Query& tasks) {
    const std::string now = getTime(clock_, locale_);
    const std::string time = tasks.text(TaskColumn::StartTime);
    const std::string priority = tasks.text(TaskColumn::PriorityKey);
    if ((priority == keys::Highest || priority == keys::High) && now != time)
        tasks.setText(TaskColumn::RemindFlag, "+");
    if (autoRemind_() && now != time && tasks.text(TaskColumn::RemindFlag) != "!")
        tasks.setText(TaskColumn::RemindFlag, "+");
}

// A deleted row's rowid may be given to a new row: it must not stay selected.
void TaskRecordRules::afterRemove(Query&, Bookmark removed) { state_.selection.erase(removed); }

// The bookmarks of a closed list name rows that it may not list when it opens again.
void TaskRecordRules::afterClose(Query&) { state_.selection.clear(); }

void TaskRecordRules::returnToToday(Query&) {
    state_.calendar.selectToday(clock_.now().date);
    state_.pendingInsertTime.clear();
}

}  // namespace torvalet
