#include "tasks/Query.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <utility>

#include "base/Errors.h"
#include "base/Text.h"
#include "tasks/LookupKey.h"
#include "tasks/SelectShape.h"
#include "tasks/TaskSchema.h"

namespace torvalet {

namespace {

// The statement giving the rowids of the rows in their order. A column list with names of its own
// ("Date as Day") stays, since the order may use them.
std::string rowidStatement(const WritableSelect& select) {
    const std::string columns = hasColumnAlias(select.projection) ? "rowid, " + select.projection : "rowid";
    return "select " + columns + " from " + select.table + select.tail;
}

// Column names are ASCII identifiers: compare them without building upper-case copies.
bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 0x80 || y >= 0x80) return equalsIgnoreCase(a, b);
        if (x != y && (x | 0x20) != (y | 0x20)) return false;
        if (x != y && !std::isalpha(x)) return false;
    }
    return true;
}

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

Query::~Query() {
    try {
        makeHeldInsert();
    } catch (...) {  // the transaction it belonged to is rolled back
    }
}

void Query::setDatabase(Database* db) {
    makeHeldInsert();
    dropStatements();
    db_ = db;
}

void Query::setSql(std::string sql) {
    if (isOpen()) close();
    sql_ = std::move(sql);
    const auto select = writableSelect(sql_);
    table_ = select ? select->table : std::string();
    projection_ = select ? select->projection : std::string();
    rowidSql_ = select ? rowidStatement(*select) : std::string();
}

void Query::requireOpen() const {
    if (!isOpen()) throw StoreError(name_ + ": Cannot perform this operation on a closed dataset");
}

void Query::requireEditing() const {
    if (!isEditing()) throw StoreError(name_ + ": Dataset not in edit or insert mode");
}

SqlStatement& Query::statement(std::unique_ptr<SqlStatement>& holder, const std::string& sql) {
    if (!holder) holder = std::make_unique<SqlStatement>(db_->prepare(sql));
    return *holder;
}

void Query::dropStatements() {
    fetch_.reset();
    insert_.reset();
    largestRowid_.reset();
    triggers_.reset();
    schemaVersion_.reset();
    triggersSchema_ = -1;
    lastHeldWrite_ = {};
    updates_.clear();
    delete_.reset();
}

void Query::open() {
    if (isOpen()) return;
    if (!db_) throw StoreError(name_ + ": the task store is not open");
    if (trimmed(sql_).empty()) throw StoreError(name_ + ": the query has no statement");
    try {
        prepareStatements();
        readRows();
    } catch (...) {
        dropStatements();
        forgetRows();
        throw;
    }
    resolveFields();
    state_ = QueryState::Browse;
    setCurrent(rowids_.empty() ? -1 : 0);
    eof_ = rowids_.empty();
    notify(QueryEvent::Reset);
}

void Query::prepareStatements() {
    dropStatements();
    if (!keyed()) return;
    SqlStatement& fetch = statement(fetch_, "select " + projection_ + " from " + table_ + " where rowid = ?");
    takeColumns(fetch);
}

void Query::takeColumns(const SqlStatement& statement) {
    columnsByName_.clear();
    columns_.clear();
    for (int c = 0; c < statement.columnCount(); ++c) columns_.push_back(statement.columnName(c));
    for (std::size_t c = 0; c < columns_.size(); ++c) columnsByName_.emplace(columns_[c], static_cast<Field>(c));
}

void Query::resolveFields() {
    columnDefs_.clear();
    for (const auto& name : columns_) columnDefs_.push_back(findColumn(table_, name));
    for (const TaskColumn c : allTaskColumns()) taskFields_[indexOf(c)] = column(columnDef(c).name);
    for (auto& lookup : lookups_) lookup.key = column(lookup.keyColumn);
    ++generation_;
}

