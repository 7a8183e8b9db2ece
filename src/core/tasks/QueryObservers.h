#pragma once

#include <functional>
#include <map>

namespace torvalet {

// What observers of a result set (the task grid) are told. The "about to" notices come before
// the row is added or taken away, the others after.
struct QueryEvent {
    enum Kind {
        Reset,
        RowChanged,
        RowAboutToBeInserted,
        RowInserted,
        RowAboutToBeRemoved,
        RowRemoved,
        CurrentChanged
    } kind;
    int row = -1;
};

// Those told of a result set's changes, and the holding back of their notices: while held back,
// the notices are dropped, and the last resume sends one Reset in their place.
class QueryObservers {
public:
    using Observer = std::function<void(const QueryEvent&)>;

    // Returns the id to remove the observer by.
    int add(Observer observer);
    void remove(int id);

    void suspend() { ++suspended_; }
    void resume();

    void notify(QueryEvent::Kind kind, int row = -1);

private:
    std::map<int, Observer> observers_;
    int next_ = 0;
    int suspended_ = 0;
    bool missedWhileSuspended_ = false;
};

}  // namespace torvalet
