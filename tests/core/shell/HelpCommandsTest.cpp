#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "shell/HelpCommands.h"
#include "shell/Settings.h"

namespace torvalet {
namespace {

TEST(HelpCommands, HelpAndManualOfTheLanguageInForce) {
    const struct {
        int language;
        const char* help;    // nullptr: the command does nothing
        const char* manual;
    } cases[] = {{0, "Help/en.chm", "Help/en_index.htm"},
                 {1, "Help/ru.chm", "Help/ru_index.htm"},
                 {2, "Help/ru.chm", nullptr},
                 {3, nullptr, nullptr}};
    for (const auto& c : cases) {
        testing::TempDir dir;
        testing::FakeServices fakes;
        Settings settings;
        settings.iLanguage = c.language;
        std::filesystem::create_directories(dir / "Help");
        for (const char* file : {"en.chm", "ru.chm", "en_index.htm", "ru_index.htm"})
            testing::writeText(dir / "Help" / file, "help");
        HelpCommands help(fakes.shell, fakes.ui, settings, dir.path());
        help.TorvaletHelp1Click();
        help.mManualClick();
        std::vector<OpenRequest> expected;
        for (const char* file : {c.help, c.manual})
            if (file) expected.push_back({(dir.path() / file).string(), "", dir.path().string()});
        EXPECT_EQ(fakes.shell.requests, expected) << c.language;
        EXPECT_TRUE(fakes.ui.messages.empty());
    }
}

TEST(HelpCommands, AMissingHelpFileIsReported) {
    testing::TempDir dir;
    testing::FakeServices fakes;
    Settings settings;
    HelpCommands help(fakes.shell, fakes.ui, settings, dir.path());
    help.TorvaletHelp1Click();
    EXPECT_TRUE(fakes.shell.requests.empty());
    ASSERT_EQ(fakes.ui.messages.size(), 1u);
    EXPECT_NE(fakes.ui.messages[0].find("en.chm"), std::string::npos);
}

}  // namespace
}  // namespace torvalet
