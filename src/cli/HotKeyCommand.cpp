#include "cli/HotKeyCommand.h"

#include <cstdio>
#include <ostream>

#include "hotkeys/HotKeyText.h"

namespace torvalet::cli {

int hotKeyCommand(const std::string& text, std::ostream& out) {
    const std::uint32_t value = parseHotKeyText(text);
    if (value == 0) {
        out << "invalid\n";
        return 1;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(value));
    out << hex << ' ' << hotKeyText(value) << '\n';
    return 0;
}

}  // namespace torvalet::cli
