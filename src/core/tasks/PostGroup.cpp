#include "tasks/PostGroup.h"

#include <exception>

#include "base/Errors.h"
#include "tasks/Database.h"
#include "tasks/Query.h"

namespace torvalet {

PostGroup::PostGroup(Query& list) : list_(list), exceptionsInFlight_(std::uncaught_exceptions()) {
    Database* db = list_.database();
    if (!db || !sqlite3_get_autocommit(db->handle())) return;
    db->execute("BEGIN IMMEDIATE");
    db_ = db;
}

PostGroup::~PostGroup() noexcept(false) {
    if (!db_) return;
    if (std::uncaught_exceptions() == exceptionsInFlight_) {
        commit();
        return;
    }
    // An error stopped the command and is on its way to the user: keep what was posted before it.
    try {
        try {
            db_->execute("COMMIT");
            db_ = nullptr;
        } catch (const StoreError&) {
            takeBack();
        }
        showStoredRows();
    } catch (const StoreError&) {
        // The error in flight is the one the user is told; a list that cannot be read now shows
        // the stored rows at its next refresh.
    }
}

void PostGroup::commit() {
    if (!db_) return;
    try {
        db_->execute("COMMIT");  // writes the row held back, if any, first
        db_ = nullptr;
    } catch (const StoreError& error) {
        takeBack();
        std::string message = error.what();
        try {
            showStoredRows();
        } catch (const StoreError& reading) {
            message += std::string("\n") + reading.what();
        }
        throw StoreError(message, error.code());
    }
}

// The engine ends some failed commits itself (a full disk, an I/O error); others leave the
// transaction open (a deferred constraint, a lock).
void PostGroup::takeBack() {
    Database* db = db_;
    db_ = nullptr;
    if (!sqlite3_get_autocommit(db->handle())) db->execute("ROLLBACK");
}

void PostGroup::showStoredRows() {
    if (list_.isEditing()) list_.cancel();
    if (list_.isOpen()) list_.refresh();
}

}  // namespace torvalet
