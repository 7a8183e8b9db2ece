#include <gtest/gtest.h>

#include "hotkeys/HotKeyText.h"
#include "platform/HotKeys.h"

namespace torvalet {
namespace {

TEST(HotKeyTextTest, TextsParseToValuesAndCanonicalTexts) {
    const struct {
        const char* text;
        std::uint32_t value;
        const char* canonical;
    } cases[] = {
        {"Ctrl+Alt+L", 0xC04C, "Ctrl+Alt+L"},
        {"alt+ctrl+l", 0xC04C, "Ctrl+Alt+L"},
        {"  Ctrl +  Alt+ L ", 0xC04C, "Ctrl+Alt+L"},
        {"Ctrl++L", 0x404C, "Ctrl+L"},
        {"F5", 0x74, "F5"},
        {"f5", 0x74, "F5"},
        {"A", 0x41, "A"},
        {"Ctrl+5", 0x4035, "Ctrl+5"},
        {"win+shift+page up", 0x12021, "Shift+Win+Page Up"},
        {"Ctrl+Shift+Alt+Win+num 1", 0x1E061, "Ctrl+Shift+Alt+Win+Num 1"},
        {"Ctrl+Alt+Delete", 0xC02E, "Ctrl+Alt+Delete"},
        {"Shift+Enter", 0x200D, "Shift+Enter"},
        {"Ctrl+Alt+;", 0xC0BA, "Ctrl+Alt+;"},
        {"Alt+F24", 0x8087, "Alt+F24"},
        // A key name in another case than a modifier's is looked up as a key.
        {"Ctrl+shift", 0x4010, "Ctrl+Shift"},
        // No hot key:
        {"Ctrl+Shift", 0, nullptr},    // no main key
        {"Ctrl+Foo", 0, nullptr},      // no key of that name
        {"Hyper+A", 0, nullptr},       // a first part that is no modifier
        {"Ctrl+Alt+L+K", 0, nullptr},  // L is no modifier
        {"Ctrl++", 0, nullptr},        // "+" cannot be a key
        {"+", 0, nullptr},
        {"", 0, nullptr},
        {"   ", 0, nullptr},
        // The keypad's plus key keeps the "+" of its name.
        {"Ctrl+Num +", 0x406B, "Ctrl+Num +"},
        {"num+", 0x6B, "Num +"},
        {"Num + ", 0x6B, "Num +"},
        {"Ctrl+Num", 0, nullptr},       // "Num" alone names no key
        {"Num+A", 0, nullptr},          // and is no modifier
        {"Ctrl+\xD0\xB6", 0, nullptr},  // a Cyrillic letter has no key code of its own
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseHotKeyText(c.text), c.value);
        if (c.canonical) {
            EXPECT_EQ(hotKeyText(c.value), c.canonical);
        }
    }
}

TEST(HotKeyTextTest, ModifierFlagsAndValueBits) {
    const struct {
        unsigned flags;
        std::uint32_t bits;
    } cases[] = {{HotKeyFlag::Alt, 0x8000},
                 {HotKeyFlag::Ctrl, 0x4000},
                 {HotKeyFlag::Shift, 0x2000},
                 {HotKeyFlag::Win, 0x10000},
                 {HotKeyFlag::Alt | HotKeyFlag::Ctrl | HotKeyFlag::Win, 0x1C000}};
    for (const auto& c : cases) {
        EXPECT_EQ(makeHotKey(c.flags, 0x4C), c.bits | 0x4C);
        EXPECT_EQ(splitHotKey(c.bits | 0x4C), (SplitKey{c.flags, 0x4C}));
    }
    EXPECT_EQ(builtInModifierName(HotKeyFlag::Win), "Win");
    EXPECT_EQ(displayModifierName(HotKeyFlag::Win), "Win");
    EXPECT_EQ(displayModifierName(HotKeyFlag::Ctrl), "Ctrl");
}

TEST(HotKeyTextTest, KeyNames) {
    const struct {
        unsigned key;
        const char* name;
    } cases[] = {{8, "Backspace"}, {13, "Enter"},  {33, "Page Up"}, {35, "End"}, {40, "Down"},
                 {45, "Insert"},   {46, "Delete"}, {48, "0"},       {90, "Z"},   {96, "Num 0"},
                 {105, "Num 9"},   {106, "Num *"}, {107, "Num +"},  {112, "F1"}, {135, "F24"},
                 {0, ""},          {7, ""},        {136, ""},       {255, ""},   {300, ""}};
    for (const auto& c : cases) EXPECT_EQ(keyName(c.key), c.name) << c.key;
}

// Every named key reads back as itself: no two keys share a name.
TEST(HotKeyTextTest, EveryNamedKeyReadsBackAsItself) {
    for (unsigned key = 8; key <= 255; ++key) {
        const std::string name = keyName(key);
        if (name.empty() || name.find('+') != std::string::npos || name == "Shift" || name == "Ctrl" || name == "Alt")
            continue;
        const std::uint32_t value = makeHotKey(HotKeyFlag::Ctrl | HotKeyFlag::Alt, key);
        EXPECT_EQ(parseHotKeyText(hotKeyText(value)), value) << name;
    }
}

}  // namespace
}  // namespace torvalet
