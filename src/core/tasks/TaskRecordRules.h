#pragma once

#include <functional>

#include "tasks/Query.h"
#include "tasks/RowRules.h"

namespace torvalet {

class Clock;
class Locale;
struct TaskListState;

// The rules that run whenever a row of the task list is inserted or posted, and the upkeep of the
// list's selection as rows are deleted and the list is closed.
class TaskRecordRules : public RowRules {
public:
    TaskRecordRules(TaskListState& state, const Clock& clock, const Locale& locale, std::function<bool()> autoRemind);

    // Makes these the task list's rules.
    void install(Query& listRows);

    void afterInsert(Query& tasks) override { fillNewRow(tasks); }
    void beforePost(Query& tasks) override { armReminder(tasks); }
    void afterPost(Query& tasks) override { returnToToday(tasks); }
    void afterRemove(Query& tasks, Bookmark removed) override;
    void afterClose(Query& tasks) override;

    // A new row gets the calendar's days and the pending (or current) minute and is stored at once.
    void fillNewRow(Query& tasks);
    // Arms the reminder of a row saved with a time other than the present minute.
    void armReminder(Query& tasks);
    // The calendar returns to today and the pending insert time is used up.
    void returnToToday(Query& tasks);

private:
    TaskListState& state_;
    const Clock& clock_;
    const Locale& locale_;
    std::function<bool()> autoRemind_;
};

}  // namespace torvalet
