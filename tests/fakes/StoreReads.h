#pragma once

#include <string>
#include <vector>

#include "tasks/Database.h"

namespace torvalet::testing {

// The first column of a statement's rows.
inline std::vector<std::string> firstColumn(Database& db, const std::string& sql) {
    std::vector<std::string> values;
    SqlStatement statement = db.prepare(sql);
    while (statement.step()) values.push_back(sqlValueText(statement.column(0)));
    return values;
}

// One field of the task with that text; "<N rows>" when there is not exactly one such task.
inline std::string taskField(Database& db, const std::string& name, const std::string& task) {
    const auto values = firstColumn(db, "select " + name + " from tasks where Task = '" + task + "'");
    return values.size() == 1 ? values[0] : "<" + std::to_string(values.size()) + " rows>";
}

}  // namespace torvalet::testing
