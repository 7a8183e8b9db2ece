#pragma once

namespace torvalet {

class ItemTree;
class ItemTreeSet;
struct ViewState;

// The goal tree of the current goal tab: DayGoalTree for tab 0 (and for a tab out of range) to
// GlobalGoalTree for tab 4.
ItemTree& activeGoalTree(ItemTreeSet& trees, const ViewState& view);
// The link tree of the current link tab (LinksTree ... ImagesTree), or nullptr for another tab.
ItemTree* activeLinksTree(ItemTreeSet& trees, const ViewState& view);

}  // namespace torvalet
