#pragma once

#include "tasks/Query.h"

namespace torvalet {

// The task list's fields that the record rules and the reminder tasks read and write on every new
// row, resolved by name once for each statement the list opens with.
class TaskFields {
public:
    struct Set {
        Query::Field date, date2, task, time, time2, remindFlag, typeKey, priorityKey;
    };

    const Set& of(const Query& tasks) {
        if (generation_ != tasks.generation()) {
            fields_ = {tasks.field("Date"),    tasks.field("Date2"),    tasks.field("Task"),
                       tasks.field("Time"),    tasks.field("Time2"),    tasks.field("Remindflag"),
                       tasks.field("TypeKey"), tasks.field("Prior_key")};
            generation_ = tasks.generation();
        }
        return fields_;
    }

private:
    int generation_ = -1;
    Set fields_{};
};

}  // namespace torvalet
