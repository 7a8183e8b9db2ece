#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "model/ViewState.h"
#include "trees/RecordFamily.h"
#include "trees/TreeId.h"

namespace torvalet {

// What the program knows about one of its trees; every layer reads it from here.
struct TreeInfo {
    TreeId id;
    std::string_view name;      // the component name, also the object name of the tree's view
    std::string_view fileName;  // in the application folder; empty for the letter-tag lists
    RecordFamily family;
    Page page;                    // the page that shows the tree
    int tab;                      // its tab on the page (goal and link tabs); -1 for a tree without one
    std::string_view tabCaption;  // the caption of that tab
    bool multiSelect;             // false: one selected item at most
    bool readOnlyWhenPresent;     // a missing file is no error: the tree keeps its empty item
};

// The sixteen trees in TreeId order.
std::span<const TreeInfo, kTreeCount> treeTable();
const TreeInfo& treeInfo(TreeId id);
// The tree of a component name; nothing for a name that is none of the sixteen.
std::optional<TreeId> treeIdNamed(std::string_view name);
// The tree on a tab of a page (the goal tabs of the Tasks page, the link tabs); nothing for a
// page or tab without one.
std::optional<TreeId> treeOnTab(Page page, int tab);

// The trees kept in files, in the order they are written at close (goals 1 to 5, the six link
// trees, contacts, calendar, phrases). Start-up reads "images.goto" before "links.goto".
std::span<const TreeInfo> treeFiles();

}  // namespace torvalet
