#include "tasks/Query.h"

#include <algorithm>
#include <regex>

#include "base/Errors.h"
#include "base/Text.h"
#include "tasks/LookupKey.h"
#include "tasks/TaskSchema.h"

namespace torvalet {

namespace {

// The table a select reads from, when its rows can be written back (no computed columns).
std::string writableTable(const std::string& sql) {
    static const std::regex select(R"(^\s*select\s+([^(]*?)\s+from\s+(\w+))", std::regex::icase);
    std::smatch match;
    if (!std::regex_search(sql, match, select)) return {};
    return match[2];
}

// The statement with the row identity in front of its columns.
std::string withRowid(const std::string& sql) {
    const auto start = sql.find_first_not_of(" \t\r\n");
    return sql.substr(0, start + 6) + " rowid," + sql.substr(start + 6);
}

}  // namespace

void Query::setSql(std::string sql) {
    if (isOpen()) close();
    sql_ = std::move(sql);
    table_ = writableTable(sql_);
}

void Query::requireOpen() const {
    if (!isOpen()) throw StoreError(name_ + ": Cannot perform this operation on a closed dataset");
}

void Query::requireEditing() const {
    if (!isEditing()) throw StoreError(name_ + ": Dataset not in edit or insert mode");
}

void Query::open() {
    if (isOpen()) return;
    if (!db_) throw StoreError(name_ + ": the task store is not open");
    if (trimmed(sql_).empty()) throw StoreError(name_ + ": the query has no statement");
    readRows();
    state_ = QueryState::Browse;
    setCurrent(rows_.empty() ? -1 : 0);
    eof_ = rows_.empty();
    notify(QueryEvent::Reset);
}

void Query::readRows() {
    SqlStatement statement = db_->prepare(table_.empty() ? sql_ : withRowid(sql_));
    for (const auto& [name, value] : params_) statement.bind(name, value);
    const int first = table_.empty() ? 0 : 1;
    std::vector<std::string> columns;
    for (int c = first; c < statement.columnCount(); ++c) columns.push_back(statement.columnName(c));
    std::vector<Row> rows;
    while (statement.step()) {
        Row row;
        row.rowid = first ? std::get<long long>(statement.column(0)) : static_cast<Bookmark>(rows.size() + 1);
        row.values.reserve(columns.size());
        for (int c = first; c < statement.columnCount(); ++c) row.values.push_back(statement.column(c));
        rows.push_back(std::move(row));
    }
    columns_ = std::move(columns);
    columnDefs_.clear();
    for (const auto& name : columns_) columnDefs_.push_back(findColumn(table_, name));
    rows_ = std::move(rows);
    index_.clear();
}

void Query::close() {
    if (!isOpen()) return;
    if (isEditing()) post();
    rows_.clear();
    index_.clear();
    selection_.clear();
    state_ = QueryState::Inactive;
    current_ = -1;
    eof_ = true;
    notify(QueryEvent::Reset);
}

void Query::refresh() {
    requireOpen();
    if (isEditing()) post();
    const Bookmark kept = rows_.empty() || current_ < 0 ? 0 : rows_[current_].rowid;
    const int keptIndex = current_;
    readRows();
    int index = std::min(keptIndex, rowCount() - 1);
    for (int i = 0; i < rowCount(); ++i)
        if (rows_[i].rowid == kept) index = i;
    setCurrent(rows_.empty() ? -1 : std::max(index, 0));
    eof_ = rows_.empty();
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
    setCurrent(rows_.empty() ? -1 : std::clamp(index, 0, rowCount() - 1));
}

void Query::first() { moveTo(0); }
void Query::last() {
    moveTo(rowCount() - 1);
    eof_ = false;
}
void Query::next() { moveTo(current_ + 1); }
void Query::prior() { moveTo(current_ - 1); }
void Query::moveBy(int distance) { moveTo(current_ + distance); }

int Query::column(std::string_view field) const {
    for (std::size_t c = 0; c < columns_.size(); ++c)
        if (equalsIgnoreCase(columns_[c], field)) return static_cast<int>(c);
    return -1;
}

const Query::LookupField* Query::lookupField(std::string_view field) const {
    for (const auto& lookup : lookups_)
        if (equalsIgnoreCase(lookup.name, field)) return &lookup;
    return nullptr;
}

bool Query::hasField(std::string_view name) const { return column(name) >= 0 || lookupField(name); }

std::vector<std::string> Query::fieldNames() const {
    std::vector<std::string> names = columns_;
    for (const auto& lookup : lookups_) names.push_back(lookup.name);
    return names;
}

std::string Query::textAt(int row, std::string_view field) const {
    if (row < 0 || row >= rowCount()) return {};
    if (const int c = column(field); c >= 0) return sqlValueText(rows_[row].values[c]);
    if (const LookupField* lookup = lookupField(field)) {
        const std::string key = textAt(row, lookup->keyColumn);
        if (isEmptyKey(key)) return {};
        const int found = lookup->lookup->findRow("KEY", key);
        return found < 0 ? std::string() : lookup->lookup->textAt(found, lookup->resultColumn);
    }
    throw StoreError(name_ + ": Field '" + std::string(field) + "' not found");
}

double Query::number(std::string_view field) const {
    const int c = column(field);
    if (c < 0 || current_ < 0) return 0;
    return sqlValueNumber(rows_[current_].values[c]);
}

bool Query::isNull(std::string_view field) const {
    const int c = column(field);
    if (c < 0 || current_ < 0) return true;
    const SqlValue& value = rows_[current_].values[c];
    const auto* text = std::get_if<std::string>(&value);
    return std::holds_alternative<std::monostate>(value) || (text && text->empty());
}

void Query::setText(std::string_view field, const std::string& value) {
    const int c = column(field);
    const ColumnDef* def = c >= 0 ? columnDefs_[c] : nullptr;
    if (def && def->kind == ColumnKind::Number) {
        setNumber(field, sqlValueNumber(value));
        return;
    }
    setValue(field, def && def->kind == ColumnKind::Text ? utf8Left(value, static_cast<std::size_t>(def->width))
                                                          : value);
}

void Query::setNumber(std::string_view field, double value) { setValue(field, value); }

void Query::setValue(std::string_view field, SqlValue value) {
    requireEditing();
    const int c = column(field);
    if (c < 0) throw StoreError(name_ + ": Field '" + std::string(field) + "' not found");
    rows_[current_].values[c] = std::move(value);
    notify(QueryEvent::RowChanged, current_);
}

void Query::edit() {
    requireOpen();
    if (isEditing()) return;
    if (rows_.empty()) {
        append();
        return;
    }
    saved_ = rows_[current_];
    state_ = QueryState::Edit;
}

void Query::beginNew(int position) {
    requireOpen();
    if (table_.empty()) throw StoreError(name_ + ": Cannot modify a read-only dataset");
    if (isEditing()) post();
    Row row;
    for (const ColumnDef* def : columnDefs_)
        row.values.push_back(def && def->kind == ColumnKind::Number ? SqlValue(0.0) : SqlValue(std::string()));
    rows_.insert(rows_.begin() + position, std::move(row));
    index_.clear();
    state_ = QueryState::Insert;
    current_ = position;
    eof_ = false;
    notify(QueryEvent::RowInserted, position);
    if (afterInsert) afterInsert(*this);
}

void Query::insert() { beginNew(std::max(current_, 0)); }
void Query::append() { beginNew(rowCount()); }

void Query::writeRow() {
    Row& row = rows_[current_];
    std::string sql;
    if (state_ == QueryState::Insert) {
        std::string names, marks;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            names += (c ? ", \"" : "\"") + columns_[c] + "\"";
            marks += c ? ", ?" : "?";
        }
        sql = "INSERT INTO " + table_ + " (" + names + ") VALUES (" + marks + ")";
    } else {
        for (std::size_t c = 0; c < columns_.size(); ++c) sql += (c ? ", \"" : "\"") + columns_[c] + "\" = ?";
        sql = "UPDATE " + table_ + " SET " + sql + " WHERE rowid = ?";
    }
    SqlStatement statement = db_->prepare(sql);
    for (std::size_t c = 0; c < columns_.size(); ++c) statement.bind(static_cast<int>(c + 1), row.values[c]);
    if (state_ == QueryState::Edit) statement.bind(static_cast<int>(columns_.size() + 1), row.rowid);
    statement.step();
    if (state_ == QueryState::Insert) row.rowid = db_->lastInsertRowid();
}

