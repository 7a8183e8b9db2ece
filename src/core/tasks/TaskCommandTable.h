#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/FixedShortcuts.h"

namespace torvalet {

struct Tasks;

// The rows a task command works on.
enum class TaskRowSet {
    New,            // a new row
    Selection,      // S: the selected rows, else the current row; the selection is cleared
    SelectionPlus,  // S+: the selected rows and the current row
    Current,        // C: the current row
    Day,            // the rows of the current row's day
    All,            // rows of every day
    List,           // the list itself (order, filters, view)
    None,           // no row
};

// One command of the task list, as the window builds its menus and tool bar from it: the
// component name (the Qt object name of its action), its caption, the menu it lives in (object
// name; "" for the tool bar and the grid only), its fixed keys, its rows, whether it shows the
// Tasks page first, and what it runs. Checkable items tell their check mark; items of one radio
// group share it.
struct TaskCommandInfo {
    const char* name;
    const char* caption;
    const char* menu;
    // Portable key sequence texts, several separated by "; "; "" for none.
    const char* keys;
    TaskRowSet rows;
    bool switchesPage;
    void (*run)(Tasks&);
    bool (*checked)(const Tasks&) = nullptr;
    const char* radioGroup = nullptr;
    bool separatorBefore = false;

    // The fixed keys one by one ({"Ctrl+N"}), none for none.
    std::vector<std::string> shortcuts() const;
};

// Every task command, menu by menu in the order they show.
std::span<const TaskCommandInfo> taskCommands();
// The command of that component name, or nullptr.
const TaskCommandInfo* findTaskCommand(const std::string& name);
// The menus and submenus the task commands live in, parents before their children. "mFile" and
// "mView" are the window's own File and View menus.
std::span<const CommandMenu> taskMenus();

// An item of the task menus that runs no command: a heading over a group of items, or an item
// that only names a caption of the language files and is never shown.
struct TaskMenuLabel {
    const char* name;
    const char* caption;
    const char* menu;
    const char* before;  // the item it stands before; nullptr: at the end of the menu
    bool heading;        // false: hidden
};
std::span<const TaskMenuLabel> taskMenuLabels();

// An item of a drop-down of the task tool bar: caption, its value (type, priority or state
// number) and what it runs with that value.
struct TaskDropDownItem {
    const char* caption;
    int value;
    void (*run)(Tasks&, int value);
};
// The tool bar's buttons with a drop-down: the button's own command and the items.
struct TaskToolButton {
    const char* name;     // object name of the button
    const char* command;  // component name of the command a click on the button runs
    std::span<const TaskDropDownItem> items;
};
// New task (its drop-down: the 25 types), priority and state.
std::span<const TaskToolButton> taskToolButtons();
// The plain buttons of the task tool bar, by the component names of their commands.
std::span<const char* const> taskToolBarCommands();

// The time menu: sixteen hours "07:00" to "22:00", each with its twelve five-minute times; a
// separator follows every third time.
struct TimeMenuHour {
    std::string caption;
    std::vector<std::string> times;
};
std::vector<TimeMenuHour> timeMenu();
inline constexpr int timeMenuSeparatorEvery = 3;

}  // namespace torvalet