void Query::readRows() {
    SqlStatement statement = db_->prepare(keyed() ? rowidSql_ : sql_);
    for (const auto& [name, value] : params_) statement.bind(name, value);
    std::deque<Bookmark> rowids;
    std::vector<Values> rows;
    if (keyed()) {
        while (statement.step()) {
            if (statement.isNull(0))
                throw StoreError("The table \"" + table_ + "\" has changed: its rows have no row identity");
            rowids.push_back(statement.integer(0));
        }
    } else {
        takeColumns(statement);
        while (statement.step()) {
            Values& row = rows.emplace_back();
            row.reserve(columns_.size());
            for (int c = 0; c < statement.columnCount(); ++c) row.push_back(statement.column(c));
            rowids.push_back(static_cast<Bookmark>(rows.size()));
        }
    }
    rowids_ = std::move(rowids);
    wholeRows_ = std::move(rows);
    cache_.clear();
    rowsChanged();
}

void Query::forgetRows() {
    rowids_ = {};
    wholeRows_ = {};
    cache_.clear();
    editing_.clear();
    rowsChanged();
}

void Query::rowsChanged() { index_.clear(); }

void Query::close() {
    if (!isOpen()) return;
    if (isEditing()) post();
    makeHeldInsert();
    dropStatements();
    forgetRows();
    state_ = QueryState::Inactive;
    current_ = -1;
    eof_ = true;
    if (rules_) rules_->afterClose(*this);
    notify(QueryEvent::Reset);
}

void Query::refresh() {
    requireOpen();
    if (isEditing()) post();
    const Bookmark kept = bookmark();
    const int keptIndex = current_;
    readRows();
    int index = std::min(keptIndex, rowCount() - 1);
    if (kept) {
        const auto found = std::find(rowids_.begin(), rowids_.end(), kept);
        if (found != rowids_.end()) index = static_cast<int>(found - rowids_.begin());
    }
    setCurrent(rowids_.empty() ? -1 : std::max(index, 0));
    eof_ = rowids_.empty();
    notify(QueryEvent::Reset);
}

int Query::execute() {
    if (!db_) throw StoreError(name_ + ": the task store is not open");
    SqlStatement statement = db_->prepare(sql_);
    for (const auto& [name, value] : params_) statement.bind(name, value);
    while (statement.step()) {
    }
    return db_->changes();
}

void Query::setCurrent(int index) {
    if (index == current_) return;
    current_ = index;
    notify(QueryEvent::CurrentChanged, index);
}

void Query::moveTo(int index) {
    requireOpen();
    if (isEditing()) post();
    eof_ = index >= rowCount();
    setCurrent(rowids_.empty() ? -1 : std::clamp(index, 0, rowCount() - 1));
}

void Query::first() { moveTo(0); }
void Query::last() {
    moveTo(rowCount() - 1);
    eof_ = false;
}
void Query::next() { moveTo(current_ + 1); }
void Query::prior() { moveTo(current_ - 1); }
void Query::moveBy(int distance) { moveTo(current_ + distance); }

Query::Field Query::column(std::string_view name) const {
    if (const auto found = columnsByName_.find(name); found != columnsByName_.end()) return found->second;
    for (std::size_t c = 0; c < columns_.size(); ++c)
        if (sameName(columns_[c], name)) return static_cast<Field>(c);
    return -1;
}

Query::Field Query::field(std::string_view name) const {
    if (const Field c = column(name); c >= 0) return c;
    for (std::size_t i = 0; i < lookups_.size(); ++i)
        if (sameName(lookups_[i].name, name)) return static_cast<Field>(columns_.size() + i);
    return -1;
}

std::vector<std::string> Query::fieldNames() const {
    std::vector<std::string> names = columns_;
    for (const auto& lookup : lookups_) names.push_back(lookup.name);
    return names;
}

const Query::Values& Query::rowValues(int row) const {
    if (isEditing() && row == current_) return editing_;
    if (!keyed()) return wholeRows_[static_cast<std::size_t>(row)];
    const Bookmark rowid = rowids_[static_cast<std::size_t>(row)];
    if (heldRow_ && rowid == heldRow_) return heldValues_;
    if (const Values* values = cache_.find(rowid)) return *values;
    return fetch(rowid);
}

