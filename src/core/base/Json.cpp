#include "base/Json.h"

#include <cmath>
#include <cstdio>

#include "base/Text.h"

namespace torvalet {

std::string quotedText(std::string_view text, const char* controlFormat) {
    std::string out = "\"";
    for (char c : validUtf8(text)) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte == 0x7F) {
                char escape[8];
                std::snprintf(escape, sizeof escape, controlFormat, static_cast<unsigned>(byte));
                out += escape;
            } else {
                out += c;
            }
        }
        }
    }
    return out + "\"";
}

std::string jsonString(std::string_view text) { return quotedText(text, "\\u%04x"); }

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[32];
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    else
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

}  // namespace torvalet
