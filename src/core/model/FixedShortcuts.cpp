#include "model/FixedShortcuts.h"

namespace torvalet {

namespace {

constexpr FixedShortcut shortcuts[] = {
    // Assigned at start.
    {"Highest1", "Alt+0"},
    {"Hi1", "Alt+1"},
    {"Middle1", "Alt+2"},
    {"Low1", "Alt+3"},
    {"QPrio1", "Alt+4"},
    {"NullPriority1", "Alt+9"},
    {"Delegated1", "Alt+5"},
    {"NullState1", "Alt+8"},
    {"ViewTasksPage1", "Ctrl+1"},
    {"ViewLinksPage1", "Ctrl+2"},
    {"ViewContactsPage1", "Ctrl+3"},
    {"ViewBlocknotePage1", "Ctrl+4"},
    {"ViewCalendarPage1", "Ctrl+5"},
    {"ShowNextTip1", "Alt+F1"},
    {"GoogleSearch1", "Ctrl+Shift+Alt+G"},
    {"InternetExplorer1", "Ctrl+Shift+Alt+I"},
    {"WindowsExplorer1", "Ctrl+Shift+Alt+E"},
    {"EscapeCommand1", "Esc"},
    {"Quit1", "Ctrl+Q"},
    {"RotatePriority1", "Ctrl+Num+*"},
    {"RotateState1", "Ctrl+Num++"},
    {"mTaskProps", "Ctrl+Return"},
    {"mTaskProps", "Ctrl+Num+Enter"},
    // Defined with the menus.
    {"TaskReport1", "Ctrl+P"},
    {"LoadTask1", "Ctrl+L"},
    {"StoreTask1", "Ctrl+Alt+S"},
    {"messagePad1", "Ctrl+F12"},
    {"RightPanelWide_mp", "Alt+Backspace"},
    {"Insert1", "Ctrl+N"},
    {"SaveTask1", "Ctrl+S"},
    {"Do1", "Ctrl+G"},
    {"InsertFromClipboard1", "F10"},
    {"SetTime1", "Ctrl+T"},
    {"SetFinalTime1", "Ctrl+Alt+T"},
    {"ShiftTimeHourBack1", "Ctrl+B"},
    {"ShiftTimeHourForward1", "Ctrl+F"},
    {"SetDate1", "Ctrl+D"},
    {"ShiftDateBack1", "Ctrl+Alt+B"},
    {"ShiftDateForward1", "Ctrl+Alt+F"},
    {"mShift", "F6"},
    {"Prepare1", "F4"},
    {"AtWork1", "Shift+F4"},
    {"Mute1", "F7"},
    {"Terminate1", "F8"},
    {"Undone1", "Ctrl+F8"},
    {"OpenLink_mp", "F9"},
    {"OpenLinkInInternalBrowser_mp", "Ctrl+F9"},
    {"EmailToContacts_mp", "F11"},
    {"ExploreContacts_mp", "Ctrl+F11"},
};

}  // namespace

std::span<const FixedShortcut> fixedShortcuts() { return shortcuts; }

}  // namespace torvalet
