#include "hotkeys/HotKeyText.h"

#include <array>
#include <unordered_map>
#include <vector>

#include "base/Text.h"
#include "platform/HotKeys.h"

namespace torvalet {

namespace {

struct NamedKey {
    unsigned code;
    const char* name;
};

// The English names of the virtual keys that have one. Page Up to Down, Insert and Delete are
// the keys of the editing block, not their twins on the numeric keypad ("Num 0" to "Num 9").
constexpr NamedKey namedKeys[] = {
    {8, "Backspace"},
    {9, "Tab"},
    {12, "Clear"},
    {13, "Enter"},
    {16, "Shift"},
    {17, "Ctrl"},
    {18, "Alt"},
    {19, "Pause"},
    {20, "Caps Lock"},
    {27, "Esc"},
    {32, "Space"},
    {33, "Page Up"},
    {34, "Page Down"},
    {35, "End"},
    {36, "Home"},
    {37, "Left"},
    {38, "Up"},
    {39, "Right"},
    {40, "Down"},
    {44, "Print Screen"},
    {45, "Insert"},
    {46, "Delete"},
    {91, "Left Win"},
    {92, "Right Win"},
    {93, "Menu"},
    {95, "Sleep"},
    {106, "Num *"},
    {107, "Num +"},
    {109, "Num -"},
    {110, "Num ."},
    {111, "Num /"},
    {144, "Num Lock"},
    {145, "Scroll Lock"},
    {160, "Left Shift"},
    {161, "Right Shift"},
    {162, "Left Ctrl"},
    {163, "Right Ctrl"},
    {164, "Left Alt"},
    {165, "Right Alt"},
    {166, "Browser Back"},
    {167, "Browser Forward"},
    {168, "Browser Refresh"},
    {169, "Browser Stop"},
    {170, "Browser Search"},
    {171, "Browser Favorites"},
    {172, "Browser Home"},
    {173, "Volume Mute"},
    {174, "Volume Down"},
    {175, "Volume Up"},
    {176, "Next Track"},
    {177, "Previous Track"},
    {178, "Stop Media"},
    {179, "Play/Pause"},
    {180, "Mail"},
    {186, ";"},
    {187, "="},
    {188, ","},
    {189, "-"},
    {190, "."},
    {191, "/"},
    {192, "`"},
    {219, "["},
    {220, "\\"},
    {221, "]"},
    {222, "'"},
};

std::vector<std::string> buildKeyNames() {
    std::vector<std::string> names(256);
    for (const NamedKey& key : namedKeys) names[key.code] = key.name;
    for (unsigned c = '0'; c <= '9'; ++c) names[c] = std::string(1, static_cast<char>(c));
    for (unsigned c = 'A'; c <= 'Z'; ++c) names[c] = std::string(1, static_cast<char>(c));
    for (unsigned n = 0; n <= 9; ++n) names[96 + n] = "Num " + std::to_string(n);
    for (unsigned n = 1; n <= 24; ++n) names[111 + n] = "F" + std::to_string(n);
    return names;
}

const std::vector<std::string>& keyNames() {
    static const std::vector<std::string> names = buildKeyNames();
    return names;
}

// The key of each name in capitals; a name that two keys share belongs to the lower key.
const std::unordered_map<std::string, unsigned>& keysByCapitals() {
    static const std::unordered_map<std::string, unsigned> keys = [] {
        std::unordered_map<std::string, unsigned> map;
        for (unsigned key = 8; key <= 255; ++key)
            if (!keyNames()[key].empty()) map.emplace(utf8Upper(keyNames()[key]), key);
        return map;
    }();
    return keys;
}

struct Modifier {
    Modifier(unsigned flag_, std::uint32_t bit_, std::string builtIn_, std::string display_)
        : flag(flag_),
          bit(bit_),
          builtIn(std::move(builtIn_)),
          display(std::move(display_)),
          builtInCapitals(utf8Upper(builtIn)),
          displayCapitals(utf8Upper(display)) {}

