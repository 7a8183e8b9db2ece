#pragma once

#include <functional>
#include <string>

#include "base/Date.h"
#include "tasks/Bookmark.h"
#include "tasks/TaskObserver.h"

namespace torvalet {

// The month calendar's selection: the days that new, pasted and re-dated task rows receive.
class MonthCalendarSelection {
public:
    // Every change is told to `observer` (the window repaints its month calendar); without one
    // nobody is told.
    MonthCalendarSelection() = default;
    explicit MonthCalendarSelection(TaskObserver& observer) : observer_(&observer) {}

    Date first() const { return first_; }
    Date last() const { return last_; }
    void select(Date first, Date last);
    // Today as the first day and tomorrow as the last.
    void selectToday(Date today) { select(today, today.addDays(1)); }

private:
    Date first_, last_;
    TaskObserver* observer_ = nullptr;
};

inline void MonthCalendarSelection::select(Date first, Date last) {
    first_ = first;
    last_ = last;
    if (observer_) observer_->monthCalendarChanged();
}

// State the task list's record rules share with the commands.
struct TaskListState {
    MonthCalendarSelection calendar;
    // The start time the next inserted row receives; empty when unset.
    std::string pendingInsertTime;
    // The rows picked in the grid for a command on several rows. The record rules take out a row
    // deleted from the list, and every row when the list closes.
    Bookmarks selection;
};

}  // namespace torvalet
