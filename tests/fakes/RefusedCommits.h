#pragma once

#include <string>

#include "tasks/Database.h"

namespace torvalet::testing {

// From now on every change of the task table adds a row that breaks a deferred foreign key: each
// statement goes through, and the COMMIT that ends its transaction is refused, as on a disk that
// fills up between the writes and the commit.
inline void refuseCommits(Database& db) {
    db.execute("PRAGMA foreign_keys = ON");
    db.execute(
        "CREATE TABLE refusal_parent (id INTEGER PRIMARY KEY);"
        "CREATE TABLE refusal (parent INTEGER REFERENCES refusal_parent (id) DEFERRABLE INITIALLY DEFERRED);");
    for (const char* event : {"INSERT", "UPDATE", "DELETE"})
        db.execute(std::string("CREATE TRIGGER refuse_") + event + " AFTER " + event +
                   " ON tasks BEGIN INSERT INTO refusal VALUES (1); END");
}

inline void allowCommits(Database& db) {
    db.execute(
        "DROP TRIGGER refuse_INSERT; DROP TRIGGER refuse_UPDATE; DROP TRIGGER refuse_DELETE; DROP TABLE refusal; "
        "DROP TABLE refusal_parent");
}

}  // namespace torvalet::testing
