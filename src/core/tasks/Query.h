#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Date.h"
#include "tasks/Bookmark.h"
#include "tasks/Database.h"
#include "tasks/RowCache.h"
#include "tasks/RowRules.h"
#include "tasks/TaskColumn.h"

namespace torvalet {

struct ColumnDef;

enum class QueryState { Inactive, Browse, Edit, Insert };

// What observers of a result set (the task grid) are told. The "about to" notices come before
// the row is added or taken away, the others after.
struct QueryEvent {
    enum Kind {
        Reset,
        RowChanged,
        RowAboutToBeInserted,
        RowInserted,
        RowAboutToBeRemoved,
        RowRemoved,
        CurrentChanged
    } kind;
    int row = -1;
};

// A result set over one select statement, with a current row that can be edited, inserted, posted
// and deleted like a record of a data set. Rows are identified by the store's rowid, which serves
// as the bookmark.
//
// A statement over one table (no computed columns, no grouping) is held as the ordered rowids of
// its rows; the values of the rows being looked at are fetched by rowid and kept in a small cache.
// The order and the membership of the rows are those of the last open or refresh; the values are
// the stored ones at the time they are fetched. Any other statement is read whole when it opens.
class Query {
public:
    using Bookmark = torvalet::Bookmark;
    using Observer = std::function<void(const QueryEvent&)>;
    // A field resolved once by name for the statement in force: a column, or a lookup field after
    // the columns. -1 for none.
    using Field = int;

    // `cachedRows`: how many rows' values are kept at hand (a grid page or a few).
    explicit Query(std::string name, std::size_t cachedRows = 256) : name_(std::move(name)), cache_(cachedRows) {}
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    const std::string& name() const { return name_; }
    // The connection, or nullptr while the store is closed (the query's prepared statements go with it).
    void setDatabase(Database* db);
    Database* database() const { return db_; }

    // Statement and parameters (":d1" ... bound by name; dates as "YYYY-MM-DD").
    void setSql(std::string sql);
    const std::string& sql() const { return sql_; }
    void setParam(const std::string& name, SqlValue value) { params_[name] = std::move(value); }
    void setDateParam(const std::string& name, Date date) { params_[name] = date.toIso(); }
    void clearParams() { params_.clear(); }

    void open();
    // Posts a pending edit first, then forgets the rows.
    void close();
    bool isOpen() const { return state_ != QueryState::Inactive; }
    // Re-reads the rows, staying on the current row when it is still there (else on the same position).
    void refresh();
    // Runs the statement as a command that returns no rows; returns the number of changed rows.
    int execute();

    // Navigation.
    int rowCount() const { return static_cast<int>(rowids_.size()); }
    int currentIndex() const { return current_; }
    bool isEmpty() const { return rowids_.empty(); }
    bool eof() const { return eof_; }
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int distance);
    void moveTo(int index);

    // Fields by name without regard to case (lookup fields included). Callers that read many rows
    // resolve a Field once and read through it.
    Field field(std::string_view name) const;
    bool hasField(std::string_view name) const { return field(name) >= 0; }
    std::vector<std::string> fieldNames() const;
    // A task column of the statement in force, resolved at its open; -1 when the statement has not got it.
    Field field(TaskColumn column) const { return taskFields_[indexOf(column)]; }
    // Counts up each time the statement's fields are resolved anew (every open).
    int generation() const { return generation_; }

    // The current row.
    std::string text(std::string_view field) const;
    Date date(std::string_view field) const { return Date::fromIso(text(field)); }
    double number(std::string_view field) const;
    bool isNull(std::string_view field) const;
    // The same through a field resolved once: empty (and null) for -1 or a lookup field.
    std::string text(Field field) const { return textAt(current_, field); }
    bool isNull(Field field) const;
    // Any row, for views that draw many rows: empty for a row or field that is not there.
    std::string textAt(int row, std::string_view field) const { return textAt(row, this->field(field)); }
    std::string textAt(int row, Field field) const;
    Bookmark bookmarkAt(int row) const { return rowids_.at(static_cast<std::size_t>(row)); }
    // The same for a task column: reading one the statement has not got throws while the query is open.
    std::string text(TaskColumn column) const;
    Date date(TaskColumn column) const { return Date::fromIso(text(column)); }
    double number(TaskColumn column) const;
    bool isNull(TaskColumn column) const { return isNull(field(column)); }
    std::string textAt(int row, TaskColumn column) const { return textAt(row, field(column)); }

    // Writes need the edit or insert state. Texts are cut to their column width in characters.
    void setText(std::string_view field, const std::string& value);
    void setDate(std::string_view field, Date value) { setText(field, value.toIso()); }
    // The same through a field resolved once; -1 and lookup fields are not there to be written.
    void setText(Field field, const std::string& value);
    void setDate(Field field, Date value) { setText(field, value.toIso()); }
    void setNumber(std::string_view field, double value);
    void setValue(std::string_view field, SqlValue value);
    // The same for a task column.
    void setText(TaskColumn column, const std::string& value);
    void setDate(TaskColumn column, Date value) { setText(column, value.toIso()); }
    void setNumber(TaskColumn column, double value);

    QueryState state() const { return state_; }
    bool isEditing() const { return state_ == QueryState::Edit || state_ == QueryState::Insert; }
    void edit();
    // A new row before the current one; the after-insert hook runs at once.
    void insert();
    // A new row after the last one.
    void append();
    void post();
    void cancel();
    // Deletes the current row from the store.
    void remove();

