#pragma once

#include <span>

namespace torvalet {

// A key of the main window (active while it has the focus) on the command of that component
// name. Keys are written as portable key sequence texts: modifiers joined by "+" to the key,
// "Num" for a key of the numeric keypad.
struct FixedShortcut {
    const char* command;
    const char* keys;
};

// Every fixed shortcut of the main window; a command may have several. The window gives each
// command it has its keys, so a command gets them by carrying its name.
std::span<const FixedShortcut> fixedShortcuts();

}  // namespace torvalet
