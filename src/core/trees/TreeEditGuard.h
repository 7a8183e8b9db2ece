#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "trees/TreeId.h"

namespace torvalet {

class ItemTree;
class UserInterface;

// Whether a tree may be changed. A tree whose file could not be read at start is kept as that
// file is and never written (TreeFileKeeper), so an edit of it would be dropped at close: every
// command that changes a tree asks here first, and a kept tree refuses with one warning that
// names its file. Reading it (filter, find, open, copy) goes on as usual.
class TreeEditGuard {
public:
    // `unreadable` tells whether a tree's file could not be read; `language` gives the language
    // in force (0 English, 1 Russian, 2 Macedonian, 3 Hellenic).
    TreeEditGuard(UserInterface& ui, std::function<int()> language, std::function<bool(TreeId)> unreadable);

    bool isKept(const ItemTree& tree) const;
    // The line a kept tree's page shows, and the warning of a refused edit; empty for a tree
    // that may change.
    std::string keptText(const ItemTree& tree) const;
    static std::string keptText(int language, std::string_view fileName);
    // True when the tree may change; otherwise the user has been warned and nothing is to change.
    bool mayChange(const ItemTree& tree) const;

private:
    UserInterface& ui_;
    std::function<int()> language_;
    std::function<bool(TreeId)> unreadable_;
};

}  // namespace torvalet
