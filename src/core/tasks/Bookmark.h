#pragma once

#include <set>

namespace torvalet {

// A row of a result set over one table is identified by the store's rowid, which serves as its
// bookmark; 0 stands for no row, or a new row not stored yet.
using Bookmark = long long;
using Bookmarks = std::set<Bookmark>;

}  // namespace torvalet
