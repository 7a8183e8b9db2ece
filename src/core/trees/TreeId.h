#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>

namespace torvalet {

// The sixteen item trees of the program, named after their page or tab (TreeInfo holds each
// one's component name). The order is that of
// the tree table: the trees kept in files in the order they are written at close, then the two
// letter-tag lists.
enum class TreeId : std::uint8_t {
    DayGoalTree,
    WeekGoalTree,
    MonthGoalTree,
    YearGoalTree,
    GlobalGoalTree,
    LinksTree,
    ToolsTree,
    FoldersTree,
    SearchTree,
    DocsTree,
    ImagesTree,
    ContactsTree,
    CalendarTree,
    PhrasesTree,
    LinkTagsTree,
    ContactTagsTree,
};

inline constexpr std::size_t kTreeCount = 16;

constexpr std::size_t indexOf(TreeId id) { return static_cast<std::size_t>(id); }

// Writes the tree's component name.
std::ostream& operator<<(std::ostream& out, TreeId id);

}  // namespace torvalet
