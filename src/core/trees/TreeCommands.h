#pragma once

#include <cstdint>
#include <functional>

#include "model/ViewState.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeClipboard.h"
#include "trees/TreeCommandPeers.h"
#include "trees/TreeCommandTable.h"
#include "trees/TreeDrop.h"

namespace torvalet {

class Clipboard;
class SoundCues;
class TreeEditGuard;
class TreeObserver;
class UserInterface;

// The keys the item trees handle themselves.
enum class TreeKey { C, V, X, Enter, Left, Right, Up, Down, Insert, Delete, F2, F5 };

// The editing commands of the item trees: the operations behind the menus, tool bars, keys
// and drops of the goal, link, contact, phrase and calendar pages. Commands that act on "the
// active goal tree" or "the active link tree" find it from the view state's tabs; a link
// command finds nothing to do while the link tabs show no tree.
class TreeCommands {
public:
    // `language` gives the language in force: 0 English, 1 Russian, 2 Macedonian, 3 Hellenic.
    // A tree a command changed goes to `observer`, the item whose properties dialog is to open to
    // `editor` (the observer sees the tree first, so that the dialog opens over the tree that
    // already shows a new item), and the letter tags and key "C" to `navigator`. A command that
    // would change a tree asks `guard` first and does nothing when the tree is kept.
    TreeCommands(ItemTreeSet& trees, Clipboard& clipboard, UserInterface& ui, SoundCues& sounds, ViewState& view,
                 std::function<int()> language, TreeObserver& observer, ItemEditor& editor, TreeNavigator& navigator,
                 const TreeEditGuard& guard);

    // --- Finding the tree and item a command acts on ---
    ItemTree& activeGoalTree();
    ItemTree* activeLinksTree();
    ItemTree& calendarTree();
    // The first selected item, else the focused item, else the root.
    static TreeNode* firstNode(const ItemTree& tree);
    // The nearest ancestor that is expanded and shown, with all its ancestors expanded and
    // shown; the root when there is none.
    static TreeNode* displayedAncestor(const TreeNode* node);
    // The page (switchTab index) that shows the tree.
    static Page pageOf(const ItemTree& tree);
    void switchTab(Page page);
    void showNoSelectionMessage();

    // --- Operations on any item tree ---
    // A new child of the first selected item of the kind given, focused and only selected;
    // its properties dialog opens. Null when the tree is kept.
    TreeNode* addChildOfKind(ItemTree& tree, std::int32_t kind);
    // Deletes the selected items and focuses and selects the displayed ancestor of the first.
    void deleteSelected(ItemTree& tree);
    void cutSelected(ItemTree& tree);
    void copySelected(ItemTree& tree);
    void paste(ItemTree& tree);
    void cloneSelected(ItemTree& tree);
    void cloneAndFocus(ItemTree& tree);
    void moveRight(ItemTree& tree);
    void moveLeft(ItemTree& tree);
    void moveUp(ItemTree& tree);
    void moveDown(ItemTree& tree);
    void groupSelectedGoals(ItemTree& tree);
    void groupSelectedLinks(ItemTree& tree);
    void groupSelectedContacts(ItemTree& tree);
    // The properties dialog of the first selected item, or showNoSelectionMessage.
    void editFirstSelected(ItemTree& tree);
    // A drop on `tree` (TreeDrop::drop).
    void treeDragDrop(ItemTree& tree, TreeNode* dropNode, ItemTree* source, DropPosition position, KeyModifiers keys);
    // The keys of an item tree: Ctrl+C, Ctrl+V, Ctrl+X, Enter, Alt+arrows, Insert, Delete, C, F2, F5.
    void treeKeyDown(ItemTree& tree, TreeKey key, KeyModifiers modifiers);
    // A kind chosen from the drop-down of a page's New button (page as for switchTab).
    void newItemOfKind(Page page, std::int32_t kind);

    // --- The commands of the item pages' menus ---
    // The operation on the page's tree (the active goal or link tree on the Tasks and Links
    // pages; nothing on the Links page while its tabs show no tree). New, cut, copy, paste,
    // delete and properties first show the page, and so do the goal moves; clone shows the page
    // of the tree it clones in. Throws std::invalid_argument for an operation the page has no
    // command for, and for the goal and phrase pages' own commands, which are TreePages'.
    void run(Page page, TreeOperation operation);

private:
    ItemTree& contacts();
    ItemTree& phrases();
    // The tree the page's commands act on; nullptr on the Links page while its tabs show none.
    ItemTree* treeOf(Page page);
    void newRoot(Page page, ItemTree& tree);
    void newChild(Page page, ItemTree& tree);
    void addGoalRight(ItemTree& tree);
    void insertAfterGoal(ItemTree& tree);
    void moveStep(ItemTree& tree, bool (*move)(ItemTree&));
    // Pastes and repaints the tree the items were cut from, when it is another one.
    void pasteQuietly(ItemTree& tree);
    // The properties dialog of a new item, then the repaint.
    void addAndEdit(ItemTree& tree, TreeNode* node);
    void addChildAndEdit(ItemTree& tree);
    void edit(ItemTree& tree, TreeNode* node);
    void changed(ItemTree& tree);
    bool mayChange(const ItemTree& tree) const;
    void ctrlKey(ItemTree& tree, TreeKey key);
    void enterKey(ItemTree& tree);
    void insertKey(ItemTree& tree);
    void f2Key(ItemTree& tree);
    void moveKey(ItemTree& tree, TreeKey key);

    ItemTreeSet& trees_;
    TreeClipboard clipboard_;
    UserInterface& ui_;
    SoundCues& sounds_;
    ViewState& view_;
    std::function<int()> language_;
    TreeObserver& observer_;
    ItemEditor& editor_;
    TreeNavigator& navigator_;
    const TreeEditGuard& guard_;
};

}  // namespace torvalet
