#pragma once

#include "tasks/Bookmark.h"

namespace torvalet {

class Query;

// Rules a result set runs as its rows change (the task list's record rules, which also keep the
// list's state in step). Each is called with
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
    // The row `removed` has been deleted from the store and taken out of the rows.
    virtual void afterRemove(Query&, Bookmark /*removed*/) {}
    // The result set has been closed: its rows and their bookmarks are gone.
    virtual void afterClose(Query&) {}

protected:
    RowRules() = default;
    RowRules(const RowRules&) = default;
    RowRules& operator=(const RowRules&) = default;
};

}  // namespace torvalet
