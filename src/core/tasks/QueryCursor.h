#pragma once

namespace torvalet {

enum class QueryState { Inactive, Browse, Edit, Insert };

// Where a result set stands: its current row (-1 for none), whether a move went past the last row,
// and whether the current row is being edited or inserted.
struct QueryCursor {
    int current = -1;
    bool eof = true;
    QueryState state = QueryState::Inactive;

    bool isOpen() const { return state != QueryState::Inactive; }
    bool isEditing() const { return state == QueryState::Edit || state == QueryState::Insert; }
};

}  // namespace torvalet
