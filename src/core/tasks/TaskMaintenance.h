#pragma once

#include "base/Date.h"

namespace torvalet {

struct TaskContext;

// The set statements that tidy the task table when a day begins, and "Shift Muted From...".
class TaskMaintenance {
public:
    explicit TaskMaintenance(TaskContext& context);

    // Done, undone and time-mark rows of the three days before today go.
    void deleteOldClosedTasks();
    // Rows of the day before `activeDay` without a state become delayed (marks, reminders,
    // ToRemember and comments excepted).
    void delayExpiredTasks(Date activeDay);
    // Rows of `day` in an open state move to today.
    void shiftDayToToday(Date day);
    // shiftDayToToday for the three days before `activeDay`, the nearest first.
    void shiftOpenTasks(Date activeDay);
    // "Shift Muted From...": the open rows of the current row's day move to today.
    void shiftCurrentDayToToday();

    // The statement of the clean-up, shared with "Delete Done Before...".
    static const char* const deleteClosedStatement;

private:
    // Runs `sql` on the scratch query with the parameters bound as dates, with the list's
    // notices held back; then the list is read again.
    void run(const char* sql, Date d0, Date d1, Date d2);

    TaskContext& context_;
};

}  // namespace torvalet
