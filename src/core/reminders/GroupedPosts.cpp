#include "reminders/GroupedPosts.h"

#include <exception>

#include "base/Errors.h"
#include "tasks/TaskStore.h"

namespace torvalet {

GroupedPosts::GroupedPosts(TaskStore& store) : store_(store), exceptionsInFlight_(std::uncaught_exceptions()) {
    Database* db = store_.database();
    if (db && sqlite3_get_autocommit(db->handle())) {
        db->execute("BEGIN IMMEDIATE");
        open_ = true;
    }
    store_.listRows.suspend();  // last: a refused BEGIN leaves the list as it was
}

GroupedPosts::~GroupedPosts() noexcept(false) {
    struct Resume {
        Query& list;
        ~Resume() { list.resume(); }
    } resume{store_.listRows};
    if (!open_) return;
    if (std::uncaught_exceptions() == exceptionsInFlight_) {
        rollback();
        throw StoreError("A group of task rows ended without being stored; its rows were taken back");
    }
    // The error that stopped the command is on its way to the user and says that it failed; the
    // rows go with it. Should the engine refuse even the ROLLBACK, no second error can be raised
    // here: the rows then stay in the open transaction, and nothing the user did is dropped.
    open_ = false;
    try {
        takeBack();
        if (store_.listRows.isOpen()) store_.listRows.refresh();
    } catch (const StoreError&) {
        // A list that cannot be read now shows the stored rows at its next refresh.
    }
}

void GroupedPosts::commit() {
    if (!open_) return;
    try {
        store_.database()->execute("COMMIT");
        open_ = false;
    } catch (const StoreError& error) {
        std::string message = error.what();
        try {
            rollback();
        } catch (const StoreError& takingBack) {
            message += std::string("\n") + takingBack.what();
        }
        throw StoreError(message, error.code());
    }
}

void GroupedPosts::rollback() {
    if (!open_) return;
    open_ = false;
    takeBack();
    if (store_.listRows.isOpen()) store_.listRows.refresh();
}

// The engine ends some refused commits itself (a full disk, an I/O error); others leave the
// transaction open (a deferred constraint, a lock).
void GroupedPosts::takeBack() {
    Database* db = store_.database();
    if (!sqlite3_get_autocommit(db->handle())) db->execute("ROLLBACK");
}

}  // namespace torvalet
