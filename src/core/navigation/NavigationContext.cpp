#include "navigation/NavigationContext.h"

#include <algorithm>

#include "model/ViewState.h"
#include "navigation/TreeDisplay.h"
#include "trees/ActiveTrees.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeCommands.h"

namespace torvalet {

NavigationContext::NavigationContext(ItemTreeSet& trees, ViewState& view, TreeDisplay& display)
    : trees_(trees),
      view_(view),
      links_(trees.get(TreeId::LinksTree)),
      linkTags_(trees.get(TreeId::LinkTagsTree)),
      contacts_(trees.get(TreeId::ContactsTree)),
      contactTags_(trees.get(TreeId::ContactTagsTree)),
      phrases_(trees.get(TreeId::PhrasesTree)),
      calendar_(trees.get(TreeId::CalendarTree)),
      display_(display) {}

ItemTree& NavigationContext::activeGoalTree() { return torvalet::activeGoalTree(trees_, view_); }

ItemTree* NavigationContext::activeLinksTree() { return torvalet::activeLinksTree(trees_, view_); }

ItemTree* NavigationContext::treeOf(NavFamily family) {
    switch (family) {
    case NavFamily::Goals: return &activeGoalTree();
    case NavFamily::Links: return activeLinksTree();
    case NavFamily::Contacts: return &contacts();
    }
    return nullptr;
}

Page NavigationContext::pageOf(NavFamily family) {
    switch (family) {
    case NavFamily::Goals: return kTasksPage;
    case NavFamily::Links: return kLinksPage;
    case NavFamily::Contacts: return kContactsPage;
    }
    return kTasksPage;
}

bool NavigationContext::familyOf(const ItemTree& tree, NavFamily& family) {
    switch (tree.family()) {
    case RecordFamily::Goals: family = NavFamily::Goals; return true;
    case RecordFamily::Links: family = NavFamily::Links; return true;
    case RecordFamily::Contacts: family = NavFamily::Contacts; return true;
    default: return false;
    }
}

void NavigationContext::switchTab(Page page) { view_.activePage = page; }

bool NavigationContext::isShown(const ItemTree& tree) {
    if (view_.activePage != TreeCommands::pageOf(tree)) return false;
    if (tree.family() == RecordFamily::Goals) return &activeGoalTree() == &tree;
    if (tree.family() == RecordFamily::Links) return activeLinksTree() == &tree;
    return true;
}

void NavigationContext::touched(ItemTree& tree) {
    if (std::find(touched_.begin(), touched_.end(), &tree) == touched_.end()) touched_.push_back(&tree);
}

void NavigationContext::requestFocus(ItemTree& tree) {
    touched(tree);
    focus_ = &tree;
}

void NavigationContext::requestScroll(ItemTree& tree, TreeNode* node) {
    touched(tree);
    scroll_ = {&tree, node};
}

void NavigationContext::close() {
    if (--depth_ > 0) return;
    const std::vector<ItemTree*> trees = std::exchange(touched_, {});
    ItemTree* focus = std::exchange(focus_, nullptr);
    const Scroll scroll = std::exchange(scroll_, Scroll{nullptr, nullptr});
    for (ItemTree* tree : trees) display_.treeChanged(*tree);
    if (focus) display_.focusTree(*focus);
    if (scroll.tree && scroll.node) display_.scrollToCentre(*scroll.tree, *scroll.node);
}

}  // namespace torvalet
