#pragma once

#include <vector>

namespace torvalet {
class ItemTree;
}

namespace torvalet::ui {

// One column of a tree view: its header caption and width in pixels (0: hidden).
struct TreeColumn {
    const char* caption;
    int width;
};

// The columns of a tree: goals "Goal", the hidden "Typ", "Prio" (the state picture), "State"
// (the priority picture), "Comment"; links "name" ... "Note" ("AccessInfo" in place of
// "AccessDate" for SearchTree, DocsTree and ImagesTree); contacts, phrases and events as their
// records; the letter-tag lists one column.
std::vector<TreeColumn> columnsOf(const ItemTree& tree);

}  // namespace torvalet::ui
