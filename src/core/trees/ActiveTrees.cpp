#include "trees/ActiveTrees.h"

#include "model/ViewState.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeTable.h"

namespace torvalet {

ItemTree& activeGoalTree(ItemTreeSet& trees, const ViewState& view) {
    return trees.get(treeOnTab(kTasksPage, view.goalPage).value_or(TreeId::DayGoalTree));
}

ItemTree* activeLinksTree(ItemTreeSet& trees, const ViewState& view) {
    const std::optional<TreeId> id = treeOnTab(kLinksPage, view.linksPage);
    return id ? &trees.get(*id) : nullptr;
}

}  // namespace torvalet
