#include "trees/ActiveTrees.h"

#include <array>
#include <string_view>

#include "shell/ViewState.h"
#include "trees/ItemTreeSet.h"

namespace torvalet {

namespace {

constexpr std::array<std::string_view, 5> goalTrees = {"GoalTree", "Goal2Tree", "Goal3Tree", "Goal4Tree",
                                                       "Goal5Tree"};
constexpr std::array<std::string_view, 6> linkTrees = {"LinksTree", "StdLinksTree", "FoldersTree",
                                                       "SearchTree", "DocsTree",    "ImagesTree"};

bool inRange(int tab, std::size_t count) { return tab >= 0 && static_cast<std::size_t>(tab) < count; }

}  // namespace

ItemTree& activeGoalTree(ItemTreeSet& trees, const ViewState& view) {
    return trees.get(goalTrees[inRange(view.goalPage, goalTrees.size()) ? static_cast<std::size_t>(view.goalPage) : 0]);
}

ItemTree* activeLinksTree(ItemTreeSet& trees, const ViewState& view) {
    if (!inRange(view.linksPage, linkTrees.size())) return nullptr;
    return trees.find(linkTrees[static_cast<std::size_t>(view.linksPage)]);
}

}  // namespace torvalet