void Query::post() {
    if (!isEditing()) return;
    if (beforePost) beforePost(*this);
    writeRow();
    state_ = QueryState::Browse;
    index_.clear();
    notify(QueryEvent::RowChanged, current_);
    if (afterPost) afterPost(*this);
}

void Query::cancel() {
    if (state_ == QueryState::Insert) {
        const int row = current_;
        rows_.erase(rows_.begin() + row);
        state_ = QueryState::Browse;
        current_ = rows_.empty() ? -1 : std::min(row, rowCount() - 1);
        notify(QueryEvent::RowRemoved, row);
    } else if (state_ == QueryState::Edit) {
        rows_[current_] = saved_;
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
    if (rows_.empty()) throw StoreError(name_ + ": Cannot perform this operation on an empty dataset");
    if (table_.empty()) throw StoreError(name_ + ": Cannot modify a read-only dataset");
    state_ = QueryState::Browse;
    SqlStatement statement = db_->prepare("DELETE FROM " + table_ + " WHERE rowid = ?");
    statement.bind(1, rows_[current_].rowid);
    statement.step();
    const int row = current_;
    selection_.erase(rows_[row].rowid);
    rows_.erase(rows_.begin() + row);
    index_.clear();
    current_ = rows_.empty() ? -1 : std::min(row, rowCount() - 1);
    eof_ = rows_.empty();
    notify(QueryEvent::RowRemoved, row);
}

Query::Bookmark Query::bookmark() const { return current_ < 0 ? 0 : rows_[current_].rowid; }

bool Query::gotoBookmark(Bookmark bookmark) {
    for (int i = 0; i < rowCount(); ++i)
        if (rows_[i].rowid == bookmark) {
            moveTo(i);
            return true;
        }
    return false;
}

void Query::addLookupField(std::string name, std::string keyColumn, const Query& lookup, std::string resultColumn) {
    lookups_.push_back({std::move(name), std::move(keyColumn), std::move(resultColumn), &lookup});
}

int Query::findRow(std::string_view field, const std::string& value) const {
    const int c = column(field);
    if (c < 0) return -1;
    auto& index = index_[utf8Upper(field)];
    if (index.empty())
        for (int i = rowCount() - 1; i >= 0; --i) index[sqlValueText(rows_[i].values[c])] = i;
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
