#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"
#include "tasks/Bookmark.h"

namespace torvalet {

class Database;

// The reminders the user put off: one row per task in the store's table "snooze" (made at the
// first snooze), holding the minute the reminder rings again. A task's snooze goes with the task
// (a trigger on its delete), so a row that later gets the same rowid starts without one; a second
// snooze of a task replaces the first. Every write throws StoreError when the store cannot take it.
class Snoozes {
public:
    // A snooze whose minute has come, with what the task row holds now.
    struct Due {
        Bookmark taskRow = 0;
        DateTime at;
        std::string task;  // the task's text
        Date startDate;
        bool done = false;  // the task has the done state since
    };

    explicit Snoozes(Database& db) : db_(db) {}

    // Puts off the reminder of `taskRow` until the minute `at`. False when there is no such task.
    bool snooze(Bookmark taskRow, const DateTime& at);
    // The minute the task's reminder rings again, if it is snoozed.
    std::optional<DateTime> dueOf(Bookmark taskRow) const;
    // The first minute a snooze rings after `minute` (any, when none is given).
    std::optional<DateTime> next(const std::optional<DateTime>& after = std::nullopt) const;
    // The snoozes due at `minute` or before, oldest first.
    std::vector<Due> dueBy(const DateTime& minute) const;
    // Forgets the snoozes due at `minute` or before.
    void removeDueBy(const DateTime& minute);

private:
    bool hasTable() const;
    void makeTable();

    Database& db_;
};

}  // namespace torvalet
