#include "reminders/GroupedPosts.h"

#include "tasks/TaskStore.h"

namespace torvalet {

GroupedPosts::GroupedPosts(TaskStore& store) : store_(store) {
    Database* db = store_.database();
    if (db && sqlite3_get_autocommit(db->handle())) {
        db->execute("BEGIN IMMEDIATE");
        open_ = true;
    }
    store_.listRows.suspend();  // last: a refused BEGIN leaves the list as it was
}

GroupedPosts::~GroupedPosts() {
    if (open_) {
        try {
            commit();
        } catch (...) {
            try {
                store_.database()->execute("ROLLBACK");
            } catch (...) {
            }
        }
    }
    store_.listRows.resume();
}

void GroupedPosts::commit() {
    if (!open_) return;
    store_.database()->execute("COMMIT");
    open_ = false;
}

void GroupedPosts::rollback() {
    if (!open_) return;
    open_ = false;
    store_.database()->execute("ROLLBACK");
    if (store_.listRows.isOpen()) store_.listRows.refresh();
}

}  // namespace torvalet
