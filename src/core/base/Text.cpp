#include "base/Text.h"

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <cerrno>
#include <stdexcept>

#include "base/Errors.h"

namespace torvalet {

namespace {

// Decodes one code point at `pos`, advancing it; returns U+FFFD for an invalid sequence.
char32_t nextCodePoint(std::string_view text, std::size_t& pos, bool* valid = nullptr) {
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

}  // namespace

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

std::string iconvNameOf(const std::string& codePage) {
    const std::string upper = utf8Upper(trimmed(codePage));
    if (upper.empty() || upper == "UTF-8" || upper == "UTF8" || upper == "65001") return {};
    const std::string digits = upper.rfind("WINDOWS-", 0) == 0 ? upper.substr(8)
                               : upper.rfind("CP", 0) == 0     ? upper.substr(2)
                                                               : upper;
    if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos) return "CP" + digits;
    return upper;
}

// Runs iconv over the whole input; unconvertible input becomes `replacement`.
std::string convert(iconv_t cd, std::string_view in, std::string_view replacement) {
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            const std::size_t used = static_cast<std::size_t>(outPtr - out.data());
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
            continue;
        }
        // EILSEQ or EINVAL: skip one input character and put the replacement in its place.
        std::size_t skip = 1;
        if (errno == EILSEQ && static_cast<unsigned char>(*inPtr) >= 0x80) {
            std::size_t pos = 0;
            nextCodePoint(std::string_view(inPtr, inLeft), pos);
            skip = pos > 0 ? pos : 1;
        }
        inPtr += skip;
        inLeft -= skip;
        while (outLeft < replacement.size() + 8) {
            const std::size_t used = static_cast<std::size_t>(outPtr - out.data());
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
        }
        for (char c : replacement) *outPtr++ = c, --outLeft;
    }
    out.resize(static_cast<std::size_t>(outPtr - out.data()));
    return out;
}

std::string convertWith(const std::string& to, const std::string& from, std::string_view text,
                        std::string_view replacement) {
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) throw Error("Unknown code page: " + (to == "UTF-8" ? from : to));
    std::string out = convert(cd, text, replacement);
    iconv_close(cd);
    return out;
}

}  // namespace

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) nextCodePoint(text, pos);
    return count;
}

std::string utf8Left(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n) nextCodePoint(text, pos);
    return std::string(text.substr(0, pos));
}

std::string utf8Upper(std::string_view text) { return mapCase(text, upperOf); }
std::string utf8Lower(std::string_view text) { return mapCase(text, lowerOf); }

bool equalsIgnoreCase(std::string_view a, std::string_view b) { return utf8Upper(a) == utf8Upper(b); }

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

TextCodec::TextCodec(std::string codePage) : codePage_(std::move(codePage)), iconvName_(iconvNameOf(codePage_)) {
    utf8_ = iconvName_.empty();
    if (!utf8_) {
        iconv_t cd = iconv_open("UTF-8", iconvName_.c_str());
        if (cd == reinterpret_cast<iconv_t>(-1)) throw Error("Unknown code page: " + codePage_);
        iconv_close(cd);
    }
}

std::string TextCodec::decode(std::string_view bytes) const {
    if (utf8_) return std::string(bytes);
    return convertWith("UTF-8", iconvName_, bytes, "\xEF\xBF\xBD");
}

std::string TextCodec::encode(std::string_view text) const {
    if (utf8_) return std::string(text);
    return convertWith(iconvName_, "UTF-8", text, "?");
}

}  // namespace torvalet
