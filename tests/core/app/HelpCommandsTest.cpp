#include <gtest/gtest.h>

#include "app/HelpCommands.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/Settings.h"

namespace torvalet {
namespace {

TEST(HelpCommands, HelpAndManualOfTheLanguageInForce) {
    const struct {
        int language;
        const char* help;  // nullptr: the command does nothing
        const char* manual;
    } cases[] = {{0, "Help/en.chm", "Help/en_index.htm"},
                 {1, "Help/ru.chm", "Help/ru_index.htm"},
                 {2, "Help/ru.chm", nullptr},
                 {3, nullptr, nullptr}};
    for (const auto& c : cases) {
        testing::TempDir dir;
        testing::FakeServices fakes;
        Settings settings;
        settings.language = Language(c.language);
        std::filesystem::create_directories(dir / "Help");
        for (const char* file : {"en.chm", "ru.chm", "en_index.htm", "ru_index.htm"})
            testing::writeText(dir / "Help" / file, "help");
        HelpCommands help(fakes.shell, fakes.ui, settings, dir.path());
        help.openHelp();
        help.openManual();
        std::vector<DesktopRequest> expected;
        for (const char* file : {c.help, c.manual})
            if (file)
                expected.push_back({DesktopRequest::Kind::Open, (dir.path() / file).string(), "", dir.path().string()});
        EXPECT_EQ(fakes.shell.requests, expected) << c.language;
        EXPECT_TRUE(fakes.ui.messages.empty());
    }
}

TEST(HelpCommands, AMissingHelpFileIsReported) {
    testing::TempDir dir;
    testing::FakeServices fakes;
    Settings settings;
    HelpCommands help(fakes.shell, fakes.ui, settings, dir.path());
    help.openHelp();
    EXPECT_TRUE(fakes.shell.requests.empty());
    ASSERT_EQ(fakes.ui.messages.size(), 1u);
    EXPECT_NE(fakes.ui.messages[0].find("en.chm"), std::string::npos);
}

struct Documents {
    testing::TempDir dir;
    testing::FakeServices fakes;
    Settings settings;
    HelpCommands help{fakes.shell, fakes.ui, settings, dir.path()};
    std::string home() const { return dir.path().string(); }
};

TEST(HelpCommands, InformationFilesAreMadeWhenMissingAndKeepTheirText) {
    Documents d;
    testing::writeText(d.dir / "Useful.txt", "kept");
    d.help.openPrivateInfo();
    d.help.openUsefulInfo();
    const std::vector<DesktopRequest> expected = {
        {DesktopRequest::Kind::Open, (d.dir / "Private.txt").string(), "", d.home()},
        {DesktopRequest::Kind::Open, (d.dir / "Useful.txt").string(), "", d.home()}};
    EXPECT_EQ(d.fakes.shell.requests, expected);
    EXPECT_EQ(testing::readText(d.dir / "Private.txt"), "");
    EXPECT_EQ(testing::readText(d.dir / "Useful.txt"), "kept");
    EXPECT_TRUE(d.fakes.ui.messages.empty());
}

TEST(HelpCommands, TheDayFolderIsOpenedOnceMade) {
    Documents d;
    const Date today = Date::fromYmd(2026, 12, 10);
    const std::filesystem::path folder = d.dir / "Days" / "2026-12-10";
    d.help.openDayFolder(today);
    EXPECT_TRUE(d.fakes.shell.requests.empty());
    ASSERT_EQ(d.fakes.ui.messages.size(), 1u);
    EXPECT_NE(d.fakes.ui.messages[0].find("2026-12-10"), std::string::npos);

    d.help.createDayFolder(today);
    d.help.openDayFolder(today);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    const DesktopRequest shown{DesktopRequest::Kind::ShowFolder, folder.string(), "", d.home()};
    EXPECT_EQ(d.fakes.shell.requests, std::vector<DesktopRequest>(2, shown));
    EXPECT_EQ(d.fakes.ui.messages.size(), 1u);
}

TEST(HelpCommands, WhatCannotBeMadeOrOpenedIsReported) {
    Documents d;
    testing::writeText(d.dir / "Days", "a file where the folder should be");
    d.help.createDayFolder(Date::fromYmd(2026, 12, 10));
    d.fakes.shell.succeed = false;
    d.help.mailSupport();
    d.help.openReadMe();
    ASSERT_EQ(d.fakes.ui.messages.size(), 3u);
    EXPECT_NE(d.fakes.ui.messages[0].find("Days"), std::string::npos);
    EXPECT_NE(d.fakes.ui.messages[1].find(HelpCommands::supportAddress), std::string::npos);
    EXPECT_NE(d.fakes.ui.messages[2].find("ReadMe.txt"), std::string::npos);
}

}  // namespace
}  // namespace torvalet
