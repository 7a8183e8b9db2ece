#include <gtest/gtest.h>

#include "trees/GoalLook.h"

namespace torvalet {
namespace {

constexpr SettingsColor white = 0xFFFFFF;
constexpr SettingsColor muteColour = 0x00C0FFC0;

TEST(GoalLook, StateChoosesBackgroundAndTextColour) {
    const struct {
        int state;
        SettingsColor background;
        std::optional<SettingsColor> text;  // nothing: the window text colour
    } cases[] = {
        {0, white, std::nullopt},  {1, 0xDDEEFF, 0x000000},  {2, 0xF0F0FF, 0x000000},
        {3, muteColour, 0x000000}, {4, white, std::nullopt}, {5, white, std::nullopt},
        {6, white, 0x404040},      {7, white, 0x404040},     {-1, white, std::nullopt},
    };
    for (const auto& c : cases) {
        const GoalLook look = GoalLook::of({"", "", "", 0, c.state, 3}, muteColour);
        EXPECT_EQ(look.background, c.background) << c.state;
        EXPECT_EQ(look.text, c.text) << c.state;
        EXPECT_EQ(look.transparent, c.background == white) << c.state;
        EXPECT_FALSE(look.bold) << c.state;
    }
    EXPECT_TRUE(GoalLook::of({"", "", "", 0, 3, 3}, white).transparent);
}

TEST(GoalLook, ADoneGroupStaysBoldAndIsOnlyGreyed) {
    const GoalLook look = GoalLook::of({"G", "", "", 0, 6, 0}, white);
    EXPECT_TRUE(look.bold);
    EXPECT_EQ(look.text, 0x404040);
}

TEST(GoalLook, PicturesOfTheColumns) {
    const GoalRecord plain{"", "", "", 2, 6, 12};
    const GoalRecord unchosen{"", "", "", -1, -1, -1};
    EXPECT_EQ(GoalLook::imageIndex(plain, 0), 12);
    EXPECT_EQ(GoalLook::imageIndex(plain, 1), 12);
    EXPECT_EQ(GoalLook::imageIndex(plain, 2), 42);  // "Prio" shows the state
    EXPECT_EQ(GoalLook::imageIndex(plain, 3), 46);  // "State" shows the priority
    EXPECT_EQ(GoalLook::imageIndex(plain, 4), std::nullopt);
    EXPECT_EQ(GoalLook::imageIndex(unchosen, 0), std::nullopt);
    EXPECT_EQ(GoalLook::imageIndex(unchosen, 2), 35);
    EXPECT_EQ(GoalLook::imageIndex(unchosen, 3), 43);
    EXPECT_EQ(GoalLook::imageIndex({"", "", "", 99, 99, 99}, 2), std::nullopt);
}

}  // namespace
}  // namespace torvalet
