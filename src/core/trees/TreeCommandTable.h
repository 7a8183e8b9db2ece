#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/FixedShortcuts.h"
#include "model/ViewState.h"

namespace torvalet {

// What a command of an item page's menu does on that page's tree: the active goal tree on the
// Tasks page, the active link tree on the Links page, and the one tree of every other page.
enum class TreeOperation {
    NewRoot,              // a new top-level item, its properties dialog open
    NewChild,             // a new item below the first selected one (goals: after its last sibling)
    AddRight,             // a new ToDo goal as the first selected goal's last child
    InsertAfter,          // a new goal after the focused one
    InsertFromClipboard,  // a new ToDo goal holding the clipboard's text
    Cut,
    Copy,
    Paste,
    Delete,
    Clone,
    Group,
    Properties,      // the properties dialog of the first selected item
    IntoTasks,       // the selected goals become tasks
    PutToClipboard,  // the selected phrases replace the clipboard's text
    Save,            // the phrase file is written
    MoveRight,
    MoveLeft,
    MoveUp,
    MoveDown,
};

// One command of an item page's menu, as the window builds its menus and tool bars from it: the
// component name (the Qt object name of its action), its caption, the menu it lives in (object
// name), its fixed keys, the page whose tree it works on and what it does there.
struct TreeCommandInfo {
    const char* name;
    const char* caption;
    const char* menu;
    // Portable key sequence texts, several separated by "; "; "" for none.
    const char* keys;
    Page page;
    TreeOperation operation;
    bool separatorBefore = false;

    std::vector<std::string> shortcuts() const;
};

// An item of a tree menu that runs no command and is never shown: it only names a caption of
// the language files.
struct TreeMenuLabel {
    const char* name;
    const char* caption;
    const char* menu;
};

// The small tool bar of an item page: its object name, its New button's and the operation a
// click on that button runs. The button's drop-down offers the kinds of new item; the bar's
// other buttons are the page's commands of treeToolBarOperations(), in that order.
struct TreeToolBarInfo {
    Page page;
    const char* name;
    const char* newButton;
    TreeOperation newOperation;
};

// Every tree command, menu by menu in the order they show.
std::span<const TreeCommandInfo> treeCommands();
// The command of that component name, or nullptr.
const TreeCommandInfo* findTreeCommand(const std::string& name);
// The command of that page and operation, or nullptr when the page has none.
const TreeCommandInfo* findTreeCommand(Page page, TreeOperation operation);
// The menus the tree commands live in, one per item page, each with its submenu of moves. A
// menu takes its place in its parent when its first command is added.
std::span<const CommandMenu> treeMenus();
const CommandMenu* findTreeMenu(const std::string& name);
std::span<const TreeMenuLabel> treeMenuLabels();
// The tool bars of the five item pages, in page order.
std::span<const TreeToolBarInfo> treeToolBars();
// The operations that have a button on an item page's tool bar, in the order of the buttons.
std::span<const TreeOperation> treeToolBarOperations();

}  // namespace torvalet
