#include "tasks/Query.h"

#include <algorithm>
#include <utility>

#include "base/Errors.h"
#include "base/Text.h"
#include "tasks/TaskSchema.h"

namespace torvalet {

Query::Query(std::string name, std::size_t cachedRows)
    : name_(std::move(name)), rows_(name_, cachedRows), editor_(name_, rows_, cursor_, observers_) {}

Query::~Query() {
    try {
        editor_.writeHeldRow();
    } catch (...) {  // the transaction it belonged to is rolled back
    }
}

void Query::setDatabase(Database* db) {
    editor_.writeHeldRow();
    dropStatements();
    rows_.setDatabase(db);
}

void Query::setSql(std::string sql) {
    if (isOpen()) close();
    rows_.setStatement(std::move(sql));
}

void Query::requireOpen() const {
    if (isOpen()) return;
    if (!database()) throw StoreError("The task list is not available: the task store could not be opened.");
    throw StoreError(name_ + ": Cannot perform this operation on a closed dataset");
}

// Refused before the row changes on screen: the engine would refuse the write only after it.
void Query::requireWritableStore() const {
    if (database() && database()->noSpace())
        throw StoreError(std::string("The task store cannot be changed: ") + kNoSpaceMessage + ".", SQLITE_FULL);
    if (database() && database()->readOnly())
        throw StoreError("The task store is open read-only: tasks cannot be added, changed or deleted.");
}

void Query::dropStatements() {
    rows_.drop();
    editor_.drop();
}

void Query::forgetRows() {
    rows_.forget();
    editor_.forget();
}

void Query::open() {
    if (isOpen()) return;
    if (!database()) throw StoreError(name_ + ": the task store is not open");
    if (trimmed(sql()).empty()) throw StoreError(name_ + ": the query has no statement");
    try {
        dropStatements();
        rows_.prepare();
        rows_.read(params_);
    } catch (...) {
        dropStatements();
        forgetRows();
        throw;
    }
    resolveFields();
    cursor_.state = QueryState::Browse;
    setCurrent(rows_.empty() ? -1 : 0);
    cursor_.eof = rows_.empty();
    observers_.notify(QueryEvent::Reset);
}

void Query::resolveFields() {
    lookups_.resolve(rows_);
    for (const TaskColumn c : allTaskColumns()) taskFields_[indexOf(c)] = rows_.column(columnDef(c).name);
    ++generation_;
}

void Query::close() {
    if (!isOpen()) return;
    if (isEditing()) post();
    editor_.writeHeldRow();
    dropStatements();
    forgetRows();
    cursor_.state = QueryState::Inactive;
    cursor_.current = -1;
    cursor_.eof = true;
    if (rules_) rules_->afterClose(*this);
    observers_.notify(QueryEvent::Reset);
}

void Query::refresh() {
    requireOpen();
    if (isEditing()) post();
    const Bookmark kept = bookmark();
    const int keptIndex = cursor_.current;
    rows_.read(params_);
    int index = std::min(keptIndex, rowCount() - 1);
    if (kept) {
        const int found = rows_.find(kept);
        if (found >= 0) index = found;
    }
    setCurrent(rows_.empty() ? -1 : std::max(index, 0));
    cursor_.eof = rows_.empty();
    observers_.notify(QueryEvent::Reset);
}

int Query::execute() {
    Database* db = database();
    if (!db) throw StoreError(name_ + ": the task store is not open");
    SqlStatement statement = db->prepare(sql());
    if (!statement.readOnly()) requireWritableStore();
    for (const auto& [name, value] : params_) statement.bind(name, value);
    while (statement.step()) {
    }
    return db->changes();
}

void Query::setCurrent(int index) {
    if (index == cursor_.current) return;
    cursor_.current = index;
    observers_.notify(QueryEvent::CurrentChanged, index);
}

void Query::moveTo(int index) {
    requireOpen();
    if (isEditing()) post();
    cursor_.eof = index >= rowCount();
    setCurrent(rows_.empty() ? -1 : std::clamp(index, 0, rowCount() - 1));
}

void Query::first() { moveTo(0); }
void Query::last() {
    moveTo(rowCount() - 1);
    cursor_.eof = false;
}
void Query::next() { moveTo(cursor_.current + 1); }
void Query::prior() { moveTo(cursor_.current - 1); }
void Query::moveBy(int distance) { moveTo(cursor_.current + distance); }

bool Query::gotoBookmark(Bookmark bookmark) {
    if (!bookmark) return false;
    const int row = rowOf(bookmark);
    if (row < 0) return false;
    moveTo(row);
    return true;
}

// --- Fields ---

Query::Field Query::field(std::string_view name) const {
    if (const Field c = rows_.column(name); c >= 0) return c;
    const int lookup = lookups_.find(name);
    return lookup < 0 ? -1 : static_cast<Field>(rows_.columns().size()) + lookup;
}

std::vector<std::string> Query::fieldNames() const {
    std::vector<std::string> names = rows_.columns();
    for (std::size_t i = 0; i < lookups_.count(); ++i) names.push_back(lookups_.name(i));
    return names;
}

std::string Query::textAt(int row, Field field) const {
    if (row < 0 || row >= rowCount() || field < 0) return {};
    const auto index = static_cast<std::size_t>(field);
    const std::size_t columns = rows_.columns().size();
    if (index < columns) return sqlValueText(rowValues(row)[index]);
    if (index - columns >= lookups_.count()) return {};
    const int key = lookups_.keyColumn(index - columns);
    if (key < 0) return {};
    return lookups_.text(index - columns, sqlValueText(rowValues(row)[static_cast<std::size_t>(key)]));
}

std::string Query::text(std::string_view name) const {
    const Field f = field(name);
    if (f < 0 && isOpen()) throw StoreError(name_ + ": Field '" + std::string(name) + "' not found");
    return textAt(cursor_.current, f);
}

std::string Query::text(TaskColumn column) const {
    const Field f = field(column);
    if (f < 0 && isOpen()) throw StoreError(name_ + ": Field '" + columnDef(column).name + "' not found");
    return textAt(cursor_.current, f);
}

double Query::number(std::string_view field) const {
    const Field c = rows_.column(field);
    if (c < 0 || cursor_.current < 0) return 0;
    return sqlValueNumber(rowValues(cursor_.current)[static_cast<std::size_t>(c)]);
}

double Query::number(TaskColumn column) const {
    const Field c = field(column);
    if (c < 0 || cursor_.current < 0) return 0;
    return sqlValueNumber(rowValues(cursor_.current)[static_cast<std::size_t>(c)]);
}

bool Query::isNull(std::string_view field) const { return isNull(rows_.column(field)); }

bool Query::isNull(Field field) const {
    if (field < 0 || static_cast<std::size_t>(field) >= rows_.columns().size() || cursor_.current < 0) return true;
    const SqlValue& value = rowValues(cursor_.current)[static_cast<std::size_t>(field)];
    const auto* text = std::get_if<std::string>(&value);
    return std::holds_alternative<std::monostate>(value) || (text && text->empty());
}

void Query::setText(std::string_view field, const std::string& value) {
    setTextColumn(field, rows_.column(field), value);
}

void Query::setText(Field field, const std::string& value) {
    const bool isColumn = field >= 0 && static_cast<std::size_t>(field) < rows_.columns().size();
    setTextColumn(isColumn ? rows_.columns()[static_cast<std::size_t>(field)] : "", isColumn ? field : -1, value);
}

void Query::setText(TaskColumn column, const std::string& value) {
    setTextColumn(columnDef(column).name, field(column), value);
}

void Query::setTextColumn(std::string_view field, Field c, const std::string& value) {
    const ColumnDef* def = c >= 0 ? rows_.columnDef(static_cast<std::size_t>(c)) : nullptr;
    if (def && def->kind == ColumnKind::Number) {
        setColumn(field, c, sqlValueNumber(value));
        return;
    }
    setColumn(field, c,
              def && def->kind == ColumnKind::Text ? utf8Left(value, static_cast<std::size_t>(def->width)) : value);
}

void Query::setNumber(std::string_view field, double value) { setValue(field, value); }

void Query::setNumber(TaskColumn column, double value) { setColumn(columnDef(column).name, field(column), value); }

void Query::setValue(std::string_view field, SqlValue value) {
    setColumn(field, rows_.column(field), std::move(value));
}

// `c` is the column named `field`, -1 when there is none.
void Query::setColumn(std::string_view field, Field c, SqlValue value) {
    editor_.requireEditing();
    if (c < 0) throw StoreError(name_ + ": Field '" + std::string(field) + "' not found");
    editor_.setValue(static_cast<std::size_t>(c), std::move(value));
}

// --- Editing ---

void Query::edit() {
    requireOpen();
    if (isEditing()) return;
    requireWritableStore();
    postFailed_ = false;
    if (rows_.empty()) {
        append();
        return;
    }
    editor_.edit();
}

void Query::beginNew(int position) {
    requireOpen();
    editor_.requireWritable();
    requireWritableStore();
    if (isEditing()) post();
    postFailed_ = false;
    editor_.beginNew(position);
    if (!rules_) return;
    try {
        rules_->afterInsert(*this);  // stores the row at once
    } catch (const StoreError&) {
        // A row the store did not take is not left on screen.
        if (state() == QueryState::Insert) cancel();
        throw;
    }
}

void Query::insert() { beginNew(std::max(cursor_.current, 0)); }
void Query::append() { beginNew(rowCount()); }

void Query::post() {
    if (!isEditing()) return;
    try {
        if (rules_) rules_->beforePost(*this);
        editor_.post();
    } catch (const StoreError&) {
        postFailed_ = true;
        throw;
    }
    postFailed_ = false;
    if (rules_) rules_->afterPost(*this);
}

void Query::cancel() {
    editor_.cancel();
    postFailed_ = false;
}

void Query::remove() {
    requireOpen();
    if (cursor_.state == QueryState::Insert) {
        cancel();
        return;
    }
    requireWritableStore();
    if (rows_.empty()) throw StoreError(name_ + ": Cannot perform this operation on an empty dataset");
    const Bookmark removed = editor_.remove();
    if (rules_) rules_->afterRemove(*this, removed);
}

// --- Lookups ---

void Query::addLookupField(std::string name, std::string keyColumn, const Query& lookup, std::string resultColumn) {
    lookups_.add(std::move(name), std::move(keyColumn), lookup, std::move(resultColumn));
    lookups_.resolve(rows_);
}

int Query::findRow(std::string_view column, const std::string& value) const {
    return findRow(rows_.column(column), value);
}

int Query::findRow(TaskColumn column, const std::string& value) const { return findRow(field(column), value); }

int Query::findRow(Field column, const std::string& value) const {
    if (column < 0 || static_cast<std::size_t>(column) >= rows_.columns().size()) return -1;
    return lookups_.findRow(*this, rows_.version(), column, value);
}

}  // namespace torvalet
