#include "trees/TreeTable.h"

#include <array>
#include <ostream>

namespace torvalet {

namespace {

constexpr std::array<TreeInfo, kTreeCount> kTrees = {{
    {TreeId::DayGoalTree, "GoalTree", "goals.dat", RecordFamily::Goals, kTasksPage, 0, "Day", true, false},
    {TreeId::WeekGoalTree, "Goal2Tree", "goals2.dat", RecordFamily::Goals, kTasksPage, 1, "Week", true, false},
    {TreeId::MonthGoalTree, "Goal3Tree", "goals3.dat", RecordFamily::Goals, kTasksPage, 2, "Month", true, false},
    {TreeId::YearGoalTree, "Goal4Tree", "goals4.dat", RecordFamily::Goals, kTasksPage, 3, "Year", true, false},
    {TreeId::GlobalGoalTree, "Goal5Tree", "goals5.dat", RecordFamily::Goals, kTasksPage, 4, "Global", true, false},
    {TreeId::LinksTree, "LinksTree", "links.goto", RecordFamily::Links, kLinksPage, 0, "Personal", true, false},
    {TreeId::ToolsTree, "StdLinksTree", "tools.goto", RecordFamily::Links, kLinksPage, 1, "Tools", true, false},
    {TreeId::FoldersTree, "FoldersTree", "folders.goto", RecordFamily::Links, kLinksPage, 2, "Folders", true, false},
    {TreeId::SearchTree, "SearchTree", "search.goto", RecordFamily::Links, kLinksPage, 3, "Search", true, false},
    {TreeId::DocsTree, "DocsTree", "docs.goto", RecordFamily::Links, kLinksPage, 4, "Docs", true, false},
    {TreeId::ImagesTree, "ImagesTree", "images.goto", RecordFamily::Links, kLinksPage, 5, "Images", true, true},
    {TreeId::ContactsTree, "ContactsTree", "contacts.co", RecordFamily::Contacts, kContactsPage, -1, "", true, false},
    {TreeId::CalendarTree, "CalendarTree", "calendar.clnd", RecordFamily::Events, kCalendarPage, -1, "", true, false},
    {TreeId::PhrasesTree, "PhrasesTree", "phrases.phr", RecordFamily::Phrases, kBlocknotePage, -1, "", true, false},
    {TreeId::LinkTagsTree, "MarksLinksTree", "", RecordFamily::Tags, kLinksPage, -1, "", true, false},
    {TreeId::ContactTagsTree, "MarksTree", "", RecordFamily::Tags, kContactsPage, -1, "", false, false},
}};

constexpr std::size_t kFileCount = 14;

constexpr bool rowsInIdOrder() {
    for (std::size_t i = 0; i < kTrees.size(); ++i)
        if (indexOf(kTrees[i].id) != i) return false;
    return true;
}

constexpr bool filesComeFirst() {
    for (std::size_t i = 0; i < kTrees.size(); ++i)
        if (kTrees[i].fileName.empty() != (i >= kFileCount)) return false;
    return true;
}

static_assert(rowsInIdOrder(), "the rows of the tree table follow TreeId");
static_assert(filesComeFirst(), "the trees with files lead the tree table");

}  // namespace

std::span<const TreeInfo, kTreeCount> treeTable() { return kTrees; }

const TreeInfo& treeInfo(TreeId id) { return kTrees[indexOf(id)]; }

std::ostream& operator<<(std::ostream& out, TreeId id) { return out << treeInfo(id).name; }

std::optional<TreeId> treeIdNamed(std::string_view name) {
    for (const TreeInfo& tree : kTrees)
        if (tree.name == name) return tree.id;
    return std::nullopt;
}

std::optional<TreeId> treeOnTab(Page page, int tab) {
    if (tab < 0) return std::nullopt;
    for (const TreeInfo& tree : kTrees)
        if (tree.page == page && tree.tab == tab) return tree.id;
    return std::nullopt;
}

std::span<const TreeInfo> treeFiles() { return std::span<const TreeInfo>(kTrees).first(kFileCount); }

}  // namespace torvalet
