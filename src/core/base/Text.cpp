#include "base/Text.h"

#include <locale.h>
#include <wctype.h>

namespace torvalet {

char32_t nextCodePoint(std::string_view text, std::size_t& pos, bool* valid) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        if (valid) *valid = true;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07;
    } else {
        ++pos;
        if (valid) *valid = false;
        return 0xFFFD;
    }
    std::size_t i = pos + 1;
    for (int k = 0; k < extra; ++k, ++i) {
        if (i >= text.size() || (byte(i) & 0xC0) != 0x80) {
            pos = i;
            if (valid) *valid = false;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    const bool ok = !overlong && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    pos = i;
    if (valid) *valid = ok;
    return ok ? cp : 0xFFFD;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

locale_t utf8Locale() {
    static const locale_t locale = [] {
        locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        if (!loc) loc = newlocale(LC_CTYPE_MASK, "C.utf8", static_cast<locale_t>(nullptr));
        return loc;
    }();
    return locale;
}

template <typename Map>
std::string mapCase(std::string_view text, Map map) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        bool valid = true;
        const char32_t cp = nextCodePoint(text, pos, &valid);
        if (!valid) {
            out.append(text.substr(start, pos - start));
            continue;
        }
        appendUtf8(out, map(cp));
    }
    return out;
}

char32_t upperOf(char32_t cp) {
    if (cp < 0x80) return (cp >= 'a' && cp <= 'z') ? cp - 32 : cp;
    const locale_t loc = utf8Locale();
    return loc ? static_cast<char32_t>(towupper_l(static_cast<wint_t>(cp), loc)) : cp;
}

char32_t lowerOf(char32_t cp) {
    if (cp < 0x80) return (cp >= 'A' && cp <= 'Z') ? cp + 32 : cp;
    const locale_t loc = utf8Locale();
    return loc ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), loc)) : cp;
}

}  // namespace

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) nextCodePoint(text, pos);
    return count;
}

std::string utf8Left(std::string_view text, std::size_t count) {
    if (text.size() <= count) return std::string(text);  // no more characters than bytes
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n) nextCodePoint(text, pos);
    return std::string(text.substr(0, pos));
}

std::string utf8Upper(std::string_view text) { return mapCase(text, upperOf); }
std::string utf8Lower(std::string_view text) { return mapCase(text, lowerOf); }

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    const auto ascii = [](std::string_view text) {
        for (char c : text)
            if (static_cast<unsigned char>(c) >= 0x80) return false;
        return true;
    };
    if (!ascii(a) || !ascii(b)) return utf8Upper(a) == utf8Upper(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperOf(static_cast<unsigned char>(a[i])) != upperOf(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::string trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::u32string toCodePoints(std::string_view text) {
    std::u32string out;
    for (std::size_t pos = 0; pos < text.size();) out += nextCodePoint(text, pos);
    return out;
}

std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) appendUtf8(out, nextCodePoint(text, pos));
    return out;
}

}  // namespace torvalet
