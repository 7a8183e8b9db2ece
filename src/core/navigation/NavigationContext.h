#pragma once

#include <vector>

#include "model/ViewState.h"
#include "navigation/FilterBars.h"

namespace torvalet {

class ItemTree;
class ItemTreeSet;
class TreeDisplay;
class TreeNode;

// What the navigation commands share: the trees, the view state, the filter bars, and the
// window's display with the changes waiting to be shown on it.
//
// Every command works inside an UpdateBracket: the trees it touches are repainted once, and
// the focus and scroll it asks for are applied, when the outermost bracket closes (also when
// the command fails part way).
class NavigationContext {
public:
    NavigationContext(ItemTreeSet& trees, ViewState& view, TreeDisplay& display);
    NavigationContext(const NavigationContext&) = delete;
    NavigationContext& operator=(const NavigationContext&) = delete;

    ItemTreeSet& trees() { return trees_; }
    ViewState& view() { return view_; }
    FilterBars& bars() { return bars_; }

    // The goal tree of the current goal tab, the link tree of the current link tab (none for a
    // tab out of range).
    ItemTree& activeGoalTree();
    ItemTree* activeLinksTree();
    // The trees the navigation names, looked up once.
    ItemTree& links() { return links_; }
    ItemTree& linkTags() { return linkTags_; }
    ItemTree& contacts() { return contacts_; }
    ItemTree& contactTags() { return contactTags_; }
    ItemTree& phrases() { return phrases_; }
    ItemTree& calendar() { return calendar_; }
    // The tree of the family the commands act on: one of the three above.
    ItemTree* treeOf(NavFamily family);
    // The page (switchTab index) of the family: Tasks, Links, Contacts.
    static Page pageOf(NavFamily family);
    // The family of a goal, link or contact tree; the letter-tag lists and the other trees have none.
    static bool familyOf(const ItemTree& tree, NavFamily& family);
    void switchTab(Page page);
    // Whether the tree is on the current page and, for goals and links, on the current tab.
    bool isShown(const ItemTree& tree);

    // Inside a bracket: the tree is repainted, takes the focus, or scrolls to the node.
    void touched(ItemTree& tree);
    void requestFocus(ItemTree& tree);
    void requestScroll(ItemTree& tree, TreeNode* node);

private:
    friend class UpdateBracket;
    void open() { ++depth_; }
    void close();

    struct Scroll {
        ItemTree* tree;
        TreeNode* node;
    };

    ItemTreeSet& trees_;
    ViewState& view_;
    ItemTree& links_;
    ItemTree& linkTags_;
    ItemTree& contacts_;
    ItemTree& contactTags_;
    ItemTree& phrases_;
    ItemTree& calendar_;
    FilterBars bars_;
    TreeDisplay& display_;
    int depth_ = 0;
    std::vector<ItemTree*> touched_;
    ItemTree* focus_ = nullptr;
    Scroll scroll_{nullptr, nullptr};
};

// Opens an update bracket on the tree for the lifetime of the object.
class UpdateBracket {
public:
    UpdateBracket(NavigationContext& context, ItemTree& tree) : context_(context) {
        context_.open();
        context_.touched(tree);
    }
    ~UpdateBracket() { context_.close(); }
    UpdateBracket(const UpdateBracket&) = delete;
    UpdateBracket& operator=(const UpdateBracket&) = delete;

private:
    NavigationContext& context_;
};

}  // namespace torvalet
