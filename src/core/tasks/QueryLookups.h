#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace torvalet {

class Query;
class QueryRows;

// Rows found by a column's value. A result set's lookup fields are each computed from another
// result set, a lookup table: the `resultColumn` of its row whose KEY equals this row's
// `keyColumn`. The lookup table finds that row through an index over its column, built at the
// first look after its rows changed.
class QueryLookups {
public:
    // `lookup` must outlive this.
    void add(std::string name, std::string keyColumn, const Query& lookup, std::string resultColumn);
    // Finds each lookup's key column among the statement's columns: at each open.
    void resolve(const QueryRows& rows);

    std::size_t count() const { return lookups_.size(); }
    const std::string& name(std::size_t lookup) const { return lookups_[lookup].name; }
    // The lookup named so, without regard to case; -1 for none.
    int find(std::string_view name) const;
    // The column of this result set that the lookup's key is read from; -1 for none.
    int keyColumn(std::size_t lookup) const { return lookups_[lookup].key; }
    // The lookup's text for a row whose key column reads `key`; empty for an empty key or one the
    // lookup table has not got.
    std::string text(std::size_t lookup, const std::string& key) const;

    // The first row of `rows` whose `column` reads `value`, or -1. `version` is the rows' version
    // (QueryRows::version): the index is built anew when it has changed.
    int findRow(const Query& rows, int version, int column, const std::string& value) const;

private:
    struct Lookup {
        std::string name, keyColumn, resultColumn;
        const Query* table;
        int key = -1;  // in this result set
        mutable int tableGeneration = -1;
        mutable int tableKey = -1, tableResult = -1;  // in the lookup table, for its generation
    };

    std::vector<Lookup> lookups_;
    mutable int indexedVersion_ = -1;
    mutable std::unordered_map<int, std::unordered_map<std::string, int>> index_;
};

}  // namespace torvalet