const Query::Values& Query::fetch(Bookmark rowid) const {
    if (!fetch_) throw StoreError(name_ + ": Cannot perform this operation on a closed dataset");
    SqlStatement& statement = *fetch_;
    statement.bind(1, rowid);
    Values values;
    values.reserve(columns_.size());
    if (statement.step())
        for (int c = 0; c < statement.columnCount(); ++c) values.push_back(statement.column(c));
    else
        values.resize(columns_.size());  // deleted by another statement since the rows were read
    statement.reset();
    return cache_.put(rowid, std::move(values));
}

std::string Query::textAt(int row, Field field) const {
    if (row < 0 || row >= rowCount() || field < 0) return {};
    const auto index = static_cast<std::size_t>(field);
    if (index < columns_.size()) return sqlValueText(rowValues(row)[index]);
    if (index - columns_.size() < lookups_.size()) return lookupText(row, lookups_[index - columns_.size()]);
    return {};
}

std::string Query::lookupText(int row, const LookupField& lookup) const {
    if (lookup.key < 0) return {};
    const std::string key = sqlValueText(rowValues(row)[static_cast<std::size_t>(lookup.key)]);
    if (isEmptyKey(key)) return {};
    const Query& table = *lookup.lookup;
    if (lookup.lookupGeneration != table.generation_) {
        lookup.lookupKey = table.column("KEY");
        lookup.lookupResult = table.column(lookup.resultColumn);
        lookup.lookupGeneration = table.generation_;
    }
    if (lookup.lookupKey < 0 || lookup.lookupResult < 0) return {};
    const int found = table.findRow(lookup.lookupKey, key);
    return found < 0 ? std::string() : table.textAt(found, lookup.lookupResult);
}

std::string Query::text(std::string_view name) const {
    const Field f = field(name);
    if (f < 0 && isOpen()) throw StoreError(name_ + ": Field '" + std::string(name) + "' not found");
    return textAt(current_, f);
}

double Query::number(std::string_view field) const {
    const Field c = column(field);
    if (c < 0 || current_ < 0) return 0;
    return sqlValueNumber(rowValues(current_)[static_cast<std::size_t>(c)]);
}

bool Query::isNull(std::string_view field) const { return isNull(column(field)); }

std::string Query::text(TaskColumn column) const {
    const Field f = field(column);
    if (f < 0 && isOpen()) throw StoreError(name_ + ": Field '" + columnDef(column).name + "' not found");
    return textAt(current_, f);
}

double Query::number(TaskColumn column) const {
    const Field c = field(column);
    if (c < 0 || current_ < 0) return 0;
    return sqlValueNumber(rowValues(current_)[static_cast<std::size_t>(c)]);
}

bool Query::isNull(Field field) const {
    if (field < 0 || static_cast<std::size_t>(field) >= columns_.size() || current_ < 0) return true;
    const SqlValue& value = rowValues(current_)[static_cast<std::size_t>(field)];
    const auto* text = std::get_if<std::string>(&value);
    return std::holds_alternative<std::monostate>(value) || (text && text->empty());
}

void Query::setText(std::string_view field, const std::string& value) { setTextColumn(field, column(field), value); }

void Query::setText(Field field, const std::string& value) {
    const bool isColumn = field >= 0 && static_cast<std::size_t>(field) < columns_.size();
    setTextColumn(isColumn ? columns_[static_cast<std::size_t>(field)] : "", isColumn ? field : -1, value);
}

void Query::setText(TaskColumn column, const std::string& value) {
    setTextColumn(columnDef(column).name, field(column), value);
}

void Query::setNumber(TaskColumn column, double value) { setColumn(columnDef(column).name, field(column), value); }

void Query::setTextColumn(std::string_view field, Field c, const std::string& value) {
    const ColumnDef* def = c >= 0 ? columnDefs_[static_cast<std::size_t>(c)] : nullptr;
    if (def && def->kind == ColumnKind::Number) {
        setColumn(field, c, sqlValueNumber(value));
        return;
    }
    setColumn(field, c,
              def && def->kind == ColumnKind::Text ? utf8Left(value, static_cast<std::size_t>(def->width)) : value);
}

