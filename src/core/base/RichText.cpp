#include "base/RichText.h"

#include "base/Text.h"

namespace torvalet {

namespace {

void appendUnicodeEscape(std::string& out, char32_t cp) {
    const auto unit = [&](unsigned value) {
        out += "\\u" + std::to_string(static_cast<int>(static_cast<short>(value))) + "?";
    };
    if (cp < 0x10000) {
        unit(static_cast<unsigned>(cp));
    } else {
        cp -= 0x10000;
        unit(0xD800 + static_cast<unsigned>(cp >> 10));
        unit(0xDC00 + static_cast<unsigned>(cp & 0x3FF));
    }
}

}  // namespace

std::string plainTextToRichText(std::string_view text) {
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}\n\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    for (char32_t cp : toCodePoints(text)) {
        if (cp == '\n')
            out += "\\par\n";
        else if (cp == '\r')
            continue;
        else if (cp == '\t')
            out += "\\tab ";
        else if (cp == '\\' || cp == '{' || cp == '}')
            out += '\\', out += static_cast<char>(cp);
        else if (cp < 0x80)
            out += static_cast<char>(cp);
        else
            appendUnicodeEscape(out, cp);
    }
    return out + "\\par\n}\n";
}

}  // namespace torvalet
