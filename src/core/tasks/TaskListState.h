#pragma once

#include <functional>
#include <string>

#include "base/Date.h"
#include "tasks/Bookmark.h"

namespace torvalet {

// The month calendar's selection: the days that new, pasted and re-dated task rows receive.
class MonthCalendarSelection {
public:
    Date first() const { return first_; }
    Date last() const { return last_; }
    void select(Date first, Date last);
    // Today as the first day and tomorrow as the last.
    void selectToday(Date today) { select(today, today.addDays(1)); }

    // The window repaints its month calendar.
    std::function<void()> changed;

private:
    Date first_, last_;
};

inline void MonthCalendarSelection::select(Date first, Date last) {
    first_ = first;
    last_ = last;
    if (changed) changed();
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
