#include "trees/ItemTreeSet.h"

#include "trees/TreeTable.h"

namespace torvalet {

ItemTreeSet::ItemTreeSet() {
    trees_.reserve(kTreeCount);
    for (const TreeInfo& info : treeTable()) trees_.emplace_back(info.id).appendChild();
}

}  // namespace torvalet
