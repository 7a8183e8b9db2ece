#include "navigation/TreeFilters.h"

#include <algorithm>
#include <vector>

#include "model/ViewState.h"
#include "navigation/CaseFold.h"
#include "navigation/NavigationContext.h"
#include "navigation/TreeLevels.h"
#include "trees/ActiveTrees.h"
#include "trees/ContactRecord.h"
#include "trees/GoalRecord.h"
#include "trees/ItemTree.h"
#include "trees/ItemTreeSet.h"
#include "trees/LinkRecord.h"
#include "trees/TreeCreation.h"
#include "trees/TreeEditGuard.h"

namespace torvalet {

namespace {

constexpr std::int32_t kContactMan = 1;

// Whether a node's fields hold the (lower-case) needle, by the family's rule.
class NameMatcher {
public:
    NameMatcher(CaseFold& fold, NavFamily family, std::string_view text) : fold_(fold), family_(family) {
        fold_.fold(text, needle_);
    }

    bool operator()(const TreeNode& node) {
        switch (family_) {
        case NavFamily::Goals:
            if (const auto* goal = node.findRecord<GoalRecord>()) return holds(goal->text) || holds(goal->description);
            return false;
        case NavFamily::Links:
            if (const auto* link = node.findRecord<LinkRecord>()) return holds(link->name) || holds(link->url);
            return false;
        case NavFamily::Contacts:
            if (const auto* contact = node.findRecord<ContactRecord>()) {
                scratch_.clear();
                for (const RecordText* name :
                     {&contact->official, &contact->firstName, &contact->middleName, &contact->lastName})
                    fold_.append(*name, scratch_);
                return found() || holds(contact->address);
            }
            return false;
        }
        return false;
    }

private:
    bool holds(std::string_view field) {
        fold_.fold(field, scratch_);
        return found();
    }
    bool found() const { return scratch_.find(needle_) != std::string::npos; }

    CaseFold& fold_;
    NavFamily family_;
    std::string needle_;
    std::string scratch_;
};

// The field the exact find compares: goal Text, link Name, contact FirstName.
const RecordText* findField(const TreeNode& node) {
    if (const auto* goal = node.findRecord<GoalRecord>()) return &goal->text;
    if (const auto* link = node.findRecord<LinkRecord>()) return &link->name;
    if (const auto* contact = node.findRecord<ContactRecord>()) return &contact->firstName;
    return nullptr;
}

// Every node visible exactly when it matches; then the ancestors of visible nodes are made
// visible and expanded. Walking the nodes backwards in tree order meets every child before its
// parent, so one step up per node opens whole paths.
template <class Match>
void showMatches(ItemTree& tree, Match&& match) {
    std::vector<TreeNode*> order;
    order.reserve(tree.nodeCount());
    tree.forEach([&](TreeNode* node) {
        node->setFlag(NodeFlag::Visible, match(*node));
        order.push_back(node);
    });
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        TreeNode* parent = (*it)->parent();
        if (!(*it)->hasFlag(NodeFlag::Visible) || parent->isRoot()) continue;
        parent->setFlag(NodeFlag::Visible | NodeFlag::Expanded, true);
    }
}

}  // namespace

void TreeFilters::filterByName(ItemTree& tree, NavFamily family, std::string_view text) {
    UpdateBracket bracket(context_, tree);
    showMatches(tree, NameMatcher(fold_, family, text));
}

void TreeFilters::filterGoalsByName(std::string_view text) {
    filterByName(context_.activeGoalTree(), NavFamily::Goals, text);
}

void TreeFilters::filterLinksByName(std::string_view text) {
    if (ItemTree* links = context_.activeLinksTree()) filterByName(*links, NavFamily::Links, text);
}

void TreeFilters::filterContactsByName(std::string_view text) {
    filterByName(context_.contacts(), NavFamily::Contacts, text);
}

void TreeFilters::filterGoalsByState(int state) {
    ItemTree& tree = context_.activeGoalTree();
    UpdateBracket bracket(context_, tree);
    showMatches(tree, [state](const TreeNode& node) {
        const auto* goal = node.findRecord<GoalRecord>();
        return goal && goal->state == state;
    });
}

