#include "tasks/QueryRows.h"

#include <algorithm>
#include <cctype>

#include "base/Errors.h"
#include "base/Text.h"
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

}  // namespace

void QueryRows::setDatabase(Database* db) {
    drop();
    db_ = db;
}

void QueryRows::setStatement(std::string sql) {
    sql_ = std::move(sql);
    const auto select = writableSelect(sql_);
    table_ = select ? select->table : std::string();
    projection_ = select ? select->projection : std::string();
    rowidSql_ = select ? rowidStatement(*select) : std::string();
}

void QueryRows::prepare() {
    drop();
    if (!keyed()) return;
    fetch_ =
        std::make_unique<SqlStatement>(db_->prepare("select " + projection_ + " from " + table_ + " where rowid = ?"));
    takeColumns(*fetch_);
}

void QueryRows::takeColumns(const SqlStatement& statement) {
    columnsByName_.clear();
    columns_.clear();
    columnDefs_.clear();
    for (int c = 0; c < statement.columnCount(); ++c) columns_.push_back(statement.columnName(c));
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        columnsByName_.emplace(columns_[c], static_cast<int>(c));
        columnDefs_.push_back(findColumn(table_, columns_[c]));
    }
}

void QueryRows::read(const Params& params) {
    SqlStatement statement = db_->prepare(keyed() ? rowidSql_ : sql_);
    for (const auto& [name, value] : params) statement.bind(name, value);
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
    changed();
}

void QueryRows::forget() {
    rowids_ = {};
    wholeRows_ = {};
    cache_.clear();
    changed();
}

int QueryRows::column(std::string_view name) const {
    if (const auto found = columnsByName_.find(name); found != columnsByName_.end()) return found->second;
    for (std::size_t c = 0; c < columns_.size(); ++c)
        if (sameName(columns_[c], name)) return static_cast<int>(c);
    return -1;
}

int QueryRows::find(Bookmark rowid) const {
    const auto found = std::find(rowids_.begin(), rowids_.end(), rowid);
    return found == rowids_.end() ? -1 : static_cast<int>(found - rowids_.begin());
}

std::vector<int> QueryRows::positionsOf(const Bookmarks& rowids) const {
    std::vector<int> rows;
    if (rowids.empty()) return rows;
    const std::vector<Bookmark> wanted(rowids.begin(), rowids.end());  // sorted, for binary search
    for (std::size_t i = 0; i < rowids_.size() && rows.size() < wanted.size(); ++i)
        if (std::binary_search(wanted.begin(), wanted.end(), rowids_[i])) rows.push_back(static_cast<int>(i));
    return rows;
}

void QueryRows::insertNew(int row) {
    rowids_.insert(rowids_.begin() + row, 0);
    changed();
}

void QueryRows::erase(int row) {
    cache_.erase(rowid(row));
    rowids_.erase(rowids_.begin() + row);
    changed();
}

const QueryRows::Values& QueryRows::values(int row) const {
    if (!keyed()) return wholeRows_[static_cast<std::size_t>(row)];
    const Bookmark rowid = this->rowid(row);
    if (const Values* values = cache_.find(rowid)) return *values;
    return fetch(rowid);
}

const QueryRows::Values& QueryRows::fetch(Bookmark rowid) const {
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

}  // namespace torvalet
