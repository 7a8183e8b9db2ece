#include "trees/TreeCommands.h"

#include <array>
#include <string_view>
#include <utility>

#include "platform/UserInterface.h"
#include "model/SoundCues.h"
#include "model/ViewState.h"
#include "trees/ActiveTrees.h"
#include "trees/FormBase.h"
#include "trees/TreeCreation.h"
#include "trees/TreeGrouping.h"
#include "trees/TreeMoves.h"
#include "trees/TreeTable.h"

namespace torvalet {

namespace {

constexpr std::int32_t kGoalToDo = 3;
constexpr std::int32_t kLinkInternet = 1;

bool shown(const TreeNode* node) { return node->hasFlag(NodeFlag::Expanded) && node->hasFlag(NodeFlag::Visible); }

// The parent as a command takes it: none for a top-level item.
TreeNode* parentItem(const TreeNode* node) {
    TreeNode* parent = node->parent();
    return parent && !parent->isRoot() ? parent : nullptr;
}

}  // namespace

TreeCommands::TreeCommands(ItemTreeSet& trees, Clipboard& clipboard, UserInterface& ui, SoundCues& sounds,
                           ViewState& view, std::function<int()> language)
    : trees_(trees), clipboard_(clipboard), ui_(ui), sounds_(sounds), view_(view), language_(std::move(language)) {}

// --- Finding the tree and item a command acts on ---

ItemTree& TreeCommands::GetActiveGoalTree() { return activeGoalTree(trees_, view_); }

ItemTree* TreeCommands::GetLinksTree() { return activeLinksTree(trees_, view_); }

ItemTree& TreeCommands::GetCalendarTree() { return trees_.get(TreeId::CalendarTree); }

ItemTree& TreeCommands::contacts() { return trees_.get(TreeId::ContactsTree); }

ItemTree& TreeCommands::phrases() { return trees_.get(TreeId::PhrasesTree); }

TreeNode* TreeCommands::GetFirstNode(const ItemTree& tree) {
    if (TreeNode* first = tree.firstSelected()) return first;
    return tree.focused() ? tree.focused() : tree.root();
}

// Walking up, an ancestor that is collapsed or hidden rules out itself and everything below it.
TreeNode* TreeCommands::displayedAncestor(const TreeNode* node) {
    const TreeNode* found = nullptr;
    const TreeNode* top = node;
    for (const TreeNode* up = node->parent(); up; up = up->parent()) {
        top = up;
        if (up->isRoot()) break;
        if (!shown(up)) {
            found = nullptr;
        } else if (!found) {
            found = up;
        }
    }
    return const_cast<TreeNode*>(found ? found : top);
}

Page TreeCommands::pageOf(const ItemTree& tree) {
    if (tree.id()) return treeInfo(*tree.id()).page;
    switch (tree.family()) {
    case RecordFamily::Links: return kLinksPage;
    case RecordFamily::Contacts: return kContactsPage;
    case RecordFamily::Phrases: return kBlocknotePage;
    case RecordFamily::Events: return kCalendarPage;
    case RecordFamily::Tags: return kContactsPage;
    default: return kTasksPage;
    }
}

void TreeCommands::SwitchTab(Page page) { view_.activePage = page; }

void TreeCommands::ShowNoSelectionMsg() { ui_.showMessage(FormBase::noSelectionText(language_ ? language_() : 0)); }

// --- Operations on any item tree ---

TreeNode* TreeCommands::ItemAddRight(ItemTree& tree, std::int32_t kind) {
    TreeNode* parent = tree.firstSelected();
    TreeNode* node = nullptr;
    switch (tree.family()) {
    case RecordFamily::Links: node = TreeCreation::CreateNewLink(tree, parent, kind); break;
    case RecordFamily::Contacts: node = TreeCreation::CreateNewContact(tree, parent, kind); break;
    case RecordFamily::Phrases: node = TreeCreation::CreateNewPhrase(tree, parent, kind); break;
    case RecordFamily::Events: node = TreeCreation::CreateNewEvent(tree, parent, kind); break;
    default: node = TreeCreation::CreateNewItem(tree, parent, kind); break;
    }
    TreeCreation::focusOnly(tree, node);
    edit(tree, node);
    changed(tree);
    return node;
}

void TreeCommands::DelNode(ItemTree& tree) {
    const std::vector<TreeNode*> items = tree.sortedSelection();
    if (items.empty()) return;
    TreeNode* ancestor = displayedAncestor(items.front());
    for (TreeNode* item : items) tree.deleteNode(item);
    TreeCreation::focusOnly(tree, ancestor);
    sounds_.playSoundCue(cues::Recycle);
    changed(tree);
}

void TreeCommands::CutNode(ItemTree& tree) {
    if (clipboard_.CutNode(tree)) changed(tree);
}

void TreeCommands::CopyNode(ItemTree& tree) {
    if (clipboard_.CopyNode(tree)) changed(tree);
}

void TreeCommands::PasteNode(ItemTree& tree) {
    pasteQuietly(tree);
    changed(tree);
}

void TreeCommands::pasteQuietly(ItemTree& tree) {
    const TreeClipboard::Pasted pasted = clipboard_.PasteNode(tree);
    if (pasted.movedFrom && pasted.movedFrom != &tree) changed(*pasted.movedFrom);
}

void TreeCommands::CloneNodes(ItemTree& tree) {
    SwitchTab(pageOf(tree));
    if (tree.selectionCount() == 0) return;
    TreeNode* ancestor = displayedAncestor(tree.firstSelected());
    clipboard_.CopyNode(tree);
    TreeCreation::focusOnly(tree, ancestor);
    PasteNode(tree);
}

void TreeCommands::ItemsCloneNodes(ItemTree& tree) {
    TreeNode* ancestor = displayedAncestor(GetFirstNode(tree));
    clipboard_.CopyNode(tree);
    TreeCreation::focusOnly(tree, ancestor);
    pasteQuietly(tree);
    TreeNode* last = ancestor->lastChild();
    if (last && last->lastChild()) last = last->lastChild();
    if (last) TreeCreation::focusOnly(tree, last);
    changed(tree);
}

void TreeCommands::ItemMoveRight(ItemTree& tree) { moveStep(tree, &TreeMoves::ItemMoveRight); }

void TreeCommands::ItemMoveLeft(ItemTree& tree) { moveStep(tree, &TreeMoves::ItemMoveLeft); }

void TreeCommands::ItemMoveUp(ItemTree& tree) { moveStep(tree, &TreeMoves::ItemMoveUp); }

void TreeCommands::ItemMoveDown(ItemTree& tree) { moveStep(tree, &TreeMoves::ItemMoveDown); }

// A move that fails part way has still moved the items before: the tree is repainted anyway.
void TreeCommands::moveStep(ItemTree& tree, bool (*move)(ItemTree&)) {
    try {
        if (move(tree)) changed(tree);
    } catch (...) {
        changed(tree);
        throw;
    }
}

void TreeCommands::GroupGoalsItems(ItemTree& tree) {
    TreeGrouping::GroupGoalsItems(tree);
    changed(tree);
}

void TreeCommands::GroupLinksItems(ItemTree& tree) {
    TreeGrouping::GroupLinksItems(tree);
    changed(tree);
}

void TreeCommands::GroupContactsItems(ItemTree& tree) {
    TreeGrouping::GroupContactsItems(tree);
    changed(tree);
}

void TreeCommands::editFirstSelected(ItemTree& tree) {
    if (TreeNode* first = tree.firstSelected()) {
        edit(tree, first);
    } else {
        ShowNoSelectionMsg();
    }
}

void TreeCommands::treeDragDrop(ItemTree& tree, TreeNode* dropNode, ItemTree* source, DropPosition position,
                                KeyModifiers keys) {
    const auto repaint = [&] {
        if (source && source != &tree) changed(*source);
        changed(tree);
    };
    try {
        if (!TreeDrop::drop(tree, dropNode, source, position, keys).empty()) repaint();
    } catch (...) {
        repaint();
        throw;
    }
}

void TreeCommands::newItemOfKindClick(Page page, std::int32_t kind) {
    switch (page) {
    case kTasksPage: ItemAddRight(GetActiveGoalTree(), kind); break;
    case kLinksPage:
        if (ItemTree* links = GetLinksTree()) ItemAddRight(*links, kind);
        break;
    case kContactsPage: ItemAddRight(contacts(), kind); break;
    case kBlocknotePage: ItemAddRight(phrases(), kind); break;
    case kCalendarPage: ItemAddRight(GetCalendarTree(), kind); break;
    default: break;
    }
}

// --- Keys ---

// With Ctrl held only C, V and X count; without it Alt alone moves with the arrows.
void TreeCommands::treeKeyDown(ItemTree& tree, TreeKey key, KeyModifiers modifiers) {
    if (tree.family() == RecordFamily::Tags || tree.family() == RecordFamily::None) return;
    if (modifiers.ctrl) return ctrlKey(tree, key);
    const bool outline = tree.family() == RecordFamily::Goals || tree.family() == RecordFamily::Links ||
                         tree.family() == RecordFamily::Contacts;
    switch (key) {
    case TreeKey::Enter: enterKey(tree); break;
    case TreeKey::Left:
    case TreeKey::Right:
    case TreeKey::Up:
    case TreeKey::Down:
        if (modifiers.alt && !modifiers.shift) moveKey(tree, key);
        break;
    case TreeKey::Insert: insertKey(tree); break;
    case TreeKey::Delete: DelNode(tree); break;
    case TreeKey::C:
        if (outline && hooks.collapseAllButSelected) hooks.collapseAllButSelected(tree);
        break;
    case TreeKey::F2: f2Key(tree); break;
    case TreeKey::F5:
        if (outline) ItemsCloneNodes(tree);
        break;
    default: break;
    }
}

void TreeCommands::ctrlKey(ItemTree& tree, TreeKey key) {
    switch (key) {
    case TreeKey::C: CopyNode(tree); break;
    case TreeKey::V: PasteNode(tree); break;
    case TreeKey::X:
        CutNode(tree);
        if (tree.family() == RecordFamily::Goals) sounds_.playSoundCue(cues::Recycle);
        break;
    default: break;
    }
}

void TreeCommands::enterKey(ItemTree& tree) {
    switch (tree.family()) {
    case RecordFamily::Goals: NewChildGoal_mpClick(); break;
    case RecordFamily::Links: NewChildLink_mpClick(); break;
    case RecordFamily::Contacts: NewChildContact_mpClick(); break;
    default: break;
    }
}

void TreeCommands::insertKey(ItemTree& tree) {
    switch (tree.family()) {
    case RecordFamily::Goals:
        if (tree.focused()) ItemAddRight(tree, kGoalToDo);
        break;
    case RecordFamily::Contacts:
        if (tree.focused()) addChildAndEdit(tree);
        break;
    default: addChildAndEdit(tree); break;
    }
}

void TreeCommands::f2Key(ItemTree& tree) {
    switch (tree.family()) {
    case RecordFamily::Goals: editFirstSelected(GetActiveGoalTree()); break;
    case RecordFamily::Links:
        if (ItemTree* links = GetLinksTree()) editFirstSelected(*links);
        break;
    case RecordFamily::Contacts: {
        TreeNode* first = GetFirstNode(contacts());
        if (first->isRoot()) {
            ShowNoSelectionMsg();
        } else {
            edit(contacts(), first);
        }
        break;
    }
    default: break;
    }
}

void TreeCommands::moveKey(ItemTree& tree, TreeKey key) {
    switch (key) {
    case TreeKey::Right: ItemMoveRight(tree); break;
    case TreeKey::Left: ItemMoveLeft(tree); break;
    case TreeKey::Up: ItemMoveUp(tree); break;
    case TreeKey::Down: ItemMoveDown(tree); break;
    default: break;
    }
}

// --- Goal page ---

void TreeCommands::NewRootGoal_mpClick() {
    SwitchTab(kTasksPage);
    ItemTree& tree = GetActiveGoalTree();
    TreeNode* node = TreeCreation::AddTopLevelNode(tree);
    TreeCreation::focusOnly(tree, node);
    edit(tree, node);
    changed(tree);
}

// A sibling at the end of the first selected item's level.
void TreeCommands::NewChildGoal_mpClick() {
    SwitchTab(kTasksPage);
    ItemTree& tree = GetActiveGoalTree();
    TreeNode* first = tree.firstSelected();
    TreeNode* node = TreeCreation::CreateNewItem(tree, first ? parentItem(first) : nullptr, kGoalToDo);
    TreeCreation::focusOnly(tree, node);
    edit(tree, node);
    changed(tree);
}

void TreeCommands::AddGoalRight1Click() { ItemAddRight(GetActiveGoalTree(), kGoalToDo); }

void TreeCommands::InsertAfterGoal_mpClick() {
    ItemTree& tree = GetActiveGoalTree();
    TreeNode* node = TreeCreation::AddNodeTo(tree, NodePlace::After);
    edit(tree, node);
    changed(tree);
}

void TreeCommands::CutGoal_mpClick() { onPage(kTasksPage, GetActiveGoalTree(), &TreeCommands::CutNode); }
void TreeCommands::CopyGoal_mpClick() { onPage(kTasksPage, GetActiveGoalTree(), &TreeCommands::CopyNode); }
void TreeCommands::PasteGoal_mpClick() { onPage(kTasksPage, GetActiveGoalTree(), &TreeCommands::PasteNode); }
void TreeCommands::DeleteGoal_mpClick() { onPage(kTasksPage, GetActiveGoalTree(), &TreeCommands::DelNode); }
void TreeCommands::CloneGoals1Click() { CloneNodes(GetActiveGoalTree()); }
void TreeCommands::GroupGoals1Click() { GroupGoalsItems(GetActiveGoalTree()); }
void TreeCommands::MoveGoalsRight1Click() { onPage(kTasksPage, GetActiveGoalTree(), &TreeCommands::ItemMoveRight); }
void TreeCommands::MoveGoalsLeft1Click() { onPage(kTasksPage, GetActiveGoalTree(), &TreeCommands::ItemMoveLeft); }
void TreeCommands::MoveGoalsUp1Click() { onPage(kTasksPage, GetActiveGoalTree(), &TreeCommands::ItemMoveUp); }
void TreeCommands::MoveGoalsDown1Click() { onPage(kTasksPage, GetActiveGoalTree(), &TreeCommands::ItemMoveDown); }

// --- Links page ---

void TreeCommands::NewRootLink_mpClick() {
    SwitchTab(kLinksPage);
    ItemTree* links = GetLinksTree();
    if (!links) return;
    addRootAndEdit(*links);
    if (hooks.rebuildLinkTags) hooks.rebuildLinkTags();
}

void TreeCommands::NewChildLink_mpClick() {
    SwitchTab(kLinksPage);
    ItemTree* links = GetLinksTree();
    if (!links) return;
    TreeNode* node = TreeCreation::AddNodeTo(*links, NodePlace::LastChild);
    node->record<TLinkData>().LinkKind = kLinkInternet;
    edit(*links, node);
    changed(*links);
}

void TreeCommands::CutLink_mpClick() { onLinksPage(&TreeCommands::CutNode); }
void TreeCommands::CopyLink_mpClick() { onLinksPage(&TreeCommands::CopyNode); }
void TreeCommands::PasteLink_mpClick() { onLinksPage(&TreeCommands::PasteNode); }
void TreeCommands::DeleteLink_mpClick() { onLinksPage(&TreeCommands::DelNode); }
void TreeCommands::GroupLinks1Click() { onLinksTree(&TreeCommands::GroupLinksItems); }
void TreeCommands::CloneLinks1Click() { onLinksTree(&TreeCommands::CloneNodes); }
void TreeCommands::MoveLinksRight1Click() { onLinksTree(&TreeCommands::ItemMoveRight); }
void TreeCommands::MoveLinksLeft1Click() { onLinksTree(&TreeCommands::ItemMoveLeft); }
void TreeCommands::MoveLinksUp1Click() { onLinksTree(&TreeCommands::ItemMoveUp); }
void TreeCommands::MoveLinksDown1Click() { onLinksTree(&TreeCommands::ItemMoveDown); }

// --- Contacts page ---

void TreeCommands::NewRootContact_mpClick() {
    SwitchTab(kContactsPage);
    addRootAndEdit(contacts());
    if (hooks.rebuildContactTags) hooks.rebuildContactTags();
}

void TreeCommands::NewChildContact_mpClick() { onPage(kContactsPage, contacts(), &TreeCommands::addChildAndEdit); }
void TreeCommands::CutContact_mpClick() { onPage(kContactsPage, contacts(), &TreeCommands::CutNode); }
void TreeCommands::CopyContact_mpClick() { onPage(kContactsPage, contacts(), &TreeCommands::CopyNode); }
void TreeCommands::PasteContact_mpClick() { onPage(kContactsPage, contacts(), &TreeCommands::PasteNode); }
void TreeCommands::DeleteContact_mpClick() { onPage(kContactsPage, contacts(), &TreeCommands::DelNode); }
void TreeCommands::GroupContacts1Click() { GroupContactsItems(contacts()); }
void TreeCommands::CloneContacts1Click() { CloneNodes(contacts()); }
void TreeCommands::MoveContactsRight1Click() { ItemMoveRight(contacts()); }
void TreeCommands::MoveContactsLeft1Click() { ItemMoveLeft(contacts()); }
void TreeCommands::MoveContactsUp1Click() { ItemMoveUp(contacts()); }
void TreeCommands::MoveContactsDown1Click() { ItemMoveDown(contacts()); }

// --- Blocknote page ---

void TreeCommands::NewRootPhrase_mpClick() { onPage(kBlocknotePage, phrases(), &TreeCommands::addRootAndEdit); }
void TreeCommands::NewChildPhrase_mpClick() { onPage(kBlocknotePage, phrases(), &TreeCommands::addChildAndEdit); }
void TreeCommands::CutPhrase_mpClick() { onPage(kBlocknotePage, phrases(), &TreeCommands::CutNode); }
void TreeCommands::CopyPhrase_mpClick() { onPage(kBlocknotePage, phrases(), &TreeCommands::CopyNode); }
void TreeCommands::PastePhrase_mpClick() { onPage(kBlocknotePage, phrases(), &TreeCommands::PasteNode); }
void TreeCommands::DeletePhrase_mpClick() { onPage(kBlocknotePage, phrases(), &TreeCommands::DelNode); }
void TreeCommands::ClonePhrases1Click() { CloneNodes(phrases()); }

// --- Calendar page ---

void TreeCommands::NewRootEvent_mpClick() { onPage(kCalendarPage, GetCalendarTree(), &TreeCommands::addRootAndEdit); }
void TreeCommands::NewChildEvent_mpClick() { onPage(kCalendarPage, GetCalendarTree(), &TreeCommands::addChildAndEdit); }
void TreeCommands::CutEvent_mpClick() { onPage(kCalendarPage, GetCalendarTree(), &TreeCommands::CutNode); }
void TreeCommands::CopyEvent_mpClick() { onPage(kCalendarPage, GetCalendarTree(), &TreeCommands::CopyNode); }
void TreeCommands::PasteEvent_mpClick() { onPage(kCalendarPage, GetCalendarTree(), &TreeCommands::PasteNode); }
void TreeCommands::DeleteEvent_mpClick() { onPage(kCalendarPage, GetCalendarTree(), &TreeCommands::DelNode); }

// --- Helpers ---

void TreeCommands::onPage(Page page, ItemTree& tree, TreeCommand command) {
    SwitchTab(page);
    (this->*command)(tree);
}

void TreeCommands::onLinksTree(TreeCommand command) {
    if (ItemTree* links = GetLinksTree()) (this->*command)(*links);
}

void TreeCommands::onLinksPage(TreeCommand command) {
    SwitchTab(kLinksPage);
    onLinksTree(command);
}

void TreeCommands::addAndEdit(ItemTree& tree, TreeNode* node) {
    edit(tree, node);
    changed(tree);
}

void TreeCommands::addRootAndEdit(ItemTree& tree) { addAndEdit(tree, TreeCreation::AddTopLevelNode(tree)); }

void TreeCommands::addChildAndEdit(ItemTree& tree) {
    addAndEdit(tree, TreeCreation::AddNodeTo(tree, NodePlace::LastChild));
}

void TreeCommands::edit(ItemTree& tree, TreeNode* node) {
    if (hooks.editItem && node) hooks.editItem(tree, node);
}

void TreeCommands::changed(ItemTree& tree) {
    if (hooks.treeChanged) hooks.treeChanged(tree);
}

}  // namespace torvalet
