#include "model/FixedShortcuts.h"

namespace torvalet {

namespace {

constexpr FixedShortcut shortcuts[] = {
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
    {"messagePad1", "Ctrl+F12"},
    {"RightPanelWide_mp", "Alt+Backspace"},
    {"OpenLink_mp", "F9"},
    {"OpenLinkInInternalBrowser_mp", "Ctrl+F9"},
    {"EmailToContacts_mp", "F11"},
    {"ExploreContacts_mp", "Ctrl+F11"},
};

}  // namespace

std::span<const FixedShortcut> fixedShortcuts() { return shortcuts; }

std::vector<std::string> keyList(std::string_view keys) {
    std::vector<std::string> list;
    while (!keys.empty()) {
        const std::size_t end = keys.find("; ");
        list.emplace_back(keys.substr(0, end));
        keys = end == std::string_view::npos ? std::string_view() : keys.substr(end + 2);
    }
    return list;
}

}  // namespace torvalet
