#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tasks/Bookmark.h"
#include "tasks/Database.h"
#include "tasks/RowCache.h"

namespace torvalet {

struct ColumnDef;

// The rows of a result set over one select statement, in list order.
//
// A statement over one table (no computed columns, no grouping) is held as the ordered rowids of
// its rows; the values of the rows being looked at are fetched by rowid and kept in a small cache.
// The order and the membership of the rows are those of the last read; the values are the stored
// ones at the time they are fetched. Any other statement is read whole, its rows numbered 1, 2, ...
// in place of rowids; its rows cannot be written back.
class QueryRows {
public:
    using Values = RowCache::Values;
    using Params = std::map<std::string, SqlValue>;

    // `name` is the result set's, for messages; `cachedRows` how many rows' values are kept at hand.
    QueryRows(const std::string& name, std::size_t cachedRows) : name_(name), cache_(cachedRows) {}

    // The connection, or nullptr while the store is closed; the prepared statement goes with it.
    void setDatabase(Database* db);
    Database* database() const { return db_; }
    // A new statement; the rows of the last one stay until the next read or forget.
    void setStatement(std::string sql);
    const std::string& statement() const { return sql_; }
    // The table the rows are written back to; empty for a statement read whole.
    const std::string& table() const { return table_; }
    bool keyed() const { return !table_.empty(); }

    // Prepares the statement that fetches a row by rowid and takes the columns from it; a statement
    // read whole takes its columns as it is read.
    void prepare();
    // Reads the rows anew (their rowids, or every row of a statement read whole), with `params`
    // bound by name; the values at hand are forgotten.
    void read(const Params& params);
    // Forgets the rows and the values at hand.
    void forget();
    // Drops the prepared statement.
    void drop() { fetch_.reset(); }

    // The statement's columns as it names them, and their definitions in the schema (nullptr for
    // a column of no table the schema knows).
    const std::vector<std::string>& columns() const { return columns_; }
    const ColumnDef* columnDef(std::size_t column) const { return columnDefs_[column]; }
    // The column of that name, without regard to case; -1 for none.
    int column(std::string_view name) const;

    int count() const { return static_cast<int>(rowids_.size()); }
    bool empty() const { return rowids_.empty(); }
    // The rowid of a row; 0 for a new row not stored yet.
    Bookmark rowid(int row) const { return rowids_[static_cast<std::size_t>(row)]; }
    // The same, checked: std::out_of_range for a row that is not there.
    Bookmark rowidAt(int row) const { return rowids_.at(static_cast<std::size_t>(row)); }
    // The position of the row `rowid`, or -1.
    int find(Bookmark rowid) const;
    // The positions of `rowids` in list order, found in one pass; rowids of rows that are not
    // listed are left out.
    std::vector<int> positionsOf(const Bookmarks& rowids) const;

    // A new row at `row`, not stored yet (rowid 0).
    void insertNew(int row);
    // The row at `row` has been stored as `rowid`.
    void setRowid(int row, Bookmark rowid) { rowids_[static_cast<std::size_t>(row)] = rowid; }
    // Takes the row at `row` out, with its values.
    void erase(int row);

    // A row's values: read whole, at hand, or fetched now (empty ones for a row deleted since the
    // rows were read).
    const Values& values(int row) const;
    // The values of a stored row as the result set wrote them.
    void remember(Bookmark rowid, Values&& values) { cache_.put(rowid, std::move(values)); }

    // Counts up with every change of the rows, or of their values written through the result set.
    int version() const { return version_; }
    void changed() { ++version_; }

private:
    void takeColumns(const SqlStatement& statement);
    const Values& fetch(Bookmark rowid) const;

    const std::string& name_;
    Database* db_ = nullptr;
    std::string sql_;
    std::string table_;       // empty for a statement read whole
    std::string projection_;  // the statement's column list, for fetching a row by rowid
    std::string rowidSql_;    // the statement giving only the rowids of the rows, in order
    std::vector<std::string> columns_;
    // The columns by their names as the statement gives them: most callers spell them so.
    std::unordered_map<std::string_view, int> columnsByName_;
    std::vector<const ColumnDef*> columnDefs_;
    // In list order. A deque: new rows go in at the current row, which is often the first.
    std::deque<Bookmark> rowids_;
    std::vector<Values> wholeRows_;  // every row of a statement read whole
    mutable RowCache cache_;
    mutable std::unique_ptr<SqlStatement> fetch_;
    int version_ = 0;
};

}  // namespace torvalet
