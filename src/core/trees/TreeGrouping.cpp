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

TreeNode* TreeGrouping::groupSelectedGoals(ItemTree& tree) {
    TreeNode* group = groupSelection<GoalRecord>(tree);
    group->record<GoalRecord>().kind = 0;
    group->record<GoalRecord>().priority = 0;
    return group;
}

TreeNode* TreeGrouping::groupSelectedLinks(ItemTree& tree) {
    TreeNode* group = groupSelection<LinkRecord>(tree);
    group->record<LinkRecord>().kind = 5;
    return group;
}

TreeNode* TreeGrouping::groupSelectedContacts(ItemTree& tree) {
    TreeNode* group = groupSelection<ContactRecord>(tree);
    group->record<ContactRecord>().kind = 4;
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
