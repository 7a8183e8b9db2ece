#include "trees/TreeCommands.h"

#include <array>
#include <string_view>
#include <utility>

#include "model/SoundCues.h"
#include "model/ViewState.h"
#include "platform/UserInterface.h"
#include "trees/ActiveTrees.h"
#include "trees/FormBase.h"
#include "trees/TreeCreation.h"
#include "trees/TreeGrouping.h"
#include "trees/TreeMoves.h"
#include "trees/TreeObserver.h"
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
                           ViewState& view, std::function<int()> language, TreeObserver& observer, ItemEditor& editor,
                           TreeNavigator& navigator)
    : trees_(trees),
      clipboard_(clipboard),
      ui_(ui),
      sounds_(sounds),
      view_(view),
      language_(std::move(language)),
      observer_(observer),
      editor_(editor),
      navigator_(navigator) {}

// --- Finding the tree and item a command acts on ---

ItemTree& TreeCommands::activeGoalTree() { return torvalet::activeGoalTree(trees_, view_); }

ItemTree* TreeCommands::activeLinksTree() { return torvalet::activeLinksTree(trees_, view_); }

ItemTree& TreeCommands::calendarTree() { return trees_.get(TreeId::CalendarTree); }

ItemTree& TreeCommands::contacts() { return trees_.get(TreeId::ContactsTree); }

ItemTree& TreeCommands::phrases() { return trees_.get(TreeId::PhrasesTree); }

