#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "base/Errors.h"
#include "base/Text.h"

namespace torvalet {

namespace {

// Bytes the code page does not define read as U+EF00 + byte, a private-use block that no
// Windows code page maps a byte to.
constexpr char32_t kKeptByteBase = 0xEF00;

bool isKeptByte(char32_t cp) { return cp >= kKeptByteBase && cp <= kKeptByteBase + 0xFF; }

// A pair of bytes in the table of characters to bytes: lead * 256 + trail, with this bit set.
constexpr std::uint32_t kPair = 0x10000;
// Marks the entries of that table that hold bytes.
constexpr std::uint32_t kFound = 0x80000000;

std::string iconvNameOf(const std::string& codePage) {
    const std::string upper = utf8Upper(trimmed(codePage));
    if (upper.empty() || upper == "UTF-8" || upper == "UTF8" || upper == "65001") return {};
    const std::string digits = upper.rfind("WINDOWS-", 0) == 0 ? upper.substr(8)
                               : upper.rfind("CP", 0) == 0     ? upper.substr(2)
                                                               : upper;
    if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos) return "CP" + digits;
    return upper;
}

// An iconv conversion descriptor to UTF-8, closed when it goes.
class Iconv {
public:
    enum class Result { Character, Undefined, Incomplete };

    explicit Iconv(const std::string& from) : cd_(iconv_open("UTF-8", from.c_str())) {}
    ~Iconv() {
        if (valid()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // What the bytes alone decode to: one character, or why not.
    Result decode(std::string_view bytes, char32_t& cp) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        char buffer[32];
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        if (iconv(cd_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1))
            return errno == EINVAL ? Result::Incomplete : Result::Undefined;
        // A character held back for a combining mark comes out now.
        iconv(cd_, nullptr, nullptr, &out, &outLeft);
        const std::string_view produced(buffer, static_cast<std::size_t>(out - buffer));
        if (produced.empty()) return Result::Undefined;
        std::size_t pos = 0;
        bool valid = false;
        cp = nextCodePoint(produced, pos, &valid);
        return valid && pos == produced.size() ? Result::Character : Result::Undefined;
    }

private:
    iconv_t cd_;
};

}  // namespace

// What a code page does with each byte and, in a code page of two-byte characters, with each
// pair that starts with a lead byte. Built once from iconv; decoding and encoding then use the
// tables alone. Every byte or pair that reads as a character has a character that nothing else
// reads as, so that encoding gives back exactly the bytes that were decoded.
struct TextCodec::Table {
    std::array<char32_t, 256> charOf{};
    // The UTF-8 bytes of charOf, ready to append.
    std::array<std::array<char, 4>, 256> utf8Of{};
    std::array<unsigned char, 256> utf8Size{};
    // For a lead byte, the characters of the pairs it starts (0: the pair is no character).
    std::array<std::unique_ptr<std::array<char32_t, 256>>, 256> pairOf;
    // The bytes of each character, by blocks of 256 characters: 0 for none, else kFound with the
    // byte or the kPair-marked pair.
    std::vector<std::unique_ptr<std::array<std::uint32_t, 256>>> bytesOf;
    bool asciiAsIs = true;
    bool hasPairs = false;

    bool build(const std::string& iconvName);
    std::string decode(std::string_view bytes) const;
    std::string encode(std::string_view text) const;

private:
    std::string decodePairs(std::string_view bytes) const;

