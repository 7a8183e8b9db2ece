#pragma once

#include <optional>
#include <string>

namespace torvalet {

class Database;

// The stable UIDs of the task rows, for calendars elsewhere that hold copies of them, with the
// properties of other programs that a row has no column for. They live in a table of our own
// beside the nine tables of the store, whose columns stay as they are:
//   task_uid (rowid integer primary key, uid text unique not null, extra blob)
// kept by triggers on the task table, so that every writer of the store keeps it too: a row
// inserted in any way (new, pasted, loaded from a file, copied) gets a new random version 4 UUID,
// and a deleted row takes its UID along, so a row that later reuses its rowid gets a new one.

// Makes the table and its triggers when the store has none yet, and gives every task row it
// already holds a UID, in one transaction. Does nothing on a store opened for reading. When
// another program holds the store's write lock, the store is left as it is and true is returned
// to say the table is still missing (the next opening tries again); false otherwise. Throws
// StoreError for any other failure.
bool addTaskUids(Database& db);
bool hasTaskUids(Database& db);

// The UID of the task row; nothing when the row does not exist or the store has no table yet.
// Throws StoreError.
std::optional<std::string> taskUid(Database& db, long long rowid);

}  // namespace torvalet
