#include "tasks/QueryLookups.h"

#include <utility>

#include "base/Text.h"
#include "tasks/LookupKey.h"
#include "tasks/Query.h"
#include "tasks/QueryRows.h"

namespace torvalet {

void QueryLookups::add(std::string name, std::string keyColumn, const Query& lookup, std::string resultColumn) {
    lookups_.push_back({std::move(name), std::move(keyColumn), std::move(resultColumn), &lookup});
}

void QueryLookups::resolve(const QueryRows& rows) {
    for (Lookup& lookup : lookups_) lookup.key = rows.column(lookup.keyColumn);
}

int QueryLookups::find(std::string_view name) const {
    for (std::size_t i = 0; i < lookups_.size(); ++i)
        if (equalsIgnoreCase(lookups_[i].name, name)) return static_cast<int>(i);
    return -1;
}

std::string QueryLookups::text(std::size_t index, const std::string& key) const {
    if (isEmptyKey(key)) return {};
    const Lookup& lookup = lookups_[index];
    const Query& table = *lookup.table;
    if (lookup.tableGeneration != table.generation()) {
        lookup.tableKey = table.field("KEY");
        lookup.tableResult = table.field(lookup.resultColumn);
        lookup.tableGeneration = table.generation();
    }
    if (lookup.tableKey < 0 || lookup.tableResult < 0) return {};
    const int found = table.findRow(lookup.tableKey, key);
    return found < 0 ? std::string() : table.textAt(found, lookup.tableResult);
}

int QueryLookups::findRow(const Query& rows, int version, int column, const std::string& value) const {
    if (indexedVersion_ != version) {
        index_.clear();
        indexedVersion_ = version;
    }
    auto& index = index_[column];
    if (index.empty())
        for (int i = rows.rowCount() - 1; i >= 0; --i) index[rows.textAt(i, column)] = i;
    const auto found = index.find(value);
    return found == index.end() ? -1 : found->second;
}

}  // namespace torvalet
