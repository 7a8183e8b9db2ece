#pragma once

namespace torvalet {

class FormBase;
class ItemTree;
class TreeNode;

// What the item trees tell whoever shows them: the tree and goal commands and the properties
// forms call it once they have changed something. Every call does nothing by default, which is
// right where nothing is shown (the companion, most tests).
class TreeObserver {
public:
    virtual ~TreeObserver() = default;

    // The tree's items, their flags, the focus or the selection changed: the tree is shown again.
    virtual void treeChanged(ItemTree&) {}
    // The item's record changed (a properties dialog's "Ok", a properties command).
    virtual void nodeChanged(TreeNode&) {}
    // A command has filled `form` from an item: its properties dialog is shown modally, and its
    // "Ok" calls the form's ok, any other close its close. Without a dialog the item stays as
    // it is.
    virtual void editItem(FormBase&) {}

protected:
    TreeObserver() = default;
    TreeObserver(const TreeObserver&) = default;
    TreeObserver& operator=(const TreeObserver&) = default;
};

}  // namespace torvalet
