#pragma once

#include <functional>
#include <vector>

#include "navigation/TreeDisplay.h"

namespace torvalet::ui {

class ItemTreeView;

// The window's views of the item trees, as the navigation sees them: a changed tree is shown
// again, a tree takes the focus once its page and tab are on screen, an item is centred.
class TreeViews : public TreeDisplay {
public:
    // `showPages` brings the pages and tabs in line with the view state.
    explicit TreeViews(std::function<void()> showPages) : showPages_(std::move(showPages)) {}

    void add(ItemTreeView* view) { views_.push_back(view); }
    const std::vector<ItemTreeView*>& all() const { return views_; }
    // The view of a tree, or nullptr.
    ItemTreeView* viewOf(const ItemTree& tree) const;

    void treeChanged(ItemTree& tree) override;
    void focusTree(ItemTree& tree) override;
    void scrollToCentre(ItemTree& tree, const TreeNode& node) override;

private:
    std::function<void()> showPages_;
    std::vector<ItemTreeView*> views_;
};

}  // namespace torvalet::ui
