#pragma once

#include <array>
#include <string>

#include "tasks/LookupKey.h"

namespace torvalet {

class Query;

// The statement behind the task list: every date, type 7 never (or one type only), the hide
// conditions in force, and the order chosen.
class TaskList {
public:
    enum Flag {
        HideDone,
        HideUndone,
        HideMute,
        HideNormalState,
        HideLow,
        HideNormal,
        HideHigh,
        HideExtra,
        HideTabs,
        HideJokes,
        HideReminders,
        HideTips,
        FlagCount
    };
    static constexpr int OrderCount = 7;

    // The order-by list of order n (1..7); any other n gives order 1's.
    static std::string orderList(int n);
    // The condition a hide flag adds to the statement.
    static const char* condition(Flag f);

    bool flag(Flag f) const { return flags_[f]; }
    void setFlag(Flag f, bool on) { flags_[f] = on; }
    const std::string& currentOrder() const { return currentOrder_; }
    // The type the list is filtered by, or the empty key when it lists every type but 7.
    const LookupKey& typeFilter() const { return typeFilter_; }

    // The select statement with every hide condition that is on; with a `typeKey`, only the rows
    // of that type.
    std::string statement(const std::string& order, const LookupKey& typeKey = {}) const;
    // Rebuild the list in `listRows` and stand on its last row.
    void listTasks(Query& listRows, const std::string& order);
    void listTasksOfType(Query& listRows, const LookupKey& typeKey, const std::string& order);

private:
    void install(Query& listRows, const std::string& sql);

    std::array<bool, FlagCount> flags_{};
    std::string currentOrder_ = "Date, Time, Project";
    LookupKey typeFilter_;
};

}  // namespace torvalet
