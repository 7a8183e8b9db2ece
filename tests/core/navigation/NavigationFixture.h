#pragma once

#include <string>
#include <vector>

#include "../trees/TreeCommandsFixture.h"
#include "navigation/Navigation.h"
#include "navigation/TreeDisplay.h"

namespace torvalet::testing {

// A display that writes down what the navigation asks of the window.
class RecordingDisplay : public TreeDisplay {
public:
    std::vector<std::string> calls;

    void treeChanged(ItemTree& tree) override { calls.push_back("repaint " + tree.name()); }
    void focusTree(ItemTree& tree) override { calls.push_back("focus " + tree.name()); }
    void scrollToCentre(ItemTree& tree, const TreeNode& node) override {
        calls.push_back("scroll " + tree.name() + " " + *firstTextField(node));
    }
};

// The rows a tree shows, as build() takes an outline: hidden items and the children of
// collapsed items left out.
inline std::string rows(const TreeNode* parent) {
    std::string out;
    for (const TreeNode* n = parent->firstChild(); n; n = n->nextSibling()) {
        if (!n->hasFlag(NodeFlag::Visible)) continue;
        if (!out.empty()) out += ' ';
        out += *firstTextField(*n);
        const std::string below = n->hasFlag(NodeFlag::Expanded) ? rows(n) : "";
        if (!below.empty()) out += "[" + below + "]";
    }
    return out;
}

inline std::string rows(const ItemTree& tree) { return rows(tree.root()); }

inline void expandAll(ItemTree& tree) {
    tree.forEach([](TreeNode* n) { n->setFlag(NodeFlag::Expanded, true); });
}

// The tree commands and the navigation over them, with a recording display.
class NavigationFixture : public TreeCommandsFixture {
protected:
    NavigationFixture() { navigator = &navigation; }

    TreeLevels& levels() { return navigation.levels(); }
    TreeFilters& filters() { return navigation.filters(); }
    LetterTags& tags() { return navigation.tags(); }
    FilterBar& bar(NavFamily family) { return navigation.bars().of(family); }

    RecordingDisplay display;
    Navigation navigation{trees, view, display, guard};
};

}  // namespace torvalet::testing
