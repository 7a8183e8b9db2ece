#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "tasks/Bookmark.h"
#include "tasks/Database.h"
#include "tasks/QueryCursor.h"
#include "tasks/QueryObservers.h"
#include "tasks/QueryRows.h"

namespace torvalet {

// The writing side of a result set over one table: the current row's edit or new row, its post
// (the columns an edit changed, or the whole new row), its cancel, and the deletion of the current
// row. Each keeps the rows and the cursor in step and tells the observers.
//
// Inside a transaction a new row is held back: the record rules post it at once and then edit it,
// and its final post writes it whole. Its rowid is the one the store would give it then (one past
// the largest), so that bookmarks stay as they would be; anything that needs the store as if the
// row had been written (another statement, the end of the transaction) has it written first.
class QueryEditor {
public:
    using Values = QueryRows::Values;

    // `name` is the result set's, for messages.
    QueryEditor(const std::string& name, QueryRows& rows, QueryCursor& cursor, QueryObservers& observers)
        : name_(name), rows_(rows), cursor_(cursor), observers_(observers) {}

    // The values a row shows while it is edited, or while it is held back since its insert;
    // nullptr for a row whose values are the rows'.
    const Values* overlay(int row) const;

    // Throws unless the rows can be written back.
    void requireWritable() const;
    // Throws unless the current row is being edited or inserted.
    void requireEditing() const;

    // Starts editing the current row (the cursor must be on one).
    void edit();
    // Starts a new row at `position`, not stored until its post.
    void beginNew(int position);
    // Sets a column of the row being edited or inserted.
    void setValue(std::size_t column, SqlValue&& value) {
        editing_[column] = std::move(value);
        observers_.notify(QueryEvent::RowChanged, cursor_.current);
    }
    // Writes the row being edited or inserted and goes back to browsing.
    void post();
    // Forgets the edit, or the new row.
    void cancel();
    // Deletes the current row from the store and takes it out of the rows; returns its rowid.
    Bookmark remove();

    // Writes the row held back since its insert, if there is one.
    void writeHeldRow();
    // Drops the prepared statements (before their connection goes, or for a new statement).
    void drop();
    // Forgets the row being edited.
    void forget() { editing_.clear(); }

private:
    Bookmark currentRowid() const { return cursor_.current < 0 ? 0 : rows_.rowid(cursor_.current); }
    void writeRow();
    void insertRow(Bookmark rowid, const Values& values);
    void updateRow();
    bool holdInsert();
    bool largestRowidKnown(Bookmark& largest) const;
    void heldRowWritten(Bookmark rowid);
    bool tableHasTriggers();
    SqlStatement& statement(std::unique_ptr<SqlStatement>& holder, const std::string& sql);

    const std::string& name_;
    QueryRows& rows_;
    QueryCursor& cursor_;
    QueryObservers& observers_;

    Values editing_;                // the current row while it is edited or inserted
    Values original_;               // the current row as an edit found it
    int currentBeforeInsert_ = -1;  // where a cancelled insert returns to
    std::unique_ptr<SqlStatement> insert_, delete_, largestRowid_, triggers_, schemaVersion_;
    // The update statements by the set of columns they write (a bit per column).
    std::unordered_map<std::uint64_t, std::unique_ptr<SqlStatement>> updates_;
    long long triggersSchema_ = -1;  // the schema version that hasTriggers_ was found under
    bool hasTriggers_ = false;
    // A new row posted inside a transaction and not written yet (see holdWrite): its rowid, taken
    // in advance as the store would give it, and its values as posted, which the rows read it by
    // until it is written.
    Bookmark heldRow_ = 0;
    Values heldValues_;
    // The table's largest rowid as the last held row's write left it, with the connection's
    // count of changed rows and of ended transactions then: while both stay, the transaction
    // (which holds the store's write lock since that write) has changed nothing else, and a run
    // of new rows asks the store for it once.
    struct {
        long long changes = -1;
        std::uint64_t transactionsEnded = 0;
        Bookmark rowid = 0;
    } lastHeldWrite_;
};

inline const QueryEditor::Values* QueryEditor::overlay(int row) const {
    if (cursor_.isEditing() && row == cursor_.current) return &editing_;
    if (heldRow_ && rows_.rowid(row) == heldRow_) return &heldValues_;
    return nullptr;
}

}  // namespace torvalet
