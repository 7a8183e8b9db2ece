#pragma once

namespace torvalet {

class Query;

// Rules a result set runs as its rows change (the task list's record rules). Each is called with
// the result set, its row in question current; a rule may change that row and post it. A rule
// left as it is does nothing.
class RowRules {
public:
    virtual ~RowRules() = default;

    // A new row has been inserted and is current, not stored yet.
    virtual void afterInsert(Query&) {}
    // The current row is about to be written.
    virtual void beforePost(Query&) {}
    // The current row has been written.
    virtual void afterPost(Query&) {}

protected:
    RowRules() = default;
    RowRules(const RowRules&) = default;
    RowRules& operator=(const RowRules&) = default;
};

}  // namespace torvalet
