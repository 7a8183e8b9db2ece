#pragma once

namespace torvalet {

class ItemTree;
class TreeNode;

// Opens the properties dialog of an item: the tree commands leave it to whoever holds the five
// properties forms.
class ItemEditor {
public:
    virtual ~ItemEditor() = default;
    virtual void editItem(TreeNode& node) = 0;

protected:
    ItemEditor() = default;
    ItemEditor(const ItemEditor&) = default;
    ItemEditor& operator=(const ItemEditor&) = default;
};

// What the tree navigation, which sits above the trees, keeps up for the tree commands: the
// letter tags after a new top-level link or contact, and key "C".
class TreeNavigator {
public:
    virtual ~TreeNavigator() = default;
    virtual void rebuildLinkTags() = 0;
    virtual void rebuildContactTags() = 0;
    // Collapses every item but the selected ones.
    virtual void collapseAllButSelected(ItemTree& tree) = 0;

protected:
    TreeNavigator() = default;
    TreeNavigator(const TreeNavigator&) = default;
    TreeNavigator& operator=(const TreeNavigator&) = default;
};

}  // namespace torvalet