    // The current row's rowid; 0 for none or for a new row not stored yet.
    Bookmark bookmark() const;
    bool gotoBookmark(Bookmark bookmark);
    // The position of the row `bookmark`, or -1 when it is not listed.
    int rowOf(Bookmark bookmark) const;
    // The positions of `bookmarks` in list order, found in one pass; bookmarks of rows that are not
    // listed are left out.
    std::vector<int> rowsOf(const Bookmarks& bookmarks) const;

    // The rules run as rows are inserted and posted (none by default); they must outlive their use here.
    void setRules(RowRules* rules) { rules_ = rules; }

    // A field computed from another query: the `resultColumn` of the row of `lookup` whose `KEY`
    // equals this row's `keyColumn`, or empty.
    void addLookupField(std::string name, std::string keyColumn, const Query& lookup, std::string resultColumn);
    // The row index whose `column` equals `value`, or -1.
    int findRow(std::string_view column, const std::string& value) const;
    int findRow(TaskColumn column, const std::string& value) const;

    int addObserver(Observer observer);
    void removeObserver(int id);
    // Holds back the observers' notices; the last resume sends one Reset.
    void suspend() { ++suspended_; }
    void resume();

private:
    using Values = RowCache::Values;
    struct LookupField {
        std::string name, keyColumn, resultColumn;
        const Query* lookup;
        Field key = -1;  // in this query
        mutable int lookupGeneration = -1;
        mutable Field lookupKey = -1, lookupResult = -1;  // in the lookup, for its generation
    };

    static constexpr std::array<Field, taskColumnCount> unresolved() {
        std::array<Field, taskColumnCount> fields{};
        fields.fill(-1);
        return fields;
    }
    Field column(std::string_view name) const;
    bool keyed() const { return !table_.empty(); }
    const Values& rowValues(int row) const;
    const Values& fetch(Bookmark rowid) const;
    std::string lookupText(int row, const LookupField& lookup) const;
    int findRow(Field column, const std::string& value) const;
    void requireEditing() const;
    void setTextColumn(std::string_view field, Field c, const std::string& value);
    void setColumn(std::string_view field, Field c, SqlValue value);
    void requireOpen() const;
    void prepareStatements();
    void takeColumns(const SqlStatement& statement);
    void resolveFields();
    void readRows();
    void dropStatements();
    void forgetRows();
    void beginNew(int position);
    void writeRow();
    void insertRow(Bookmark rowid, const Values& values);
    bool holdInsert();
    bool largestRowidKnown(Bookmark& largest) const;
    void heldRowWritten(Bookmark rowid);
    bool tableHasTriggers();
    void makeHeldInsert();
    void updateRow();
    void rowsChanged();
    void notify(QueryEvent::Kind kind, int row = -1);
    void setCurrent(int index);
    SqlStatement& statement(std::unique_ptr<SqlStatement>& holder, const std::string& sql);

    std::string name_;
    Database* db_ = nullptr;
    std::string sql_;
    std::string table_;       // the table rows are written back to; empty for a read-only statement
    std::string projection_;  // the statement's column list, for fetching a row by rowid
    std::string rowidSql_;    // the statement giving only the rowids of the rows, in order
    std::map<std::string, SqlValue> params_;
    std::vector<std::string> columns_;
    // The columns by their names as the statement gives them: most callers spell them so.
    std::unordered_map<std::string_view, Field> columnsByName_;
    std::vector<const ColumnDef*> columnDefs_;
    std::array<Field, taskColumnCount> taskFields_ = unresolved();
    int generation_ = 0;

    // In list order; 0 for a new row not stored yet. A deque: new rows go in at the current
    // row, which is often the first.
    std::deque<Bookmark> rowids_;
    std::vector<Values> wholeRows_;  // every row of a read-only statement (rowids 1, 2, ...)
    mutable RowCache cache_;
    Values editing_;   // the current row while it is edited or inserted
    Values original_;  // the current row as an edit found it
    mutable std::unique_ptr<SqlStatement> fetch_;
    std::unique_ptr<SqlStatement> insert_, delete_, largestRowid_, triggers_, schemaVersion_;
    long long triggersSchema_ = -1;  // the schema version that hasTriggers_ was found under
    bool hasTriggers_ = false;
    // A new row posted inside a transaction and not written yet (see holdWrite): its rowid,
    // taken in advance as the store would give it, and its values as posted, which the list
    // reads it by until it is written.
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
    // The update statements by the set of columns they write (a bit per column).
    std::unordered_map<std::uint64_t, std::unique_ptr<SqlStatement>> updates_;

    int current_ = -1;
    int currentBeforeInsert_ = -1;  // where a cancelled insert returns to
    bool eof_ = true;
    QueryState state_ = QueryState::Inactive;
    RowRules* rules_ = nullptr;
    std::vector<LookupField> lookups_;
    mutable std::unordered_map<Field, std::unordered_map<std::string, int>> index_;
    std::map<int, Observer> observers_;
    int nextObserver_ = 0;
    int suspended_ = 0;
    bool missedWhileSuspended_ = false;
};

// Holds back a query's notices for a scope: suspend at construction, resume at the end.
class QuerySuspension {
public:
    explicit QuerySuspension(Query& query) : query_(query) { query_.suspend(); }
    ~QuerySuspension() { query_.resume(); }
    QuerySuspension(const QuerySuspension&) = delete;
    QuerySuspension& operator=(const QuerySuspension&) = delete;

private:
    Query& query_;
};

}  // namespace torvalet
