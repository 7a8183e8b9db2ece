#include <gtest/gtest.h>

#include "app/ViewCommands.h"
#include "fakes/FakeServices.h"
#include "model/MessagePad.h"
#include "model/Settings.h"
#include "model/ViewState.h"

namespace torvalet {
namespace {

struct Views {
    ViewState view;
    MessagePad pad;
    testing::FakeUserInterface ui;
    Settings settings;
    ViewCommands commands{view, pad, ui, settings};
};

TEST(ViewCommands, PaneWidthsOnAScreen1024PixelsWide) {
    Views v;
    const struct {
        void (ViewCommands::*button)(int);
        int width;
    } cases[] = {{&ViewCommands::makeGoalPanelWide, 680},
                 {&ViewCommands::makeGoalPanelNormal, 512},
                 {&ViewCommands::makeGoalPanelSlim, 256}};
    for (const auto& c : cases) {
        (v.commands.*c.button)(1024);
        EXPECT_EQ(v.view.goalPanelWidth, c.width);
    }
    v.commands.makeGoalPanelWide(1000);  // 4 × (1000 div 6), not 4000 div 6
    EXPECT_EQ(v.view.goalPanelWidth, 664);
}

TEST(ViewCommands, TipsComeInTurnAndStartAgainAfterTheTenth) {
    Views v;
    std::vector<int> shown;
    for (int press = 0; press < 11; ++press) {
        v.commands.showNextTip();
        EXPECT_TRUE(v.view.tipVisible);
        shown.push_back(std::stoi(v.commands.tipLine().substr(5)));
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1}));
    EXPECT_EQ(v.commands.tipLine(),
              "Tip #1: Click once on TipsPanel to make it disappear. Press {Alt+F1} to show next tip...");
    v.commands.hideTip();
    EXPECT_FALSE(v.view.tipVisible);

    // The clock's minute shows a tip only while "Autoplay Tips" is checked.
    v.commands.autoplayTick();
    EXPECT_FALSE(v.view.tipVisible);
    v.commands.toggleAutoplayTips();
    v.commands.autoplayTick();
    EXPECT_TRUE(v.view.tipVisible);
    EXPECT_EQ(v.view.shownTip, 1);
}

TEST(ViewCommands, ClearingTheMessagePadAsksInTheLanguageInForce) {
    const struct {
        int language;
        bool answer;
        const char* question;
    } cases[] = {{0, false, "Are you sure to clear MessagePad?"},
                 {1, true, "Вы действительно хотите очистить MessagePad?"},
                 {2, true, "Are you sure to clear MessagePad?"},
                 {3, true, "Are you sure to clear MessagePad?"}};
    for (const auto& c : cases) {
        Views v;
        v.settings.language = Language(c.language);
        v.pad.prepend("a notice");
        v.ui.answer = c.answer;
        v.commands.clearMessagePad();
        EXPECT_EQ(v.ui.questions, std::vector<std::string>{c.question});
        EXPECT_EQ(v.pad.lines().empty(), c.answer) << c.language;
    }
}

}  // namespace
}  // namespace torvalet
