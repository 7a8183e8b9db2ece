#pragma once

#include <cstddef>
#include <list>
#include <unordered_map>
#include <utility>
#include <vector>

#include "tasks/Database.h"

namespace torvalet {

// The values of a few rows by rowid, the least recently used ones making room for new ones.
class RowCache {
public:
    using Values = std::vector<SqlValue>;

    explicit RowCache(std::size_t capacity) : capacity_(capacity < 2 ? 2 : capacity) {}

    // The row's values, or nullptr when they are not held; a hit makes the row the most recent.
    const Values* find(long long rowid);
    // Holds the row's values (replacing what was held for it) and returns them.
    const Values& put(long long rowid, Values values);
    void erase(long long rowid);
    void clear();
    std::size_t size() const { return index_.size(); }

private:
    using Entry = std::pair<long long, Values>;
    std::size_t capacity_;
    std::list<Entry> entries_;  // most recent first
    std::unordered_map<long long, std::list<Entry>::iterator> index_;
};

inline const RowCache::Values* RowCache::find(long long rowid) {
    const auto found = index_.find(rowid);
    if (found == index_.end()) return nullptr;
    entries_.splice(entries_.begin(), entries_, found->second);
    return &found->second->second;
}

inline const RowCache::Values& RowCache::put(long long rowid, Values values) {
    erase(rowid);
    if (index_.size() >= capacity_) {
        index_.erase(entries_.back().first);
        entries_.pop_back();
    }
    entries_.emplace_front(rowid, std::move(values));
    index_[rowid] = entries_.begin();
    return entries_.front().second;
}

inline void RowCache::erase(long long rowid) {
    const auto found = index_.find(rowid);
    if (found == index_.end()) return;
    entries_.erase(found->second);
    index_.erase(found);
}

inline void RowCache::clear() {
    entries_.clear();
    index_.clear();
}

}  // namespace torvalet
