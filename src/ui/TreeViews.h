#pragma once

#include <functional>
#include <vector>

namespace torvalet {
class ItemTree;
class TreeNode;
}  // namespace torvalet

namespace torvalet::ui {

class ItemTreeView;

// The window's views of the item trees, as the organiser's observer shows its trees: a changed
// tree is shown again, a tree takes the focus once its page and tab are on screen, an item is
// centred.
class TreeViews {
public:
    // `showPages` brings the pages and tabs in line with the view state.
    explicit TreeViews(std::function<void()> showPages) : showPages_(std::move(showPages)) {}

    void add(ItemTreeView* view) { views_.push_back(view); }
    const std::vector<ItemTreeView*>& all() const { return views_; }
    // The view of a tree, or nullptr.
    ItemTreeView* viewOf(const ItemTree& tree) const;

    void treeChanged(ItemTree& tree);
    void focusTree(ItemTree& tree);
    void scrollToCentre(ItemTree& tree, const TreeNode& node);

private:
    std::function<void()> showPages_;
    std::vector<ItemTreeView*> views_;
};

}  // namespace torvalet::ui