TreeNode* TreeCommands::firstNode(const ItemTree& tree) {
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

void TreeCommands::switchTab(Page page) { view_.activePage = page; }

void TreeCommands::showNoSelectionMessage() { ui_.showMessage(FormBase::noSelectionText(language_ ? language_() : 0)); }

// --- Operations on any item tree ---

TreeNode* TreeCommands::addChildOfKind(ItemTree& tree, std::int32_t kind) {
    TreeNode* parent = tree.firstSelected();
    TreeNode* node = nullptr;
    switch (tree.family()) {
    case RecordFamily::Links: node = TreeCreation::createLink(tree, parent, kind); break;
    case RecordFamily::Contacts: node = TreeCreation::createContact(tree, parent, kind); break;
    case RecordFamily::Phrases: node = TreeCreation::createPhrase(tree, parent, kind); break;
    case RecordFamily::Events: node = TreeCreation::createEvent(tree, parent, kind); break;
    default: node = TreeCreation::createItem(tree, parent, kind); break;
    }
    TreeCreation::focusOnly(tree, node);
    edit(tree, node);
    changed(tree);
    return node;
}

void TreeCommands::deleteSelected(ItemTree& tree) {
    const std::vector<TreeNode*> items = tree.sortedSelection();
    if (items.empty()) return;
    TreeNode* ancestor = displayedAncestor(items.front());
    for (TreeNode* item : items) tree.deleteNode(item);
    TreeCreation::focusOnly(tree, ancestor);
    sounds_.playSoundCue(cues::Recycle);
    changed(tree);
}

void TreeCommands::cutSelected(ItemTree& tree) {
    if (clipboard_.cutSelected(tree)) changed(tree);
}

void TreeCommands::copySelected(ItemTree& tree) {
    if (clipboard_.copySelected(tree)) changed(tree);
}

void TreeCommands::paste(ItemTree& tree) {
    pasteQuietly(tree);
    changed(tree);
}

void TreeCommands::pasteQuietly(ItemTree& tree) {
    const TreeClipboard::Pasted pasted = clipboard_.paste(tree);
    if (pasted.movedFrom && pasted.movedFrom != &tree) changed(*pasted.movedFrom);
}

void TreeCommands::cloneSelected(ItemTree& tree) {
    switchTab(pageOf(tree));
    if (tree.selectionCount() == 0) return;
    TreeNode* ancestor = displayedAncestor(tree.firstSelected());
    clipboard_.copySelected(tree);
    TreeCreation::focusOnly(tree, ancestor);
    paste(tree);
}

void TreeCommands::cloneAndFocus(ItemTree& tree) {
    TreeNode* ancestor = displayedAncestor(firstNode(tree));
    clipboard_.copySelected(tree);
    TreeCreation::focusOnly(tree, ancestor);
    pasteQuietly(tree);
    TreeNode* last = ancestor->lastChild();
    if (last && last->lastChild()) last = last->lastChild();
    if (last) TreeCreation::focusOnly(tree, last);
    changed(tree);
}

void TreeCommands::moveRight(ItemTree& tree) { moveStep(tree, &TreeMoves::moveRight); }

void TreeCommands::moveLeft(ItemTree& tree) { moveStep(tree, &TreeMoves::moveLeft); }

void TreeCommands::moveUp(ItemTree& tree) { moveStep(tree, &TreeMoves::moveUp); }

void TreeCommands::moveDown(ItemTree& tree) { moveStep(tree, &TreeMoves::moveDown); }

// A move that fails part way has still moved the items before: the tree is repainted anyway.
void TreeCommands::moveStep(ItemTree& tree, bool (*move)(ItemTree&)) {
    try {
        if (move(tree)) changed(tree);
    } catch (...) {
        changed(tree);
        throw;
    }
}

void TreeCommands::groupSelectedGoals(ItemTree& tree) {
    TreeGrouping::groupSelectedGoals(tree);
    changed(tree);
}

void TreeCommands::groupSelectedLinks(ItemTree& tree) {
    TreeGrouping::groupSelectedLinks(tree);
    changed(tree);
}

void TreeCommands::groupSelectedContacts(ItemTree& tree) {
    TreeGrouping::groupSelectedContacts(tree);
    changed(tree);
}

void TreeCommands::editFirstSelected(ItemTree& tree) {
    if (TreeNode* first = tree.firstSelected()) {
        edit(tree, first);
    } else {
        showNoSelectionMessage();
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

void TreeCommands::newItemOfKind(Page page, std::int32_t kind) {
    switch (page) {
    case kTasksPage: addChildOfKind(activeGoalTree(), kind); break;
    case kLinksPage:
        if (ItemTree* links = activeLinksTree()) addChildOfKind(*links, kind);
        break;
    case kContactsPage: addChildOfKind(contacts(), kind); break;
    case kBlocknotePage: addChildOfKind(phrases(), kind); break;
    case kCalendarPage: addChildOfKind(calendarTree(), kind); break;
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
    case TreeKey::Delete: deleteSelected(tree); break;
    case TreeKey::C:
        if (outline) navigator_.collapseAllButSelected(tree);
        break;
    case TreeKey::F2: f2Key(tree); break;
    case TreeKey::F5:
        if (outline) cloneAndFocus(tree);
        break;
    default: break;
    }
}

void TreeCommands::ctrlKey(ItemTree& tree, TreeKey key) {
    switch (key) {
    case TreeKey::C: copySelected(tree); break;
    case TreeKey::V: paste(tree); break;
    case TreeKey::X:
        cutSelected(tree);
        if (tree.family() == RecordFamily::Goals) sounds_.playSoundCue(cues::Recycle);
        break;
    default: break;
    }
}

void TreeCommands::enterKey(ItemTree& tree) {
    switch (tree.family()) {
    case RecordFamily::Goals: newChildGoal(); break;
    case RecordFamily::Links: newChildLink(); break;
    case RecordFamily::Contacts: newChildContact(); break;
    default: break;
    }
}

void TreeCommands::insertKey(ItemTree& tree) {
    switch (tree.family()) {
    case RecordFamily::Goals:
        if (tree.focused()) addChildOfKind(tree, kGoalToDo);
        break;
    case RecordFamily::Contacts:
        if (tree.focused()) addChildAndEdit(tree);
        break;
    default: addChildAndEdit(tree); break;
    }
}

void TreeCommands::f2Key(ItemTree& tree) {
    switch (tree.family()) {
    case RecordFamily::Goals: editFirstSelected(activeGoalTree()); break;
    case RecordFamily::Links:
        if (ItemTree* links = activeLinksTree()) editFirstSelected(*links);
        break;
    case RecordFamily::Contacts: {
        TreeNode* first = firstNode(contacts());
        if (first->isRoot()) {
            showNoSelectionMessage();
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
    case TreeKey::Right: moveRight(tree); break;
    case TreeKey::Left: moveLeft(tree); break;
    case TreeKey::Up: moveUp(tree); break;
    case TreeKey::Down: moveDown(tree); break;
    default: break;
    }
}

// --- Goal page ---

void TreeCommands::newRootGoal() {
    switchTab(kTasksPage);
    ItemTree& tree = activeGoalTree();
    TreeNode* node = TreeCreation::addTopLevelNode(tree);
    TreeCreation::focusOnly(tree, node);
    edit(tree, node);
    changed(tree);
}

// A sibling at the end of the first selected item's level.
void TreeCommands::newChildGoal() {
    switchTab(kTasksPage);
    ItemTree& tree = activeGoalTree();
    TreeNode* first = tree.firstSelected();
    TreeNode* node = TreeCreation::createItem(tree, first ? parentItem(first) : nullptr, kGoalToDo);
    TreeCreation::focusOnly(tree, node);
    edit(tree, node);
    changed(tree);
}

void TreeCommands::addGoalRight() { addChildOfKind(activeGoalTree(), kGoalToDo); }

void TreeCommands::insertAfterGoal() {
    ItemTree& tree = activeGoalTree();
    TreeNode* node = TreeCreation::addNode(tree, NodePlace::After);
    edit(tree, node);
    changed(tree);
}

void TreeCommands::cutGoals() { onPage(kTasksPage, activeGoalTree(), &TreeCommands::cutSelected); }
void TreeCommands::copyGoals() { onPage(kTasksPage, activeGoalTree(), &TreeCommands::copySelected); }
void TreeCommands::pasteGoals() { onPage(kTasksPage, activeGoalTree(), &TreeCommands::paste); }
void TreeCommands::deleteGoals() { onPage(kTasksPage, activeGoalTree(), &TreeCommands::deleteSelected); }
void TreeCommands::cloneGoals() { cloneSelected(activeGoalTree()); }
void TreeCommands::groupGoals() { groupSelectedGoals(activeGoalTree()); }
void TreeCommands::moveGoalsRight() { onPage(kTasksPage, activeGoalTree(), &TreeCommands::moveRight); }
void TreeCommands::moveGoalsLeft() { onPage(kTasksPage, activeGoalTree(), &TreeCommands::moveLeft); }
void TreeCommands::moveGoalsUp() { onPage(kTasksPage, activeGoalTree(), &TreeCommands::moveUp); }
void TreeCommands::moveGoalsDown() { onPage(kTasksPage, activeGoalTree(), &TreeCommands::moveDown); }

// --- Links page ---

void TreeCommands::newRootLink() {
    switchTab(kLinksPage);
    ItemTree* links = activeLinksTree();
    if (!links) return;
    addRootAndEdit(*links);
    navigator_.rebuildLinkTags();
}

void TreeCommands::newChildLink() {
    switchTab(kLinksPage);
    ItemTree* links = activeLinksTree();
    if (!links) return;
    TreeNode* node = TreeCreation::addNode(*links, NodePlace::LastChild);
    node->record<LinkRecord>().kind = kLinkInternet;
    edit(*links, node);
    changed(*links);
}

void TreeCommands::cutLinks() { onLinksPage(&TreeCommands::cutSelected); }
void TreeCommands::copyLinks() { onLinksPage(&TreeCommands::copySelected); }
void TreeCommands::pasteLinks() { onLinksPage(&TreeCommands::paste); }
void TreeCommands::deleteLinks() { onLinksPage(&TreeCommands::deleteSelected); }
void TreeCommands::groupLinks() { onLinksTree(&TreeCommands::groupSelectedLinks); }
void TreeCommands::cloneLinks() { onLinksTree(&TreeCommands::cloneSelected); }
void TreeCommands::moveLinksRight() { onLinksTree(&TreeCommands::moveRight); }
void TreeCommands::moveLinksLeft() { onLinksTree(&TreeCommands::moveLeft); }
void TreeCommands::moveLinksUp() { onLinksTree(&TreeCommands::moveUp); }
void TreeCommands::moveLinksDown() { onLinksTree(&TreeCommands::moveDown); }

// --- Contacts page ---

void TreeCommands::newRootContact() {
    switchTab(kContactsPage);
    addRootAndEdit(contacts());
    navigator_.rebuildContactTags();
}

void TreeCommands::newChildContact() { onPage(kContactsPage, contacts(), &TreeCommands::addChildAndEdit); }
void TreeCommands::cutContacts() { onPage(kContactsPage, contacts(), &TreeCommands::cutSelected); }
void TreeCommands::copyContacts() { onPage(kContactsPage, contacts(), &TreeCommands::copySelected); }
void TreeCommands::pasteContacts() { onPage(kContactsPage, contacts(), &TreeCommands::paste); }
void TreeCommands::deleteContacts() { onPage(kContactsPage, contacts(), &TreeCommands::deleteSelected); }
void TreeCommands::groupContacts() { groupSelectedContacts(contacts()); }
void TreeCommands::cloneContacts() { cloneSelected(contacts()); }
void TreeCommands::moveContactsRight() { moveRight(contacts()); }
void TreeCommands::moveContactsLeft() { moveLeft(contacts()); }
void TreeCommands::moveContactsUp() { moveUp(contacts()); }
void TreeCommands::moveContactsDown() { moveDown(contacts()); }

// --- Blocknote page ---

void TreeCommands::newRootPhrase() { onPage(kBlocknotePage, phrases(), &TreeCommands::addRootAndEdit); }
void TreeCommands::newChildPhrase() { onPage(kBlocknotePage, phrases(), &TreeCommands::addChildAndEdit); }
void TreeCommands::cutPhrases() { onPage(kBlocknotePage, phrases(), &TreeCommands::cutSelected); }
void TreeCommands::copyPhrases() { onPage(kBlocknotePage, phrases(), &TreeCommands::copySelected); }
void TreeCommands::pastePhrases() { onPage(kBlocknotePage, phrases(), &TreeCommands::paste); }
void TreeCommands::deletePhrases() { onPage(kBlocknotePage, phrases(), &TreeCommands::deleteSelected); }
void TreeCommands::clonePhrases() { cloneSelected(phrases()); }

// --- Calendar page ---

void TreeCommands::newRootEvent() { onPage(kCalendarPage, calendarTree(), &TreeCommands::addRootAndEdit); }
void TreeCommands::newChildEvent() { onPage(kCalendarPage, calendarTree(), &TreeCommands::addChildAndEdit); }
void TreeCommands::cutEvents() { onPage(kCalendarPage, calendarTree(), &TreeCommands::cutSelected); }
void TreeCommands::copyEvents() { onPage(kCalendarPage, calendarTree(), &TreeCommands::copySelected); }
void TreeCommands::pasteEvents() { onPage(kCalendarPage, calendarTree(), &TreeCommands::paste); }
void TreeCommands::deleteEvents() { onPage(kCalendarPage, calendarTree(), &TreeCommands::deleteSelected); }

// --- Helpers ---

void TreeCommands::onPage(Page page, ItemTree& tree, TreeCommand command) {
    switchTab(page);
    (this->*command)(tree);
}

void TreeCommands::onLinksTree(TreeCommand command) {
    if (ItemTree* links = activeLinksTree()) (this->*command)(*links);
}

void TreeCommands::onLinksPage(TreeCommand command) {
    switchTab(kLinksPage);
    onLinksTree(command);
}

void TreeCommands::addAndEdit(ItemTree& tree, TreeNode* node) {
    edit(tree, node);
    changed(tree);
}

void TreeCommands::addRootAndEdit(ItemTree& tree) { addAndEdit(tree, TreeCreation::addTopLevelNode(tree)); }

void TreeCommands::addChildAndEdit(ItemTree& tree) {
    addAndEdit(tree, TreeCreation::addNode(tree, NodePlace::LastChild));
}

void TreeCommands::edit(ItemTree& tree, TreeNode* node) {
    if (!node) return;
    observer_.treeChanged(tree);
    editor_.editItem(*node);
}

void TreeCommands::changed(ItemTree& tree) { observer_.treeChanged(tree); }

}  // namespace torvalet
