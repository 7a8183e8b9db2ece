#include "trees/TreeGrouping.h"

#include <stdexcept>

#include "base/Text.h"
#include "trees/RecordFields.h"
#include "trees/RecordNode.h"

namespace torvalet {

namespace {

// UTF-8 takes at most four bytes a character: this many bytes hold enough characters.
constexpr std::size_t kEnoughBytes = 4 * TreeGrouping::kGroupTextLength;

template <class Record>
TreeNode* groupSelection(ItemTree& tree) {
    if (tree.family() != Record::family) throw std::logic_error("grouping a tree of another record family");
    const std::vector<TreeNode*> items = tree.sortedSelection();
    TreeNode* group = items.empty() ? tree.insertNode(nullptr, NodePlace::FirstChild)
                                    : tree.insertNode(items.front(), NodePlace::Before);
    for (TreeNode* item : items) tree.moveNode(item, group, NodePlace::LastChild);
    *firstTextField(*group) = TreeGrouping::groupText(items);
    return group;
}

}  // namespace

TreeNode* TreeGrouping::GroupGoalsItems(ItemTree& tree) {
    TreeNode* group = groupSelection<TGoalData>(tree);
    group->record<TGoalData>().GoalType = 0;
    group->record<TGoalData>().Prio = 0;
    return group;
}

TreeNode* TreeGrouping::GroupLinksItems(ItemTree& tree) {
    TreeNode* group = groupSelection<TLinkData>(tree);
    group->record<TLinkData>().LinkKind = 5;
    return group;
}

TreeNode* TreeGrouping::GroupContactsItems(ItemTree& tree) {
    TreeNode* group = groupSelection<TContactData>(tree);
    group->record<TContactData>().ContactKind = 4;
    return group;
}

std::string TreeGrouping::groupText(std::span<TreeNode* const> items) {
    std::string text;
    for (const TreeNode* item : items) {
        if (text.size() >= kEnoughBytes) break;
        if (const RecordText* name = firstTextField(*item)) text += name->view();
        text += ' ';
    }
    return utf8Left(text, kGroupTextLength);
}

}  // namespace torvalet
