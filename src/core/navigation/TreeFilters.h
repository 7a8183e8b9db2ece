#pragma once

#include <string>
#include <string_view>

#include "navigation/CaseFold.h"
#include "navigation/FilterBars.h"

namespace torvalet {

class ItemTree;
class NavigationContext;
class TreeEditGuard;
class TreeLevels;
class TreeNode;

// The filter bars above the goal, link and contact trees: the name filters (typing in the edit
// line), the goal state filter (the list), the exact find (Enter in the edit line), the bar's
// "Add" and "*" buttons, and the click in a tree while a bar holds text.
//
// Name filters are plain case-insensitive substring tests (Cyrillic and Greek included); the
// typed text is never read as a pattern. A node stays visible when it matches or when one of
// its descendants does; the ancestors of the matches are expanded so every match is in view.
class TreeFilters {
public:
    TreeFilters(NavigationContext& context, TreeLevels& levels, const TreeEditGuard& guard)
        : context_(context), levels_(levels), guard_(guard) {}

    // The name filter of the family on `tree`: goals match in Text or Description, links in
    // Name or Url, contacts in Official, FirstName, MiddleName and LastName joined without
    // separators, or in Address.
    void filterByName(ItemTree& tree, NavFamily family, std::string_view text);
    void filterGoalsByName(std::string_view text);
    void filterLinksByName(std::string_view text);
    void filterContactsByName(std::string_view text);
    // The goals of the active goal tree whose State is `state`, with their ancestors.
    void filterGoalsByState(int state);

    // Exact find (case-sensitive) of goals by Text, links by Name, contacts by FirstName: the
    // tree collapses; the first match in tree order becomes the focused and only selected item
    // and the tree collapses all but it. Returns the match, null when none (the tree then stays
    // collapsed).
    TreeNode* findGoalByName(ItemTree& tree, std::string_view text);
    TreeNode* findLinkByName(ItemTree& tree, std::string_view text);
    TreeNode* findContactByName(ItemTree& tree, std::string_view text);

    // --- The bars ---
    // The edit line changed.
    void editChanged(NavFamily family, const std::string& text);
    // Enter in the edit line.
    void editEnter(NavFamily family);
    // A choice in the list (the link list only keeps its choice). -1: the list was emptied.
    void listChanged(NavFamily family, int index);
    // "*": the bar emptied and every item of the family's tree shown again; the contact tree also
    // takes the focus (revealFirstSelected).
    void clearBar(NavFamily family);
    // The contact bar's "Add": a contact of kind Man named after the edit line, as the last child
    // of the first selected contact's parent (top level without a selection); it becomes the
    // focused and only selected contact. No dialog opens. Null when the contact tree is kept.
    TreeNode* addContactFromBar();
    // A click in a goal, link or contact tree:
    // while the bar holds text, collapse all but the selected items.
    void treeClicked(NavFamily family);
    // Before another goal tab is shown: the state list is emptied and the tree being left shows
    // all its goals again.
    void leaveGoalTab(int leavingTab);

private:
    TreeNode* findExact(ItemTree& tree, NavFamily family, std::string_view text);
    void applyList(NavFamily family, int index);

    NavigationContext& context_;
    TreeLevels& levels_;
    const TreeEditGuard& guard_;
    CaseFold fold_;
};

}  // namespace torvalet
