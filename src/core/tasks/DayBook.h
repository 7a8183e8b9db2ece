#pragma once

#include <optional>
#include <string>

#include "base/Date.h"

namespace torvalet {

class Database;

// What the organiser keeps in the task store about its own days, beside the tasks and in the
// same transactions as them: the last day whose start-of-day sequence completed, the steps done
// of a day whose sequence did not, and the minute of the reminder clock's last tick. Its table
// ("daybook") is made at the first write; a store without it reads as one that knows nothing.
class DayBook {
public:
    // The steps of the start-of-day sequence, as bits of a set.
    enum Step : unsigned {
        DayMark = 1u << 0,
        TimeMarks = 1u << 1,
        Calendar = 1u << 2,
        Contacts = 1u << 3,
        DelayExpired = 1u << 4,
        ShiftOpen = 1u << 5,
    };
    static constexpr unsigned kAllSteps = DayMark | TimeMarks | Calendar | Contacts | DelayExpired | ShiftOpen;

    explicit DayBook(Database& db) : db_(db) {}

    // The steps of `day` that are done: every one once the day is complete. A store that never
    // recorded a day (made before the book was kept) counts a day that has its day mark as
    // complete, as the sequence that gave it the mark saw to the rest. Throws StoreError.
    unsigned stepsDone(Date day) const;
    bool isComplete(Date day) const { return stepsDone(day) == kAllSteps; }
    // Records the steps of `day` that are done; with all of them the day is complete. Meant to
    // run inside the transaction that stored what the steps did. Throws StoreError.
    void recordSteps(Date day, unsigned steps);
    // Adds `steps` to those recorded for `day`.
    void addSteps(Date day, unsigned steps) { recordSteps(day, stepsDone(day) | steps); }

    // The minute of the last tick that a running clock recorded, if any. Throws StoreError.
    std::optional<DateTime> lastTick() const;
    void recordTick(const DateTime& minute);

private:
    std::optional<std::string> value(const std::string& name) const;
    void setValue(const std::string& name, const std::string& value);
    void removeValue(const std::string& name);
    bool hasTable() const;

    Database& db_;
};

}  // namespace torvalet
