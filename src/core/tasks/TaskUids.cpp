#include "tasks/TaskUids.h"

#include "base/Errors.h"
#include "tasks/Database.h"

namespace torvalet {

namespace {

// A random version 4 UUID in lower-case text: 122 random bits, the version nibble 4 and the
// variant bits 10 (so the fourth group starts with 8, 9, a or b).
constexpr const char* kNewUuid =
    "lower(hex(randomblob(4))) || '-' || lower(hex(randomblob(2))) || '-4' || "
    "substr(lower(hex(randomblob(2))), 2) || '-' || substr('89ab', 1 + (random() & 3), 1) || "
    "substr(lower(hex(randomblob(2))), 2) || '-' || lower(hex(randomblob(6)))";

bool isBusy(const StoreError& error) {
    const int primary = error.code() & 0xFF;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

}  // namespace

bool hasTaskUids(Database& db) {
    SqlStatement statement =
        db.prepare("select count(*) from sqlite_master where type = 'table' and name = 'task_uid'");
    return statement.step() && statement.integer(0) > 0;
}

bool addTaskUids(Database& db) {
    if (db.readOnly() || hasTaskUids(db)) return false;
    const std::string uuid = kNewUuid;
    db.setBusyTimeout(0);
    try {
        Transaction transaction(db);
        db.execute("create table task_uid (rowid integer primary key, uid text unique not null, extra blob)");
        // Replacing, not inserting: a row of this table that outlived its task (written by a
        // program that dropped the trigger) must not lend its UID to a newcomer of that rowid.
        db.execute(
            "create trigger task_uid_insert after insert on tasks begin "
            "insert or replace into task_uid (rowid, uid) values (new.rowid, " +
            uuid + "); end");
        db.execute(
            "create trigger task_uid_delete after delete on tasks begin "
            "delete from task_uid where rowid = old.rowid; end");
        db.execute("insert into task_uid (rowid, uid) select rowid, " + uuid + " from tasks");
        transaction.commit();
    } catch (const StoreError& error) {
        db.setBusyTimeout(Database::busyTimeout);
        if (isBusy(error)) return true;
        throw;
    }
    db.setBusyTimeout(Database::busyTimeout);
    return false;
}

std::optional<std::string> taskUid(Database& db, long long rowid) {
    if (!hasTaskUids(db)) return std::nullopt;
    SqlStatement statement = db.prepare("select uid from task_uid where rowid = ?");
    statement.bind(1, rowid);
    if (!statement.step()) return std::nullopt;
    return std::string(statement.textView(0));
}

}  // namespace torvalet
