#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "trees/ItemTree.h"

namespace torvalet {

// The sixteen item trees of the program, each created with its record family, one empty
// top-level item and a node height of 20: GoalTree .. Goal5Tree (goals), LinksTree,
// StdLinksTree, FoldersTree, SearchTree, DocsTree, ImagesTree (links), MarksLinksTree (tags),
// PhrasesTree (phrases), CalendarTree (events), ContactsTree (contacts), MarksTree (tags, one
// selected node at most).
class ItemTreeSet {
public:
    ItemTreeSet();

    // The tree of that component name, or nullptr.
    ItemTree* find(std::string_view name);
    const ItemTree* find(std::string_view name) const;
    // The tree of that name; throws std::out_of_range for an unknown name.
    ItemTree& get(std::string_view name);

    // All sixteen, in the order above.
    std::span<ItemTree> all() { return trees_; }
    std::span<const ItemTree> all() const { return trees_; }

    // The record family of a tree of the program, by name; nothing for an unknown name.
    static std::optional<RecordFamily> familyOf(std::string_view treeName);

private:
    std::vector<ItemTree> trees_;
};

}  // namespace torvalet
