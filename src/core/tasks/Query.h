#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/Date.h"
#include "tasks/Database.h"

namespace torvalet {

struct ColumnDef;

enum class QueryState { Inactive, Browse, Edit, Insert };

// What observers of a result set (the task grid) are told.
struct QueryEvent {
    enum Kind { Reset, RowChanged, RowInserted, RowRemoved, CurrentChanged } kind;
    int row = -1;
};

// A result set over one select statement: the rows are read when it opens, one row is current,
// and the current row can be edited, inserted, posted and deleted like a record of a data set.
// Rows are identified by the store's rowid, which serves as the bookmark.
class Query {
public:
    using Bookmark = long long;
    using Hook = std::function<void(Query&)>;
    using Observer = std::function<void(const QueryEvent&)>;

    explicit Query(std::string name) : name_(std::move(name)) {}
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    const std::string& name() const { return name_; }
    // The connection, or nullptr while the store is closed.
    void setDatabase(Database* db) { db_ = db; }
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
    // Re-reads the rows, staying on the current row when it is still there.
    void refresh();
    // Runs the statement as a command that returns no rows; returns the number of changed rows.
    int execute();

    // Navigation.
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int currentIndex() const { return current_; }
    bool isEmpty() const { return rows_.empty(); }
    bool eof() const { return eof_; }
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int distance);
    void moveTo(int index);

    // Fields of the current row, by name without regard to case (lookup fields included).
    bool hasField(std::string_view name) const;
    std::vector<std::string> fieldNames() const;
    std::string text(std::string_view field) const { return textAt(current_, field); }
    Date date(std::string_view field) const { return Date::fromIso(text(field)); }
    double number(std::string_view field) const;
    bool isNull(std::string_view field) const;
    // Any row, for views that draw many rows.
    std::string textAt(int row, std::string_view field) const;
    Bookmark bookmarkAt(int row) const { return rows_.at(static_cast<std::size_t>(row)).rowid; }

    // Writes need the edit or insert state. Texts are cut to their column width in characters.
    void setText(std::string_view field, const std::string& value);
    void setDate(std::string_view field, Date value) { setText(field, value.toIso()); }
    void setNumber(std::string_view field, double value);
    void setValue(std::string_view field, SqlValue value);

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

    Bookmark bookmark() const;
    bool gotoBookmark(Bookmark bookmark);
    // The rows picked in a view for a command on several rows.
    std::set<Bookmark>& selection() { return selection_; }

    // The record rules.
    Hook afterInsert, beforePost, afterPost;

    // A field computed from another query: the `resultColumn` of the row of `lookup` whose `KEY`
    // equals this row's `keyColumn`, or empty.
    void addLookupField(std::string name, std::string keyColumn, const Query& lookup, std::string resultColumn);
    // The row index whose `column` equals `value`, or -1.
    int findRow(std::string_view column, const std::string& value) const;

    int addObserver(Observer observer);
    void removeObserver(int id);
    // Holds back the observers' notices; the last resume sends one Reset.
    void suspend() { ++suspended_; }
    void resume();

private:
    struct Row {
        Bookmark rowid = 0;
        std::vector<SqlValue> values;
    };
    struct LookupField {
        std::string name, keyColumn, resultColumn;
        const Query* lookup;
    };

    int column(std::string_view field) const;
    const LookupField* lookupField(std::string_view field) const;
    void requireEditing() const;
    void requireOpen() const;
    void readRows();
    void beginNew(int position);
    void writeRow();
    void notify(QueryEvent::Kind kind, int row = -1);
    void setCurrent(int index);

    std::string name_;
    Database* db_ = nullptr;
    std::string sql_;
    std::string table_;  // the table rows are written back to; empty for a read-only statement
    std::map<std::string, SqlValue> params_;
    std::vector<std::string> columns_;
    std::vector<const ColumnDef*> columnDefs_;
    std::vector<Row> rows_;
    int current_ = -1;
    bool eof_ = true;
    QueryState state_ = QueryState::Inactive;
    Row saved_;  // the row as it was before the edit
    std::set<Bookmark> selection_;
    std::vector<LookupField> lookups_;
    mutable std::unordered_map<std::string, std::unordered_map<std::string, int>> index_;
    std::map<int, Observer> observers_;
    int nextObserver_ = 0;
    int suspended_ = 0;
    bool missedWhileSuspended_ = false;
};

}  // namespace torvalet
