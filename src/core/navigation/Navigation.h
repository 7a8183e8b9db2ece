#pragma once

#include <cstdint>
#include <string_view>

#include "navigation/LetterTags.h"
#include "navigation/NavigationContext.h"
#include "navigation/TreeFilters.h"
#include "navigation/TreeLevels.h"
#include "navigation/TypeAhead.h"
#include "trees/TreeCommandPeers.h"

namespace torvalet {

// Tree navigation: levels, expanding and collapsing, the filter bars, finding, type-ahead and
// the letter tags. It answers the tree commands' requests to rebuild the tags and to collapse
// all but the selected items (key C), and shows its changes through the window's TreeDisplay.
class Navigation : public TreeNavigator {
public:
    // A tree that `guard` keeps gets no new item from a filter bar's "Add".
    Navigation(ItemTreeSet& trees, ViewState& view, TreeDisplay& display, const TreeEditGuard& guard);
    Navigation(const Navigation&) = delete;
    Navigation& operator=(const Navigation&) = delete;

    FilterBars& bars() { return context_.bars(); }

    TreeLevels& levels() { return levels_; }
    TreeFilters& filters() { return filters_; }
    LetterTags& tags() { return tags_; }

    // The tree of the current page: the active goal tree, the active link tree (none for a link
    // tab out of range), ContactsTree, PhrasesTree or CalendarTree.
    ItemTree* currentTree();
    // After start-up has read a tree: the goal trees, LinksTree and ContactsTree show all their
    // levels, and the link and contact tags are rebuilt.
    void treeLoaded(ItemTree& tree);

    // A key typed in a tree at nowMs: in the two tag lists and the phrase tree, the item found
    // by type-ahead becomes the focused and only selected item. Null when nothing was found or
    // the tree has no type-ahead.
    TreeNode* incrementalSearch(ItemTree& tree, std::string_view typed, std::int64_t nowMs);
    bool hasTypeAhead(const ItemTree& tree) const;

    void rebuildLinkTags() override { tags_.buildGeneralLinkTags(); }
    void rebuildContactTags() override { tags_.buildGeneralContactTags(); }
    void collapseAllButSelected(ItemTree& tree) override { levels_.collapseAllButSelected(tree); }

private:
    TypeAhead* typeAheadOf(const ItemTree& tree);

    NavigationContext context_;
    TreeLevels levels_;
    TreeFilters filters_;
    LetterTags tags_;
    TypeAhead contactTagSearch_;
    TypeAhead linkTagSearch_;
    TypeAhead phraseSearch_;
};

}  // namespace torvalet