    // The character of the file text at `pos`, moving `pos` past its one or two bytes.
    char32_t next(std::string_view bytes, std::size_t& pos) const {
        const auto lead = static_cast<unsigned char>(bytes[pos]);
        if (pairOf[lead] && pos + 1 < bytes.size()) {
            const char32_t cp = (*pairOf[lead])[static_cast<unsigned char>(bytes[pos + 1])];
            if (cp != 0) {
                pos += 2;
                return cp;
            }
        }
        ++pos;
        return charOf[lead];
    }
};

bool TextCodec::Table::build(const std::string& iconvName) {
    Iconv toUtf8(iconvName);
    if (!toUtf8.valid()) return false;
    std::map<char32_t, std::uint32_t> taken;
    // Takes the character for these bytes when nothing else has it.
    const auto own = [&](Iconv::Result result, char32_t cp, std::uint32_t bytes) {
        if (result != Iconv::Result::Character || isKeptByte(cp) || (cp == 0 && bytes != 0)) return false;
        return taken.emplace(cp, bytes).second;
    };
    std::vector<unsigned char> leads;
    for (unsigned b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        char32_t cp = 0;
        const Iconv::Result result = toUtf8.decode(std::string_view(&byte, 1), cp);
        if (result == Iconv::Result::Incomplete) leads.push_back(static_cast<unsigned char>(b));
        charOf[b] = own(result, cp, b) ? cp : kKeptByteBase + b;
        if (b < 0x80 && charOf[b] != b) asciiAsIs = false;
    }
    for (const unsigned char lead : leads) {
        auto pairs = std::make_unique<std::array<char32_t, 256>>();
        for (unsigned trail = 0; trail < 256; ++trail) {
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            char32_t cp = 0;
            const Iconv::Result result = toUtf8.decode(std::string_view(pair, 2), cp);
            if (own(result, cp, kPair | static_cast<std::uint32_t>(lead) << 8 | trail)) (*pairs)[trail] = cp;
        }
        pairOf[lead] = std::move(pairs);
    }
    for (unsigned b = 0; b < 256; ++b) {
        if (isKeptByte(charOf[b])) taken.emplace(charOf[b], b);
        std::string utf8;
        appendUtf8(utf8, charOf[b]);
        std::copy(utf8.begin(), utf8.end(), utf8Of[b].begin());
        utf8Size[b] = static_cast<unsigned char>(utf8.size());
    }
    hasPairs = !leads.empty();
    bytesOf.resize(0x110000 / 256);
    for (const auto& [cp, bytes] : taken) {
        auto& block = bytesOf[cp >> 8];
        if (!block) block = std::make_unique<std::array<std::uint32_t, 256>>();
        (*block)[cp & 0xFF] = kFound | bytes;
    }
    return true;
}

std::string TextCodec::Table::decode(std::string_view bytes) const {
    if (hasPairs) return decodePairs(bytes);
    std::size_t size = 0;
    for (const char c : bytes) size += utf8Size[static_cast<unsigned char>(c)];
    std::string out(size, '\0');
    char* write = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        for (unsigned char i = 0; i < utf8Size[b]; ++i) *write++ = utf8Of[b][i];
    }
    return out;
}

std::string TextCodec::Table::decodePairs(std::string_view bytes) const {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (std::size_t pos = 0; pos < bytes.size();) appendUtf8(out, next(bytes, pos));
    return std::string(out);
}

std::string TextCodec::Table::encode(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        if (lead < 0x80 && asciiAsIs) {
            out += static_cast<char>(lead);
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        bool valid = false;
        const char32_t cp = nextCodePoint(text, pos, &valid);
        if (!valid) pos = start + 1;
        const auto& block = bytesOf[cp >> 8];
        const std::uint32_t bytes = valid && block ? (*block)[cp & 0xFF] : 0;
        if (!(bytes & kFound)) {
            out += '?';
        } else if (bytes & kPair) {
            out += static_cast<char>(bytes >> 8 & 0xFF);
            out += static_cast<char>(bytes & 0xFF);
        } else {
            out += static_cast<char>(bytes & 0xFF);
        }
    }
    return out;
}

namespace {

// Tables are built once per code page and shared by every codec of it.
std::shared_ptr<const TextCodec::Table> tableFor(const std::string& iconvName) {
    static std::mutex lock;
    static std::map<std::string, std::shared_ptr<const TextCodec::Table>> tables;
    const std::lock_guard guard(lock);
    if (const auto found = tables.find(iconvName); found != tables.end()) return found->second;
    auto table = std::make_shared<TextCodec::Table>();
    if (!table->build(iconvName)) return nullptr;
    tables.emplace(iconvName, table);
    return table;
}

}  // namespace

TextCodec::TextCodec(std::string codePage) : codePage_(std::move(codePage)) {
    const std::string iconvName = iconvNameOf(codePage_);
    if (iconvName.empty()) return;
    table_ = tableFor(iconvName);
    if (!table_) throw Error("Unknown code page: " + codePage_);
}

std::string TextCodec::decode(std::string_view bytes) const {
    return table_ ? table_->decode(bytes) : std::string(bytes);
}

std::string TextCodec::encode(std::string_view text) const { return table_ ? table_->encode(text) : std::string(text); }

}  // namespace torvalet