void Query::setNumber(std::string_view field, double value) { setValue(field, value); }

void Query::setValue(std::string_view field, SqlValue value) { setColumn(field, column(field), std::move(value)); }

// `c` is the column named `field`, -1 when there is none.
void Query::setColumn(std::string_view field, Field c, SqlValue value) {
    requireEditing();
    if (c < 0) throw StoreError(name_ + ": Field '" + std::string(field) + "' not found");
    editing_[static_cast<std::size_t>(c)] = std::move(value);
    notify(QueryEvent::RowChanged, current_);
}

void Query::edit() {
    requireOpen();
    if (isEditing()) return;
    if (rowids_.empty()) {
        append();
        return;
    }
    if (!keyed()) throw StoreError(name_ + ": Cannot modify a read-only dataset");
    editing_ = rowValues(current_);
    // A row held back since its insert is written whole at its post: nothing to compare it with.
    if (heldRow_ && bookmark() == heldRow_) {
        original_.clear();
    } else {
        original_ = editing_;
    }
    state_ = QueryState::Edit;
}

void Query::beginNew(int position) {
    requireOpen();
    if (!keyed()) throw StoreError(name_ + ": Cannot modify a read-only dataset");
    if (isEditing()) post();
    Values row;
    row.reserve(columnDefs_.size());
    for (const ColumnDef* def : columnDefs_)
        row.push_back(def && def->kind == ColumnKind::Number ? SqlValue(0.0) : SqlValue(std::string()));
    currentBeforeInsert_ = current_ >= position ? current_ + 1 : current_;
    notify(QueryEvent::RowAboutToBeInserted, position);
    rowids_.insert(rowids_.begin() + position, 0);
    editing_ = std::move(row);
    rowsChanged();
    state_ = QueryState::Insert;
    current_ = position;
    eof_ = false;
    notify(QueryEvent::RowInserted, position);
    if (rules_) rules_->afterInsert(*this);
}

void Query::insert() { beginNew(std::max(current_, 0)); }
void Query::append() { beginNew(rowCount()); }

