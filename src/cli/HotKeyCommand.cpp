#include "cli/HotKeyCommand.h"

#include <cstdio>
#include <ostream>

#include "hotkeys/HotKeyText.h"

namespace torvalet::cli {

int hotKeyCommand(const std::string& text, std::ostream& out) {
    const std::uint32_t value = ParseHotKeyText(text);
    if (value == 0) {
        out << "invalid\n";
        return 1;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(value));
    out << hex << ' ' << HotKeyText(value) << '\n';
    return 0;
}

}  // namespace torvalet::cli
