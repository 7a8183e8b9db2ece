#include "navigation/TypeAhead.h"

#include "base/Text.h"
#include "trees/ItemTree.h"
#include "trees/RecordFields.h"

namespace torvalet {

namespace {

// The next item in tree order, back to the first after the last.
TreeNode* nextAround(const ItemTree& tree, const TreeNode* node) {
    TreeNode* next = node ? ItemTree::nextInTreeOrder(node) : nullptr;
    return next ? next : tree.firstTopLevel();
}

}  // namespace

int TypeAhead::compare(std::string_view typed, std::string_view name) {
    if (name.empty() && !typed.empty()) return 1;
    const std::size_t n = std::min(utf8Length(typed), utf8Length(name));
    const std::string a = utf8Lower(utf8Left(typed, n));
    const std::string b = utf8Lower(utf8Left(name, n));
    return a == b ? 0 : (a < b ? -1 : 1);
}

TreeNode* TypeAhead::keyTyped(const ItemTree& tree, std::string_view typed, std::int64_t nowMs) {
    const bool goesOn = !text_.empty() && nowMs - lastKeyMs_ < kResetMs;
    if (!goesOn) text_.clear();
    text_.append(typed);
    lastKeyMs_ = nowMs;
    if (tree.empty()) return nullptr;
    TreeNode* start = goesOn && tree.focused() ? tree.focused() : nextAround(tree, tree.focused());
    TreeNode* node = start;
    do {
        const RecordText* name = firstTextField(*node);
        if (name && compare(text_, *name) == 0) return node;
        node = nextAround(tree, node);
    } while (node != start);
    return nullptr;
}

}  // namespace torvalet