void Query::writeRow() {
    if (state_ == QueryState::Insert) {
        if (!holdInsert()) insertRow(0, editing_);
    } else if (heldRow_ && bookmark() == heldRow_) {
        // The row posted at its insert and edited since is written once, as it stands now.
        dropHeldWrite(db_->handle());
        try {
            insertRow(heldRow_, editing_);
        } catch (const StoreError&) {
            makeHeldInsert();  // the row as posted at its insert stays, as when it was written then
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
void Query::insertRow(Bookmark rowid, const Values& values) {
    const auto count = columns_.size();
    if (!insert_) {
        std::string names = "rowid", marks = "?";
        for (std::size_t c = 0; c < count; ++c) {
            names += ", \"" + columns_[c] + "\"";
            marks += ", ?";
        }
        statement(insert_, "INSERT INTO " + table_ + " (" + names + ") VALUES (" + marks + ")");
    }
    SqlStatement& insert = *insert_;
    Rewind rewind(insert);
    insert.bind(1, rowid ? SqlValue(rowid) : SqlValue());
    for (std::size_t c = 0; c < count; ++c) insert.bindInPlace(static_cast<int>(c + 2), values[c]);
    insert.step();
    if (!rowid) rowids_[static_cast<std::size_t>(current_)] = db_->lastInsertRowid();
}

// Inside a transaction a new row is held back: the record rules post it at once and then edit
// it, and its final post writes it whole. The rowid is the one the store would give it now
// (one past the largest), so that bookmarks stay as they would be.
bool Query::holdInsert() {
    if (sqlite3_get_autocommit(db_->handle())) return false;
    makeHeldWrite(db_->handle());
    Bookmark last = 0;
    if (!largestRowidKnown(last)) {
        if (tableHasTriggers()) return false;  // they would see one insert where they saw an insert and an update
        SqlStatement& largest = statement(largestRowid_, "SELECT max(rowid) FROM " + table_);
        Rewind rewind(largest);
        largest.step();
        last = largest.isNull(0) ? 0 : largest.integer(0);
    }
    if (last == std::numeric_limits<Bookmark>::max()) return false;  // the store picks one at random then
    heldRow_ = last + 1;
    rowids_[static_cast<std::size_t>(current_)] = heldRow_;
    holdWrite(db_->handle(), [this] { makeHeldInsert(); });
    return true;
}

bool Query::largestRowidKnown(Bookmark& largest) const {
    if (lastHeldWrite_.changes != sqlite3_total_changes64(db_->handle()) ||
        lastHeldWrite_.transactionsEnded != db_->transactionsEnded())
        return false;
    largest = lastHeldWrite_.rowid;
    return true;
}

// Written as one past the largest rowid, the row is now the largest.
void Query::heldRowWritten(Bookmark rowid) {
    lastHeldWrite_ = {sqlite3_total_changes64(db_->handle()), db_->transactionsEnded(), rowid};
}

// Looked up again only when the schema has changed since.
bool Query::tableHasTriggers() {
    SqlStatement& version = statement(schemaVersion_, "PRAGMA schema_version");
    Rewind rewindVersion(version);
    version.step();
    const long long now = version.integer(0);
    if (now == triggersSchema_) return hasTriggers_;
    SqlStatement& triggers =
        statement(triggers_, "SELECT 1 FROM sqlite_master WHERE type = 'trigger' AND tbl_name = ? COLLATE NOCASE");
    Rewind rewindTriggers(triggers);
    triggers.bind(1, table_);
    hasTriggers_ = triggers.step();
    triggersSchema_ = now;
    return hasTriggers_;
}

void Query::makeHeldInsert() {
    if (!heldRow_) return;
    dropHeldWrite(db_->handle());
    const Bookmark rowid = std::exchange(heldRow_, 0);
    insertRow(rowid, heldValues_);
    heldRowWritten(rowid);
    // An edit of the row goes on as the edit of a stored one: its post writes what it changed.
    if (state_ == QueryState::Edit && bookmark() == rowid) {
        original_ = heldValues_;
    } else {
        cache_.put(rowid, heldValues_);
    }
}

// Writes the fields that the edit changed, so that a field another statement changed meanwhile
// is not written back with the value the edit began with.
void Query::updateRow() {
    const auto count = columns_.size();
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
        for (std::size_t c : changed) assignments += (assignments.empty() ? "\"" : ", \"") + columns_[c] + "\" = ?";
        statement(held, "UPDATE " + table_ + " SET " + assignments + " WHERE rowid = ?");
    }
    SqlStatement& update = *held;
    Rewind rewind(update);
    int index = 0;
    for (std::size_t c : changed) update.bindInPlace(++index, editing_[c]);
    update.bind(++index, bookmark());
    update.step();
}

void Query::post() {
    if (!isEditing()) return;
    if (rules_) rules_->beforePost(*this);
    writeRow();
    state_ = QueryState::Browse;
    // A held row is read from its held values until it is written; other rows from the cache.
    if (heldRow_ && bookmark() == heldRow_) {
        heldValues_ = std::move(editing_);
    } else {
        cache_.put(bookmark(), std::move(editing_));
    }
    editing_.clear();
    rowsChanged();
    notify(QueryEvent::RowChanged, current_);
    if (rules_) rules_->afterPost(*this);
}

void Query::cancel() {
    if (state_ == QueryState::Insert) {
        const int row = current_;
        notify(QueryEvent::RowAboutToBeRemoved, row);
        rowids_.erase(rowids_.begin() + row);
        editing_.clear();
        rowsChanged();
        state_ = QueryState::Browse;
        const int back = currentBeforeInsert_ > row ? currentBeforeInsert_ - 1 : currentBeforeInsert_;
        current_ = rowids_.empty() ? -1 : std::clamp(back, 0, rowCount() - 1);
        eof_ = rowids_.empty();
        notify(QueryEvent::RowRemoved, row);
    } else if (state_ == QueryState::Edit) {
        editing_.clear();
        state_ = QueryState::Browse;
        notify(QueryEvent::RowChanged, current_);
    }
}

void Query::remove() {
    requireOpen();
    if (state_ == QueryState::Insert) {
        cancel();
        return;
    }
    if (rowids_.empty()) throw StoreError(name_ + ": Cannot perform this operation on an empty dataset");
    if (!keyed()) throw StoreError(name_ + ": Cannot modify a read-only dataset");
    const Bookmark rowid = bookmark();
    SqlStatement& remove = statement(delete_, "DELETE FROM " + table_ + " WHERE rowid = ?");
    remove.bind(1, rowid);
    remove.step();
    remove.reset();
    state_ = QueryState::Browse;
    editing_.clear();
    const int row = current_;
    notify(QueryEvent::RowAboutToBeRemoved, row);
    cache_.erase(rowid);
    rowids_.erase(rowids_.begin() + row);
    rowsChanged();
    current_ = rowids_.empty() ? -1 : std::min(row, rowCount() - 1);
    eof_ = rowids_.empty();
    if (rules_) rules_->afterRemove(*this, rowid);
    notify(QueryEvent::RowRemoved, row);
}

Query::Bookmark Query::bookmark() const { return current_ < 0 ? 0 : rowids_[static_cast<std::size_t>(current_)]; }

bool Query::gotoBookmark(Bookmark bookmark) {
    if (!bookmark) return false;
    const int row = rowOf(bookmark);
    if (row < 0) return false;
    moveTo(row);
    return true;
}

int Query::rowOf(Bookmark bookmark) const {
    const auto found = std::find(rowids_.begin(), rowids_.end(), bookmark);
    return found == rowids_.end() ? -1 : static_cast<int>(found - rowids_.begin());
}

std::vector<int> Query::rowsOf(const Bookmarks& bookmarks) const {
    std::vector<int> rows;
    if (bookmarks.empty()) return rows;
    const std::vector<Bookmark> wanted(bookmarks.begin(), bookmarks.end());  // sorted, for binary search
    for (std::size_t i = 0; i < rowids_.size() && rows.size() < wanted.size(); ++i)
        if (std::binary_search(wanted.begin(), wanted.end(), rowids_[i])) rows.push_back(static_cast<int>(i));
    return rows;
}

void Query::addLookupField(std::string name, std::string keyColumn, const Query& lookup, std::string resultColumn) {
    lookups_.push_back({std::move(name), std::move(keyColumn), std::move(resultColumn), &lookup});
    lookups_.back().key = column(lookups_.back().keyColumn);
}

int Query::findRow(std::string_view field, const std::string& value) const {
    const Field c = column(field);
    return c < 0 ? -1 : findRow(c, value);
}

int Query::findRow(TaskColumn column, const std::string& value) const {
    const Field c = field(column);
    return c < 0 ? -1 : findRow(c, value);
}

int Query::findRow(Field column, const std::string& value) const {
    auto& index = index_[column];
    if (index.empty())
        for (int i = rowCount() - 1; i >= 0; --i)
            index[sqlValueText(rowValues(i)[static_cast<std::size_t>(column)])] = i;
    const auto found = index.find(value);
    return found == index.end() ? -1 : found->second;
}

int Query::addObserver(Observer observer) {
    observers_[nextObserver_] = std::move(observer);
    return nextObserver_++;
}

void Query::removeObserver(int id) { observers_.erase(id); }

void Query::resume() {
    if (suspended_ > 0 && --suspended_ == 0 && missedWhileSuspended_) {
        missedWhileSuspended_ = false;
        notify(QueryEvent::Reset);
    }
}

void Query::notify(QueryEvent::Kind kind, int row) {
    if (suspended_ > 0) {
        missedWhileSuspended_ = true;
        return;
    }
    const QueryEvent event{kind, row};
    for (const auto& [id, observer] : observers_) observer(event);
}

}  // namespace torvalet
