#include "navigation/Navigation.h"

#include "model/ViewState.h"
#include "trees/ItemTreeSet.h"

namespace torvalet {

Navigation::Navigation(ItemTreeSet& trees, ViewState& view, TreeDisplay& display, const TreeEditGuard& guard)
    : context_(trees, view, display), levels_(context_), filters_(context_, levels_, guard), tags_(context_, levels_) {}

ItemTree* Navigation::currentTree() {
    switch (context_.view().activePage) {
    case kTasksPage: return &context_.activeGoalTree();
    case kLinksPage: return context_.activeLinksTree();
    case kContactsPage: return &context_.contacts();
    case kBlocknotePage: return &context_.phrases();
    case kCalendarPage: return &context_.calendar();
    default: return nullptr;
    }
}

void Navigation::treeLoaded(ItemTree& tree) {
    const bool links = &tree == &context_.links();
    const bool contacts = &tree == &context_.contacts();
    if (tree.family() == RecordFamily::Goals || links || contacts) levels_.showAllLevels(tree);
    if (links) tags_.buildGeneralLinkTags();
    if (contacts) tags_.buildGeneralContactTags();
}

TypeAhead* Navigation::typeAheadOf(const ItemTree& tree) {
    if (&tree == &context_.contactTags()) return &contactTagSearch_;
    if (&tree == &context_.linkTags()) return &linkTagSearch_;
    if (&tree == &context_.phrases()) return &phraseSearch_;
    return nullptr;
}

bool Navigation::hasTypeAhead(const ItemTree& tree) const {
    return const_cast<Navigation*>(this)->typeAheadOf(tree) != nullptr;
}

TreeNode* Navigation::incrementalSearch(ItemTree& tree, std::string_view typed, std::int64_t nowMs) {
    TypeAhead* search = typeAheadOf(tree);
    if (!search) return nullptr;
    TreeNode* found = search->keyTyped(tree, typed, nowMs);
    if (!found) return nullptr;
    UpdateBracket bracket(context_, tree);
    tree.setFocused(found);
    tree.selectOnly(found);
    context_.requestScroll(tree, found);
    return found;
}

}  // namespace torvalet