TreeNode* TreeFilters::findGoalByName(ItemTree& tree, std::string_view text) {
    return findExact(tree, NavFamily::Goals, text);
}

TreeNode* TreeFilters::findLinkByName(ItemTree& tree, std::string_view text) {
    return findExact(tree, NavFamily::Links, text);
}

TreeNode* TreeFilters::findContactByName(ItemTree& tree, std::string_view text) {
    return findExact(tree, NavFamily::Contacts, text);
}

TreeNode* TreeFilters::findExact(ItemTree& tree, NavFamily, std::string_view text) {
    UpdateBracket bracket(context_, tree);
    levels_.collapseAll(tree);
    TreeNode* found = tree.firstTopLevel();
    for (; found; found = ItemTree::nextInTreeOrder(found)) {
        const RecordText* field = findField(*found);
        if (field && *field == text) break;
    }
    if (!found) return nullptr;
    context_.requestFocus(tree);
    tree.setFocused(found);
    tree.selectOnly(found);
    levels_.collapseAllButSelected(tree);
    context_.requestScroll(tree, found);
    return found;
}

// --- The bars ---

void TreeFilters::editChanged(NavFamily family, const std::string& text) {
    context_.bars().of(family).text = text;
    ItemTree* tree = context_.treeOf(family);
    if (!tree) return;
    UpdateBracket bracket(context_, *tree);
    if (text.empty()) {
        levels_.showAllItems(*tree);
    } else {
        filterByName(*tree, family, text);
    }
}

void TreeFilters::editEnter(NavFamily family) {
    if (ItemTree* tree = context_.treeOf(family)) findExact(*tree, family, context_.bars().of(family).text);
}

void TreeFilters::listChanged(NavFamily family, int index) {
    context_.bars().of(family).listIndex = index;
    applyList(family, index);
}

void TreeFilters::applyList(NavFamily family, int index) {
    const bool state = index >= 1 && index <= 8;
    if (family == NavFamily::Goals) {
        ItemTree& tree = context_.activeGoalTree();
        UpdateBracket bracket(context_, tree);
        if (state) {
            filterGoalsByState(index);
        } else {
            levels_.showAllItems(tree);
        }
    } else if (family == NavFamily::Contacts && !state) {
        levels_.showAllItems(context_.contacts());
    }
}

void TreeFilters::clearBar(NavFamily family) {
    context_.bars().of(family).clear();
    ItemTree* tree = context_.treeOf(family);
    if (!tree) return;
    UpdateBracket bracket(context_, *tree);
    levels_.showAllItems(*tree);
    if (family == NavFamily::Contacts) levels_.revealFirstSelected(*tree);
}

TreeNode* TreeFilters::addContactFromBar() {
    context_.switchTab(kContactsPage);
    ItemTree& tree = context_.contacts();
    if (!guard_.mayChange(tree)) return nullptr;
    UpdateBracket bracket(context_, tree);
    TreeNode* first = tree.firstSelected();
    TreeNode* parent = first && !first->parent()->isRoot() ? first->parent() : nullptr;
    TreeNode* node = TreeCreation::createContact(tree, parent, kContactMan);
    TreeCreation::reveal(node);
    TreeCreation::focusOnly(tree, node);
    node->record<ContactRecord>().official = context_.bars().of(NavFamily::Contacts).text;
    return node;
}

void TreeFilters::treeClicked(NavFamily family) {
    if (!context_.bars().of(family).holdsText()) return;
    if (ItemTree* tree = context_.treeOf(family)) levels_.collapseAllButSelected(*tree);
}

void TreeFilters::leaveGoalTab(int leavingTab) {
    context_.bars().of(NavFamily::Goals).listIndex = -1;
    ViewState left = context_.view();
    left.goalPage = leavingTab;
    levels_.showAllItems(activeGoalTree(context_.trees(), left));
}

}  // namespace torvalet
