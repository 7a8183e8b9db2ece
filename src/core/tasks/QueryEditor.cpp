#include "tasks/QueryEditor.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "base/Errors.h"
#include "tasks/TaskSchema.h"

namespace torvalet {

namespace {

// Rewinds a statement whose values were bound in place, whichever way its use ends.
class Rewind {
public:
    explicit Rewind(SqlStatement& statement) : statement_(statement) {}
    ~Rewind() { statement_.reset(); }
    Rewind(const Rewind&) = delete;
    Rewind& operator=(const Rewind&) = delete;

private:
    SqlStatement& statement_;
};

}  // namespace

void QueryEditor::requireWritable() const {
    if (!rows_.keyed()) throw StoreError(name_ + ": Cannot modify a read-only dataset");
}

void QueryEditor::requireEditing() const {
    if (!cursor_.isEditing()) throw StoreError(name_ + ": Dataset not in edit or insert mode");
}

SqlStatement& QueryEditor::statement(std::unique_ptr<SqlStatement>& holder, const std::string& sql) {
    if (!holder) holder = std::make_unique<SqlStatement>(rows_.database()->prepare(sql));
    return *holder;
}

void QueryEditor::drop() {
    insert_.reset();
    largestRowid_.reset();
    triggers_.reset();
    schemaVersion_.reset();
    triggersSchema_ = -1;
    lastHeldWrite_ = {};
    updates_.clear();
    delete_.reset();
}

void QueryEditor::edit() {
    requireWritable();
    const int row = cursor_.current;
    const Values* held = overlay(row);
    editing_ = held ? *held : rows_.values(row);
    // A row held back since its insert is written whole at its post: nothing to compare it with.
    if (heldRow_ && currentRowid() == heldRow_) {
        original_.clear();
    } else {
        original_ = editing_;
    }
    cursor_.state = QueryState::Edit;
}

void QueryEditor::beginNew(int position) {
    Values row;
    row.reserve(rows_.columns().size());
    for (std::size_t c = 0; c < rows_.columns().size(); ++c) {
        const ColumnDef* def = rows_.columnDef(c);
        row.push_back(def && def->kind == ColumnKind::Number ? SqlValue(0.0) : SqlValue(std::string()));
    }
    currentBeforeInsert_ = cursor_.current >= position ? cursor_.current + 1 : cursor_.current;
    observers_.notify(QueryEvent::RowAboutToBeInserted, position);
    rows_.insertNew(position);
    editing_ = std::move(row);
    cursor_.state = QueryState::Insert;
    cursor_.current = position;
    cursor_.eof = false;
    observers_.notify(QueryEvent::RowInserted, position);
}

void QueryEditor::post() {
    writeRow();
    cursor_.state = QueryState::Browse;
    // A held row is read from its held values until it is written; other rows from the cache.
    if (heldRow_ && currentRowid() == heldRow_) {
        heldValues_ = std::move(editing_);
    } else {
        rows_.remember(currentRowid(), std::move(editing_));
    }
    editing_.clear();
    rows_.changed();
    observers_.notify(QueryEvent::RowChanged, cursor_.current);
}

void QueryEditor::cancel() {
    if (cursor_.state == QueryState::Insert) {
        const int row = cursor_.current;
        observers_.notify(QueryEvent::RowAboutToBeRemoved, row);
        rows_.erase(row);
        editing_.clear();
        cursor_.state = QueryState::Browse;
        const int back = currentBeforeInsert_ > row ? currentBeforeInsert_ - 1 : currentBeforeInsert_;
        cursor_.current = rows_.empty() ? -1 : std::clamp(back, 0, rows_.count() - 1);
        cursor_.eof = rows_.empty();
        observers_.notify(QueryEvent::RowRemoved, row);
    } else if (cursor_.state == QueryState::Edit) {
        editing_.clear();
        cursor_.state = QueryState::Browse;
        observers_.notify(QueryEvent::RowChanged, cursor_.current);
    }
}

Bookmark QueryEditor::remove() {
    requireWritable();
    const Bookmark rowid = currentRowid();
    SqlStatement& remove = statement(delete_, "DELETE FROM " + rows_.table() + " WHERE rowid = ?");
    remove.bind(1, rowid);
    remove.step();
    remove.reset();
    cursor_.state = QueryState::Browse;
    editing_.clear();
    const int row = cursor_.current;
    observers_.notify(QueryEvent::RowAboutToBeRemoved, row);
    rows_.erase(row);
    cursor_.current = rows_.empty() ? -1 : std::min(row, rows_.count() - 1);
    cursor_.eof = rows_.empty();
    observers_.notify(QueryEvent::RowRemoved, row);
    return rowid;
}

void QueryEditor::writeRow() {
    if (cursor_.state == QueryState::Insert) {
        if (!holdInsert()) insertRow(0, editing_);
    } else if (heldRow_ && currentRowid() == heldRow_) {
        // The row posted at its insert and edited since is written once, as it stands now.
        dropHeldWrite(rows_.database()->handle());
        try {
            insertRow(heldRow_, editing_);
        } catch (const StoreError&) {
            writeHeldRow();  // the row as posted at its insert stays, as when it was written then
            throw;
        }
        heldRowWritten(heldRow_);
        heldRow_ = 0;
        heldValues_.clear();
    } else {
        updateRow();
    }
}

// `rowid` 0 lets the store choose it.
void QueryEditor::insertRow(Bookmark rowid, const Values& values) {
    const std::vector<std::string>& columns = rows_.columns();
    const auto count = columns.size();
    if (!insert_) {
        std::string names = "rowid", marks = "?";
        for (std::size_t c = 0; c < count; ++c) {
            names += ", \"" + columns[c] + "\"";
            marks += ", ?";
        }
        statement(insert_, "INSERT INTO " + rows_.table() + " (" + names + ") VALUES (" + marks + ")");
    }
    SqlStatement& insert = *insert_;
    Rewind rewind(insert);
    insert.bind(1, rowid ? SqlValue(rowid) : SqlValue());
    for (std::size_t c = 0; c < count; ++c) insert.bindInPlace(static_cast<int>(c + 2), values[c]);
    insert.step();
    if (!rowid) rows_.setRowid(cursor_.current, rows_.database()->lastInsertRowid());
}

// Writes the fields that the edit changed, so that a field another statement changed meanwhile
// is not written back with the value the edit began with.
void QueryEditor::updateRow() {
    const std::vector<std::string>& columns = rows_.columns();
    const auto count = columns.size();
    std::vector<std::size_t> changed;
    std::uint64_t key = 0;
    for (std::size_t c = 0; c < count; ++c) {
        if (c < original_.size() && editing_[c] == original_[c]) continue;
        changed.push_back(c);
        key |= c < 64 ? std::uint64_t{1} << c : ~std::uint64_t{0};
    }
    if (changed.empty()) return;
    if (key == ~std::uint64_t{0}) {  // more columns than bits: every one is written
        changed.resize(count);
        for (std::size_t c = 0; c < count; ++c) changed[c] = c;
    }
    std::unique_ptr<SqlStatement>& held = updates_[key];
    if (!held) {
        std::string assignments;
        for (std::size_t c : changed) assignments += (assignments.empty() ? "\"" : ", \"") + columns[c] + "\" = ?";
        statement(held, "UPDATE " + rows_.table() + " SET " + assignments + " WHERE rowid = ?");
    }
    SqlStatement& update = *held;
    Rewind rewind(update);
    int index = 0;
    for (std::size_t c : changed) update.bindInPlace(++index, editing_[c]);
    update.bind(++index, currentRowid());
    update.step();
}

bool QueryEditor::holdInsert() {
    sqlite3* db = rows_.database()->handle();
    if (sqlite3_get_autocommit(db)) return false;
    makeHeldWrite(db);
    Bookmark last = 0;
    if (!largestRowidKnown(last)) {
        if (tableHasTriggers()) return false;  // they would see one insert where they saw an insert and an update
        SqlStatement& largest = statement(largestRowid_, "SELECT max(rowid) FROM " + rows_.table());
        Rewind rewind(largest);
        largest.step();
        last = largest.isNull(0) ? 0 : largest.integer(0);
    }
    if (last == std::numeric_limits<Bookmark>::max()) return false;  // the store picks one at random then
    heldRow_ = last + 1;
    rows_.setRowid(cursor_.current, heldRow_);
    holdWrite(db, [this] { writeHeldRow(); });
    return true;
}

bool QueryEditor::largestRowidKnown(Bookmark& largest) const {
    const Database& db = *rows_.database();
    if (lastHeldWrite_.changes != sqlite3_total_changes64(db.handle()) ||
        lastHeldWrite_.transactionsEnded != db.transactionsEnded())
        return false;
    largest = lastHeldWrite_.rowid;
    return true;
}

// Written as one past the largest rowid, the row is now the largest.
void QueryEditor::heldRowWritten(Bookmark rowid) {
    const Database& db = *rows_.database();
    lastHeldWrite_ = {sqlite3_total_changes64(db.handle()), db.transactionsEnded(), rowid};
}

// Looked up again only when the schema has changed since.
bool QueryEditor::tableHasTriggers() {
    SqlStatement& version = statement(schemaVersion_, "PRAGMA schema_version");
    Rewind rewindVersion(version);
    version.step();
    const long long now = version.integer(0);
    if (now == triggersSchema_) return hasTriggers_;
    SqlStatement& triggers =
        statement(triggers_, "SELECT 1 FROM sqlite_master WHERE type = 'trigger' AND tbl_name = ? COLLATE NOCASE");
    Rewind rewindTriggers(triggers);
    triggers.bind(1, rows_.table());
    hasTriggers_ = triggers.step();
    triggersSchema_ = now;
    return hasTriggers_;
}

void QueryEditor::writeHeldRow() {
    if (!heldRow_) return;
    dropHeldWrite(rows_.database()->handle());
    const Bookmark rowid = std::exchange(heldRow_, 0);
    insertRow(rowid, heldValues_);
    heldRowWritten(rowid);
    // An edit of the row goes on as the edit of a stored one: its post writes what it changed.
    if (cursor_.state == QueryState::Edit && currentRowid() == rowid) {
        original_ = heldValues_;
    } else {
        rows_.remember(rowid, Values(heldValues_));
    }
}

}  // namespace torvalet
