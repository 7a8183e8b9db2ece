#pragma once

#include <array>
#include <string>

namespace torvalet {

// The three trees, or groups of trees, that have a filter bar, letter tags or level commands.
enum class NavFamily { Goals, Links, Contacts };

// One filter bar above the goal, link or contact trees: the name edit line and the drop-down
// list of the eight goal states.
struct FilterBar {
    std::string text;
    int listIndex = -1;  // -1: the list shows nothing

    // Whether the edit line or the list holds text; a click in the tree then collapses all
    // but the selected items.
    bool holdsText() const { return !text.empty() || listIndex >= 0; }
    void clear() { *this = FilterBar(); }
};

// The bars of the three families, by NavFamily.
struct FilterBars {
    std::array<FilterBar, 3> bars;

    FilterBar& of(NavFamily family) { return bars[static_cast<std::size_t>(family)]; }
    const FilterBar& of(NavFamily family) const { return bars[static_cast<std::size_t>(family)]; }

    // The items of every list; the index is the goal state it stands for.
    static const std::array<const char*, 8>& listItems();
};

}  // namespace torvalet
