#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Date.h"
#include "tasks/Bookmark.h"
#include "tasks/Database.h"
#include "tasks/QueryCursor.h"
#include "tasks/QueryEditor.h"
#include "tasks/QueryLookups.h"
#include "tasks/QueryObservers.h"
#include "tasks/QueryRows.h"
#include "tasks/RowRules.h"
#include "tasks/TaskColumn.h"

namespace torvalet {

// A result set over one select statement, with a current row that can be edited, inserted, posted
// and deleted like a record of a data set. Rows are identified by the store's rowid, which serves
// as the bookmark.
//
// It is the composition its users hold: the rows (QueryRows), the cursor over them, the writing
// of the current row (QueryEditor), the lookup fields (QueryLookups), the observers
// (QueryObservers) and the record rules (RowRules), with the fields of the statement in force
// resolved by name.
class Query {
public:
    using Bookmark = torvalet::Bookmark;
    using Observer = QueryObservers::Observer;
    // A field resolved once by name for the statement in force: a column, or a lookup field after
    // the columns. -1 for none.
    using Field = int;

    // `cachedRows`: how many rows' values are kept at hand (a grid page or a few).
    explicit Query(std::string name, std::size_t cachedRows = 256);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    const std::string& name() const { return name_; }
    // The connection, or nullptr while the store is closed (the query's prepared statements go with it).
    void setDatabase(Database* db);
    Database* database() const { return rows_.database(); }

    // Statement and parameters (":d1" ... bound by name; dates as "YYYY-MM-DD").
    void setSql(std::string sql);
    const std::string& sql() const { return rows_.statement(); }
    void setParam(const std::string& name, SqlValue value) { params_[name] = std::move(value); }
    void setDateParam(const std::string& name, Date date) { params_[name] = date.toIso(); }
    void clearParams() { params_.clear(); }

    void open();
    // Throws unless the rows are open; without a store, with a message for the user.
    void requireOpen() const;
    // Posts a pending edit first, then forgets the rows.
    void close();
    bool isOpen() const { return cursor_.isOpen(); }
    // Re-reads the rows, staying on the current row when it is still there (else on the same position).
    void refresh();
    // Runs the statement as a command that returns no rows; returns the number of changed rows.
    int execute();

    // Navigation.
    int rowCount() const { return rows_.count(); }
    int currentIndex() const { return cursor_.current; }
    bool isEmpty() const { return rows_.empty(); }
    bool eof() const { return cursor_.eof; }
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
    std::string text(Field field) const { return textAt(cursor_.current, field); }
    bool isNull(Field field) const;
    // Any row, for views that draw many rows: empty for a row or field that is not there.
    std::string textAt(int row, std::string_view field) const { return textAt(row, this->field(field)); }
    std::string textAt(int row, Field field) const;
    Bookmark bookmarkAt(int row) const { return rows_.rowidAt(row); }
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

    QueryState state() const { return cursor_.state; }
    bool isEditing() const { return cursor_.isEditing(); }
    void edit();
    // A new row before the current one; the after-insert rule runs at once.
    void insert();
    // A new row after the last one.
    void append();
    void post();
    // The pending edit's last post failed (and was reported): it is not tried again unasked.
    bool postFailed() const { return postFailed_; }
    void cancel();
    // Deletes the current row from the store.
    void remove();

    // The current row's rowid; 0 for none or for a new row not stored yet.
    Bookmark bookmark() const { return cursor_.current < 0 ? 0 : rows_.rowid(cursor_.current); }
    bool gotoBookmark(Bookmark bookmark);
    // The position of the row `bookmark`, or -1 when it is not listed.
    int rowOf(Bookmark bookmark) const { return rows_.find(bookmark); }
    // The positions of `bookmarks` in list order, found in one pass; bookmarks of rows that are not
    // listed are left out.
    std::vector<int> rowsOf(const Bookmarks& bookmarks) const { return rows_.positionsOf(bookmarks); }

    // The rules run as rows are inserted, posted and deleted and as the query closes (none by
    // default); they must outlive their use here.
    void setRules(RowRules* rules) { rules_ = rules; }

    // A field computed from another query: the `resultColumn` of the row of `lookup` whose `KEY`
    // equals this row's `keyColumn`, or empty.
    void addLookupField(std::string name, std::string keyColumn, const Query& lookup, std::string resultColumn);
    // The row index whose `column` equals `value`, or -1.
    int findRow(std::string_view column, const std::string& value) const;
    int findRow(TaskColumn column, const std::string& value) const;
    int findRow(Field column, const std::string& value) const;

    int addObserver(Observer observer) { return observers_.add(std::move(observer)); }
    void removeObserver(int id) { observers_.remove(id); }
    // Holds back the observers' notices; the last resume sends one Reset.
    void suspend() { observers_.suspend(); }
    void resume() { observers_.resume(); }

private:
    using Values = QueryRows::Values;

    static constexpr std::array<Field, taskColumnCount> unresolved() {
        std::array<Field, taskColumnCount> fields{};
        fields.fill(-1);
        return fields;
    }
    // Throws, before anything changes, when the store may not be written.
    void requireWritableStore() const;
    void resolveFields();
    void dropStatements();
    void forgetRows();
    void beginNew(int position);
    void setCurrent(int index);
    const Values& rowValues(int row) const;
    void setTextColumn(std::string_view field, Field c, const std::string& value);
    void setColumn(std::string_view field, Field c, SqlValue value);

    std::string name_;
    std::map<std::string, SqlValue> params_;
    QueryRows rows_;
    QueryCursor cursor_;
    QueryObservers observers_;
    QueryEditor editor_;
    QueryLookups lookups_;
    RowRules* rules_ = nullptr;
    std::array<Field, taskColumnCount> taskFields_ = unresolved();
    int generation_ = 0;
    bool postFailed_ = false;
};

inline const Query::Values& Query::rowValues(int row) const {
    if (const Values* edited = editor_.overlay(row)) return *edited;
    return rows_.values(row);
}

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
