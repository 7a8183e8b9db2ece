#pragma once

#include <cstdint>
#include <functional>

#include "model/ViewState.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeClipboard.h"
#include "trees/TreeDrop.h"

namespace torvalet {

class Clipboard;
class SoundCues;
class UserInterface;

// The keys the item trees handle themselves.
enum class TreeKey { C, V, X, Enter, Left, Right, Up, Down, Insert, Delete, F2, F5 };

// The editing commands of the item trees: the operations behind the menus, tool bars, keys
// and drops of the goal, link, contact, phrase and calendar pages. Commands that act on "the
// active goal tree" or "the active link tree" find it from the view state's tabs; a link
// command finds nothing to do while the link tabs show no tree. Handlers ending in _mpClick
// first show their tree's page, except InsertAfterGoal_mpClick.
class TreeCommands {
public:
    // Filled by the window layer and the dialogs; an unset hook does nothing.
    struct Hooks {
        // Opens the properties dialog of the item (goal, link, contact, phrase or event).
        std::function<void(ItemTree&, TreeNode*)> editItem;
        // After a command changed the tree: repaint.
        std::function<void(ItemTree&)> treeChanged;
        std::function<void()> rebuildLinkTags;
        std::function<void()> rebuildContactTags;
        // Key "C": collapse every item but the selected ones.
        std::function<void(ItemTree&)> collapseAllButSelected;
    };

    // `language` gives iLanguage: 0 English, 1 Russian, 2 Macedonian, 3 Hellenic.
    TreeCommands(ItemTreeSet& trees, Clipboard& clipboard, UserInterface& ui, SoundCues& sounds, ViewState& view,
                 std::function<int()> language);

    Hooks hooks;

    // --- Finding the tree and item a command acts on ---
    ItemTree& GetActiveGoalTree();
    ItemTree* GetLinksTree();
    ItemTree& GetCalendarTree();
    // The first selected item, else the focused item, else the root.
    static TreeNode* GetFirstNode(const ItemTree& tree);
    // The nearest ancestor that is expanded and shown, with all its ancestors expanded and
    // shown; the root when there is none.
    static TreeNode* displayedAncestor(const TreeNode* node);
    // The page (SwitchTab index) that shows the tree.
    static Page pageOf(const ItemTree& tree);
    void SwitchTab(Page page);
    void ShowNoSelectionMsg();

    // --- Operations on any item tree ---
    // A new child of the first selected item of the kind given, focused and only selected;
    // its properties dialog opens.
    TreeNode* ItemAddRight(ItemTree& tree, std::int32_t kind);
    // Deletes the selected items and focuses and selects the displayed ancestor of the first.
    void DelNode(ItemTree& tree);
    void CutNode(ItemTree& tree);
    void CopyNode(ItemTree& tree);
    void PasteNode(ItemTree& tree);
    void CloneNodes(ItemTree& tree);
    void ItemsCloneNodes(ItemTree& tree);
    void ItemMoveRight(ItemTree& tree);
    void ItemMoveLeft(ItemTree& tree);
    void ItemMoveUp(ItemTree& tree);
    void ItemMoveDown(ItemTree& tree);
    void GroupGoalsItems(ItemTree& tree);
    void GroupLinksItems(ItemTree& tree);
    void GroupContactsItems(ItemTree& tree);
    // The properties dialog of the first selected item, or ShowNoSelectionMsg.
    void editFirstSelected(ItemTree& tree);
    // A drop on `tree` (TreeDrop::drop).
    void treeDragDrop(ItemTree& tree, TreeNode* dropNode, ItemTree* source, DropPosition position, KeyModifiers keys);
    // The keys of an item tree: Ctrl+C, Ctrl+V, Ctrl+X, Enter, Alt+arrows, Insert, Delete, C, F2, F5.
    void treeKeyDown(ItemTree& tree, TreeKey key, KeyModifiers modifiers);
    // A kind chosen from the drop-down of a page's New button (page as for SwitchTab).
    void newItemOfKindClick(Page page, std::int32_t kind);

    // --- Goal page ---
    void NewRootGoal_mpClick();
    void NewChildGoal_mpClick();
    void AddGoalRight1Click();
    void InsertAfterGoal_mpClick();
    void CutGoal_mpClick();
    void CopyGoal_mpClick();
    void PasteGoal_mpClick();
    void DeleteGoal_mpClick();
    void CloneGoals1Click();
    void GroupGoals1Click();
    void MoveGoalsRight1Click();
    void MoveGoalsLeft1Click();
    void MoveGoalsUp1Click();
    void MoveGoalsDown1Click();

    // --- Links page ---
    void NewRootLink_mpClick();
    void NewChildLink_mpClick();
    void CutLink_mpClick();
    void CopyLink_mpClick();
    void PasteLink_mpClick();
    void DeleteLink_mpClick();
    void GroupLinks1Click();
    void CloneLinks1Click();
    void MoveLinksRight1Click();
    void MoveLinksLeft1Click();
    void MoveLinksUp1Click();
    void MoveLinksDown1Click();

    // --- Contacts page ---
    void NewRootContact_mpClick();
    void NewChildContact_mpClick();
    void CutContact_mpClick();
    void CopyContact_mpClick();
    void PasteContact_mpClick();
    void DeleteContact_mpClick();
    void GroupContacts1Click();
    void CloneContacts1Click();
    void MoveContactsRight1Click();
    void MoveContactsLeft1Click();
    void MoveContactsUp1Click();
    void MoveContactsDown1Click();

    // --- Blocknote page ---
    void NewRootPhrase_mpClick();
    void NewChildPhrase_mpClick();
    void CutPhrase_mpClick();
    void CopyPhrase_mpClick();
    void PastePhrase_mpClick();
    void DeletePhrase_mpClick();
    void ClonePhrases1Click();

    // --- Calendar page ---
    void NewRootEvent_mpClick();
    void NewChildEvent_mpClick();
    void CutEvent_mpClick();
    void CopyEvent_mpClick();
    void PasteEvent_mpClick();
    void DeleteEvent_mpClick();

private:
    using TreeCommand = void (TreeCommands::*)(ItemTree&);

    ItemTree& contacts();
    ItemTree& phrases();
    // SwitchTab(page), then the command on the tree.
    void onPage(Page page, ItemTree& tree, TreeCommand command);
    // The command on the active link tree, when the link tabs show one.
    void onLinksTree(TreeCommand command);
    void onLinksPage(TreeCommand command);
    void moveStep(ItemTree& tree, bool (*move)(ItemTree&));
    // Pastes and repaints the tree the items were cut from, when it is another one.
    void pasteQuietly(ItemTree& tree);
    // The properties dialog of a new item, then the repaint.
    void addAndEdit(ItemTree& tree, TreeNode* node);
    void addRootAndEdit(ItemTree& tree);
    void addChildAndEdit(ItemTree& tree);
    void edit(ItemTree& tree, TreeNode* node);
    void changed(ItemTree& tree);
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
};

}  // namespace torvalet
