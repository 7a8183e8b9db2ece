#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvalet {

// A select over one table whose rows can be written back: plain columns (no computed ones),
// no grouping or joining after the table name.
struct WritableSelect {
    std::string projection, table, tail;
};

// "select COLUMNS from TABLE" followed by nothing, a where or an order clause (any case), with
// COLUMNS free of parentheses and not starting with distinct or all; else none.
std::optional<WritableSelect> writableSelect(std::string_view sql);

// Whether a column list gives names of its own ("Date as Day").
bool hasColumnAlias(std::string_view projection);

}  // namespace torvalet
