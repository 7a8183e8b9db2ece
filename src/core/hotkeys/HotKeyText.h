#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace torvalet {

// A hot key value: the virtual key in bits 0 to 7, Shift in bit 13, Ctrl in 14, Alt in 15 and
// Win in 16 (the low 16 bits are laid out as a menu shortcut). 0 stands for no hot key.
namespace HotKeyBit {
constexpr std::uint32_t Shift = 0x2000;
constexpr std::uint32_t Ctrl = 0x4000;
constexpr std::uint32_t Alt = 0x8000;
constexpr std::uint32_t Win = 0x10000;
}  // namespace HotKeyBit

struct SplitKey {
    unsigned flags = 0;  // HotKeyFlag bits
    unsigned key = 0;    // virtual key

    bool operator==(const SplitKey&) const = default;
};

// Between (HotKeyFlag modifier flags, virtual key) and a hot key value.
std::uint32_t makeHotKey(unsigned flags, unsigned key);
SplitKey splitHotKey(std::uint32_t value);

// The English name of a virtual key ("Backspace", "Page Up", "F5", "Num 1", "L", "7", ";"),
// empty for a code that names no key.
std::string keyName(unsigned virtualKey);

// The name of a modifier (a HotKeyFlag) that texts may use: its built-in name ("Shift", "Ctrl",
// "Alt", "Win") and its display name, the one canonical texts show.
const std::string& builtInModifierName(unsigned flag);
const std::string& displayModifierName(unsigned flag);

// A hot key text such as "Ctrl+Alt+L": modifiers in any order, by built-in or display name in
// any case, joined by "+" to one main key (a letter or digit in either case, or a key name in
// any case). Blanks around the parts are ignored and empty parts dropped. 0 when the text is
// no hot key.
std::uint32_t parseHotKeyText(std::string_view text);
// The canonical text: the display names of the modifiers held, in the order Ctrl, Shift, Alt,
// Win, each followed by "+", then the key's name.
std::string hotKeyText(std::uint32_t value);

}  // namespace torvalet
