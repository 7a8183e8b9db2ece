#include "trees/TreeCommands.h"

#include <array>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "model/SoundCues.h"
#include "model/ViewState.h"
#include "platform/UserInterface.h"
#include "trees/ActiveTrees.h"
#include "trees/FormBase.h"
#include "trees/TreeCreation.h"
#include "trees/TreeEditGuard.h"
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
                           TreeNavigator& navigator, const TreeEditGuard& guard)
    : trees_(trees),
      clipboard_(clipboard),
      ui_(ui),
      sounds_(sounds),
      view_(view),
      language_(std::move(language)),
      observer_(observer),
      editor_(editor),
      navigator_(navigator),
      guard_(guard) {}

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
    if (!mayChange(tree)) return nullptr;
    TreeNode* parent = tree.firstSelected();
    TreeNode* node = nullptr;
    switch (tree.family()) {
    case RecordFamily::Links: node = TreeCreation::createLink(tree, parent, kind); break;
    case RecordFamily::Contacts: node = TreeCreation::createContact(tree, parent, kind); break;
    case RecordFamily::Phrases: node = TreeCreation::createPhrase(tree, parent, kind); break;
    case RecordFamily::Events: node = TreeCreation::createEvent(tree, parent, kind); break;
    default: node = TreeCreation::createItem(tree, parent, kind); break;
    }
    TreeCreation::reveal(node);
    TreeCreation::focusOnly(tree, node);
    edit(tree, node);
    changed(tree);
    return node;
}

void TreeCommands::deleteSelected(ItemTree& tree) {
    const std::vector<TreeNode*> items = tree.sortedSelection();
    if (items.empty() || !mayChange(tree)) return;
    TreeNode* ancestor = displayedAncestor(items.front());
    for (TreeNode* item : items) tree.deleteNode(item);
    TreeCreation::focusOnly(tree, ancestor);
    sounds_.playSoundCue(cues::Recycle);
    changed(tree);
}

void TreeCommands::cutSelected(ItemTree& tree) {
    if (!mayChange(tree)) return;
    if (clipboard_.cutSelected(tree)) changed(tree);
}

void TreeCommands::copySelected(ItemTree& tree) {
    if (clipboard_.copySelected(tree)) changed(tree);
}

void TreeCommands::paste(ItemTree& tree) {
    if (!mayChange(tree)) return;
    pasteQuietly(tree);
    changed(tree);
}

void TreeCommands::pasteQuietly(ItemTree& tree) {
    const TreeClipboard::Pasted pasted = clipboard_.paste(tree);
    if (pasted.movedFrom && pasted.movedFrom != &tree) changed(*pasted.movedFrom);
}

void TreeCommands::cloneSelected(ItemTree& tree) {
    switchTab(pageOf(tree));
    if (tree.selectionCount() == 0 || !mayChange(tree)) return;
    TreeNode* ancestor = displayedAncestor(tree.firstSelected());
    clipboard_.copySelected(tree);
    TreeCreation::focusOnly(tree, ancestor);
    paste(tree);
}

void TreeCommands::cloneAndFocus(ItemTree& tree) {
    if (!mayChange(tree)) return;
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
    if (!mayChange(tree)) return;
    try {
        if (move(tree)) changed(tree);
    } catch (...) {
        changed(tree);
        throw;
    }
}

void TreeCommands::groupSelectedGoals(ItemTree& tree) {
    if (!mayChange(tree)) return;
    TreeGrouping::groupSelectedGoals(tree);
    changed(tree);
}

void TreeCommands::groupSelectedLinks(ItemTree& tree) {
    if (!mayChange(tree)) return;
    TreeGrouping::groupSelectedLinks(tree);
    changed(tree);
}

void TreeCommands::groupSelectedContacts(ItemTree& tree) {
    if (!mayChange(tree)) return;
    TreeGrouping::groupSelectedContacts(tree);
    changed(tree);
}

