#pragma once

#include <array>
#include <string>

namespace torvalet {

class Query;

// The statement behind the task list: every date, type 7 never, the hide conditions in force,
// and the order chosen.
class TaskList {
public:
    enum Flag {
        HideDone, HideUndone, HideMute, HideNormalState, HideLow, HideNormal,
        HideHigh, HideExtra, HideTabs, HideJokes, HideReminders, HideTips, FlagCount
    };

    // The order-by list of order n (1..7); any other n gives order 1's.
    static std::string orderList(int n);

    bool flag(Flag f) const { return flags_[f]; }
    void setFlag(Flag f, bool on) { flags_[f] = on; }
    const std::string& currentOrder() const { return currentOrder_; }

    // The select statement with every hide condition that is on.
    std::string statement(const std::string& order) const;
    // Rebuilds the list in `tasksQ` and stands on its last row.
    void listTasks(Query& tasksQ, const std::string& order);

private:
    std::array<bool, FlagCount> flags_{};
    std::string currentOrder_ = "Date, Time, Project";
};

}  // namespace torvalet
