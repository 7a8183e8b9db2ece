#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace torvalet {

// A key of the main window (active while it has the focus) on the command of that component
// name. Keys are written as portable key sequence texts: modifiers joined by "+" to the key,
// "Num" for a key of the numeric keypad.
struct FixedShortcut {
    const char* command;
    const char* keys;
};

// The fixed keys of the window's own commands, which no command table holds: the page views,
// the message pad and the panel width of the View menu, the next tip, Quit, Escape and the
// commands that open links, mail and the desktop's programs. The task and tree commands carry
// their keys in their tables. The window gives each command it has its keys by its name.
std::span<const FixedShortcut> fixedShortcuts();

// A menu of a command table: object name, caption and the menu it hangs in ("" for the menu bar).
struct CommandMenu {
    const char* name;
    const char* caption;
    const char* parent;
};

// The keys of a command table's keys column: key sequence texts separated by "; ".
std::vector<std::string> keyList(std::string_view keys);

}  // namespace torvalet
