#include "ui/TreeViews.h"

#include "ui/ItemTreeView.h"

namespace torvalet::ui {

ItemTreeView* TreeViews::viewOf(const ItemTree& tree) const {
    for (ItemTreeView* view : views_)
        if (&view->tree() == &tree) return view;
    return nullptr;
}

void TreeViews::treeChanged(ItemTree& tree) {
    if (ItemTreeView* view = viewOf(tree)) view->refresh();
}

void TreeViews::focusTree(ItemTree& tree) {
    if (showPages_) showPages_();
    if (ItemTreeView* view = viewOf(tree)) view->setFocus();
}

void TreeViews::scrollToCentre(ItemTree& tree, const TreeNode& node) {
    if (ItemTreeView* view = viewOf(tree)) view->scrollToCentre(node);
}

}  // namespace torvalet::ui
