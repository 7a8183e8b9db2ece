#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tasks/TaskColumn.h"

namespace torvalet {

class Database;

enum class ColumnKind { Date, Text, Number };

struct ColumnDef {
    const char* name;
    ColumnKind kind;
    int width;  // characters, for texts
};

// The columns of `tasks` in their order (`clipbrd` has the same plus `KEY`).
const std::vector<ColumnDef>& taskColumns();
// One column of `tasks` (and of `clipbrd`).
const ColumnDef& columnDef(TaskColumn column);

// The column definition of `column` in `table` (names compared without regard to case), or nullptr.
const ColumnDef* findColumn(std::string_view table, std::string_view column);

// The nine tables of a new store, their indexes and their lookup rows.
void createTaskStore(Database& db);

// The indexes of the task table, made when missing (a store made by an older version).
void createTaskIndexes(Database& db);
bool hasTaskIndexes(Database& db);

}  // namespace torvalet