void TreeCommands::editFirstSelected(ItemTree& tree) {
    if (TreeNode* first = tree.firstSelected()) {
        if (mayChange(tree)) edit(tree, first);
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
    // A move takes the items out of the tree they came from.
    const bool moves = source && TreeDrop::dropEffect(keys, source == &tree) != DropEffect::Copy;
    if (source && position != DropPosition::Nowhere && TreeDrop::acceptsDrop(tree, *source) &&
        (!mayChange(tree) || (moves && source != &tree && !mayChange(*source))))
        return;
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
    case RecordFamily::Goals: run(kTasksPage, TreeOperation::NewChild); break;
    case RecordFamily::Links: run(kLinksPage, TreeOperation::NewChild); break;
    case RecordFamily::Contacts: run(kContactsPage, TreeOperation::NewChild); break;
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
        } else if (mayChange(contacts())) {
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

// --- The commands of the item pages' menus ---

void TreeCommands::run(Page page, TreeOperation operation) {
    const bool pageOwn = operation == TreeOperation::InsertFromClipboard || operation == TreeOperation::IntoTasks ||
                         operation == TreeOperation::PutToClipboard || operation == TreeOperation::Save ||
                         (operation == TreeOperation::Properties && page == kTasksPage);
    if (!findTreeCommand(page, operation) || pageOwn)
        throw std::invalid_argument("no tree editing command of that operation on that page");
    const bool showsPage = operation == TreeOperation::NewRoot || operation == TreeOperation::NewChild ||
                           operation == TreeOperation::Cut || operation == TreeOperation::Copy ||
                           operation == TreeOperation::Paste || operation == TreeOperation::Delete ||
                           operation == TreeOperation::Properties;
    // The goal moves show the Tasks page; the link and contact moves act where they are.
    const bool goalMove =
        page == kTasksPage && (operation == TreeOperation::MoveRight || operation == TreeOperation::MoveLeft ||
                               operation == TreeOperation::MoveUp || operation == TreeOperation::MoveDown);
    if (showsPage || goalMove) switchTab(page);
    ItemTree* tree = treeOf(page);
    if (!tree || (operation != TreeOperation::Copy && !mayChange(*tree))) return;
    switch (operation) {
    case TreeOperation::NewRoot: newRoot(page, *tree); return;
    case TreeOperation::NewChild: newChild(page, *tree); return;
    case TreeOperation::AddRight: addGoalRight(*tree); return;
    case TreeOperation::InsertAfter: insertAfterGoal(*tree); return;
    case TreeOperation::Cut: cutSelected(*tree); return;
    case TreeOperation::Copy: copySelected(*tree); return;
    case TreeOperation::Paste: paste(*tree); return;
    case TreeOperation::Delete: deleteSelected(*tree); return;
    case TreeOperation::Clone: cloneSelected(*tree); return;
    case TreeOperation::Group:
        if (page == kTasksPage) return groupSelectedGoals(*tree);
        if (page == kLinksPage) return groupSelectedLinks(*tree);
        return groupSelectedContacts(*tree);
    case TreeOperation::Properties: editFirstSelected(*tree); return;
    case TreeOperation::MoveRight: moveRight(*tree); return;
    case TreeOperation::MoveLeft: moveLeft(*tree); return;
    case TreeOperation::MoveUp: moveUp(*tree); return;
    case TreeOperation::MoveDown: moveDown(*tree); return;
    case TreeOperation::InsertFromClipboard:
    case TreeOperation::IntoTasks:
    case TreeOperation::PutToClipboard:
    case TreeOperation::Save: return;  // refused above
    }
}

ItemTree* TreeCommands::treeOf(Page page) {
    switch (page) {
    case kTasksPage: return &activeGoalTree();
    case kLinksPage: return activeLinksTree();
    case kContactsPage: return &contacts();
    case kBlocknotePage: return &phrases();
    case kCalendarPage: return &calendarTree();
    }
    throw std::invalid_argument("no item page");
}

// A goal is focused and only selected; a new top-level link or contact brings its letter tags
// up to date.
void TreeCommands::newRoot(Page page, ItemTree& tree) {
    TreeNode* node = TreeCreation::addTopLevelNode(tree);
    if (page == kTasksPage) TreeCreation::focusOnly(tree, node);
    addAndEdit(tree, node);
    if (page == kLinksPage) navigator_.rebuildLinkTags();
    if (page == kContactsPage) navigator_.rebuildContactTags();
}

// A goal goes at the end of the first selected goal's level, focused and only selected; a link
// is an internet link.
void TreeCommands::newChild(Page page, ItemTree& tree) {
    if (page == kTasksPage) {
        TreeNode* first = tree.firstSelected();
        TreeNode* node = TreeCreation::createItem(tree, first ? parentItem(first) : nullptr, kGoalToDo);
        TreeCreation::focusOnly(tree, node);
        return addAndEdit(tree, node);
    }
    TreeNode* node = TreeCreation::addNode(tree, NodePlace::LastChild);
    if (page == kLinksPage) node->record<LinkRecord>().kind = kLinkInternet;
    addAndEdit(tree, node);
}

void TreeCommands::addGoalRight(ItemTree& tree) { addChildOfKind(tree, kGoalToDo); }

void TreeCommands::insertAfterGoal(ItemTree& tree) { addAndEdit(tree, TreeCreation::addNode(tree, NodePlace::After)); }

// --- Helpers ---

void TreeCommands::addAndEdit(ItemTree& tree, TreeNode* node) {
    TreeCreation::reveal(node);
    edit(tree, node);
    changed(tree);
}

void TreeCommands::addChildAndEdit(ItemTree& tree) {
    if (!mayChange(tree)) return;
    addAndEdit(tree, TreeCreation::addNode(tree, NodePlace::LastChild));
}

void TreeCommands::edit(ItemTree& tree, TreeNode* node) {
    if (!node) return;
    observer_.treeChanged(tree);
    editor_.editItem(*node);
}

void TreeCommands::changed(ItemTree& tree) { observer_.treeChanged(tree); }

bool TreeCommands::mayChange(const ItemTree& tree) const { return guard_.mayChange(tree); }

}  // namespace torvalet