    unsigned flag;
    std::uint32_t bit;
    std::string builtIn;
    std::string display;
    std::string builtInCapitals, displayCapitals;  // for comparisons without regard to case
};

bool capitalsOnly(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < 'A' || c > 'Z') return false;
    return true;
}

// In the order of canonical texts: Ctrl, Shift, Alt, Win. The display names are taken once.
const std::array<Modifier, 4>& modifiers() {
    static const std::array<Modifier, 4> table = [] {
        const std::string alt = keyName(18);
        return std::array<Modifier, 4>{
            Modifier{HotKeyFlag::Ctrl, HotKeyBit::Ctrl, "Ctrl", keyName(17)},
            Modifier{HotKeyFlag::Shift, HotKeyBit::Shift, "Shift", keyName(16)},
            Modifier{HotKeyFlag::Alt, HotKeyBit::Alt, "Alt", alt},
            Modifier{HotKeyFlag::Win, HotKeyBit::Win, "Win", capitalsOnly(alt) ? "WIN" : "Win"}};
    }();
    return table;
}

const Modifier* modifierOf(unsigned flag) {
    for (const Modifier& m : modifiers())
        if (m.flag == flag) return &m;
    return nullptr;
}

// The modifier named by the text, in any case; nullptr when none is.
const Modifier* modifierNamed(const std::string& text) {
    const std::string capitals = utf8Upper(text);
    for (const Modifier& m : modifiers())
        if (capitals == m.builtInCapitals || (!m.display.empty() && capitals == m.displayCapitals)) return &m;
    return nullptr;
}

bool isModifierNameExactly(const std::string& text) {
    for (const Modifier& m : modifiers())
        if (text == m.builtIn || text == m.display) return true;
    return false;
}

unsigned keyNamed(const std::string& text) {
    const auto found = keysByCapitals().find(utf8Upper(text));
    return found == keysByCapitals().end() ? 0 : found->second;
}

bool isAsciiLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

unsigned mainKey(const std::string& text) {
    if (text.size() == 1 && isAsciiLetterOrDigit(text[0]))
        return static_cast<unsigned char>(text[0] >= 'a' ? text[0] - ('a' - 'A') : text[0]);
    if (utf8Length(text) > 1 && isModifierNameExactly(text)) return 0;
    return keyNamed(text);
}

// True when the part and a last "+" make the keypad's plus key, as in "Ctrl+Num +": the only
// key name with a "+" in it, which the canonical text of that key writes.
bool isKeypadPlus(const std::string& part, std::string_view afterPlus) {
    return utf8Upper(part) == "NUM" && trimmed(afterPlus).empty();
}

std::vector<std::string> parts(std::string_view text) {
    std::vector<std::string> found;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t plus = std::min(text.find('+', start), text.size());
        std::string part = trimmed(text.substr(start, plus - start));
        if (plus < text.size() && isKeypadPlus(part, text.substr(plus + 1))) {
            found.push_back(std::move(part) + " +");
            break;
        }
        if (!part.empty()) found.push_back(std::move(part));
        start = plus + 1;
    }
    return found;
}

}  // namespace

std::uint32_t makeHotKey(unsigned flags, unsigned key) {
    std::uint32_t value = key & 0xFFu;
    for (const Modifier& m : modifiers())
        if (flags & m.flag) value |= m.bit;
    return value;
}

SplitKey splitHotKey(std::uint32_t value) {
    SplitKey split{0, value & 0xFFu};
    for (const Modifier& m : modifiers())
        if (value & m.bit) split.flags |= m.flag;
    return split;
}

std::string keyName(unsigned virtualKey) { return virtualKey < 256 ? keyNames()[virtualKey] : std::string(); }

const std::string& builtInModifierName(unsigned flag) {
    static const std::string none;
    const Modifier* m = modifierOf(flag);
    return m ? m->builtIn : none;
}

const std::string& displayModifierName(unsigned flag) {
    static const std::string none;
    const Modifier* m = modifierOf(flag);
    return m ? m->display : none;
}

std::uint32_t parseHotKeyText(std::string_view text) {
    const std::vector<std::string> found = parts(text);
    if (found.empty()) return 0;
    unsigned flags = 0;
    for (std::size_t i = 0; i + 1 < found.size(); ++i) {
        const Modifier* m = modifierNamed(found[i]);
        if (!m) return 0;
        flags |= m->flag;
    }
    if (flags == 0 && found.size() > 1) return 0;
    const unsigned key = mainKey(found.back());
    return key ? makeHotKey(flags, key) : 0;
}

std::string hotKeyText(std::uint32_t value) {
    std::string text;
    for (const Modifier& m : modifiers())
        if (value & m.bit) text += m.display + "+";
    return text + keyName(value & 0xFFu);
}

}  // namespace torvalet
