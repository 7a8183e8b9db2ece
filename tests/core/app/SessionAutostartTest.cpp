#include <gtest/gtest.h>

#include "app/SessionAutostart.h"
#include "base/Errors.h"
#include "fakes/TempDir.h"

namespace torvalet {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(SessionAutostart, FolderFromTheEnvironment) {
    struct Case {
        std::optional<std::string> xdgConfigHome, home;
        fs::path expected;
    };
    const Case cases[] = {
        {"/cfg", "/home/u", "/cfg/autostart"},
        {"relative/cfg", "/home/u", "/home/u/.config/autostart"},
        {std::nullopt, "/home/u", "/home/u/.config/autostart"},
    };
    for (const Case& c : cases) EXPECT_EQ(SessionAutostart::userFolder(c.xdgConfigHome, c.home), c.expected);
}

TEST(SessionAutostart, ExecArgumentsAreQuotedAndEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"/usr/bin/torvalet", "/usr/bin/torvalet"},
        {"/opt/My Apps/torvalet", "\"/opt/My Apps/torvalet\""},
        {"/home/u/100%/torvalet", "/home/u/100%%/torvalet"},
        {"/tmp/a$b\\c\"d`e", "\"/tmp/a\\$b\\\\c\\\"d\\`e\""},
    };
    for (const auto& [argument, expected] : cases) EXPECT_EQ(desktopExecArgument(argument), expected) << argument;
}

TEST(SessionAutostart, EntryExecEscapesBackslashesAgainAsAStringValue) {
    const SessionAutostart autostart("/cfg/autostart", "/opt/a b/x\\y");
    EXPECT_NE(autostart.entryText().find("\nExec=\"/opt/a b/x\\\\\\\\y\"\n"), std::string::npos)
        << autostart.entryText();
}

TEST(SessionAutostart, TheSessionStartsTheProgramOnTheFolderItWasEnabledFrom) {
    const SessionAutostart plain("/cfg/autostart", "/usr/bin/torvalet");
    EXPECT_NE(plain.entryText().find("\nExec=/usr/bin/torvalet\n"), std::string::npos) << plain.entryText();
    const SessionAutostart other("/cfg/autostart", "/usr/bin/torvalet", "/home/u/My Organiser");
    EXPECT_NE(other.entryText().find("\nExec=env \"TORVALET_HOME=/home/u/My Organiser\" /usr/bin/torvalet\n"),
              std::string::npos)
        << other.entryText();
}

TEST(SessionAutostart, WritesRemovesAndReflectsTheEntry) {
    TempDir dir;
    const SessionAutostart autostart(dir / "config" / "autostart", "/usr/bin/torvalet");
    EXPECT_FALSE(autostart.enabled());
    autostart.setEnabled(true);  // the folder does not exist yet
    EXPECT_TRUE(autostart.enabled());
    EXPECT_EQ(testing::readText(autostart.entryFile()), autostart.entryText());

    autostart.setEnabled(false);
    EXPECT_FALSE(fs::exists(autostart.entryFile()));
    autostart.setEnabled(false);  // nothing to remove is no error
    EXPECT_FALSE(autostart.enabled());
}

TEST(SessionAutostart, AnEntrySwitchedOffByTheDesktopIsNotEnabledUntilWrittenAgain) {
    TempDir dir;
    const SessionAutostart autostart(dir.path(), "/usr/bin/torvalet");
    const std::pair<std::string, bool> cases[] = {
        {"[Desktop Entry]\nExec=torvalet\nHidden=true\n", false},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled = false\n", false},
        {"[Desktop Entry]\nHidden=false\n[Desktop Action x]\nHidden=true\n", true},
    };
    for (const auto& [text, enabled] : cases) {
        testing::writeText(autostart.entryFile(), text);
        EXPECT_EQ(autostart.enabled(), enabled) << text;
    }
    testing::writeText(autostart.entryFile(), cases[0].first);
    autostart.setEnabled(true);
    EXPECT_TRUE(autostart.enabled());
}

TEST(SessionAutostart, AFolderThatCannotBeMadeIsAFileError) {
    TempDir dir;
    testing::writeText(dir / "config", "a file, not a folder");
    const SessionAutostart autostart(dir / "config" / "autostart", "/usr/bin/torvalet");
    EXPECT_THROW(autostart.setEnabled(true), FileError);
    EXPECT_FALSE(autostart.enabled());
}

}  // namespace
}  // namespace torvalet
