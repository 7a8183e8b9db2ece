#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "app/AppFolderLock.h"
#include "app/Provisioning.h"
#include "base/Text.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "model/MessagePad.h"
#include "tasks/TaskStore.h"

namespace torvalet {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(AppFolder, ResolvesHomeThenPortableCopyThenUserDataFolder) {
    TempDir dir;
    fs::create_directories(dir / "portable" / "Data");
    fs::create_directories(dir / "plain");
    struct Case {
        AppFolderEnvironment environment;
        fs::path expected;
    };
    const Case cases[] = {
        {{"/opt/t", "/xdg", "/home/u", dir / "portable"}, "/opt/t"},
        {{std::nullopt, "/xdg", "/home/u", dir / "portable"}, dir / "portable"},
        {{std::nullopt, "/xdg", "/home/u", dir / "plain"}, "/xdg/torvalet"},
        {{std::nullopt, std::nullopt, "/home/u", dir / "plain"}, "/home/u/.local/share/torvalet"},
    };
    for (const Case& c : cases) EXPECT_EQ(resolveApplicationFolder(c.environment), c.expected);
}

TEST(AppFolder, ProvisionsANewFolderAndNeverReplacesFiles) {
    TempDir dir;
    const AppPaths paths{dir / "home"};
    int treeCalls = 0;
    provisionApplicationFolder(paths, [&] { ++treeCalls; });
    for (const fs::path& folder : {paths.data(), paths.lang(), paths.sounds(), paths.logs(), paths.tasks()})
        EXPECT_TRUE(fs::is_directory(folder)) << folder;
    EXPECT_TRUE(fs::exists(TaskStore::storeFile(paths.data())));
    for (const char* cue : {"ringing", "bigben", "recycle", "prepare", "atwork", "mute", "done", "undone", "delegated"})
        EXPECT_EQ(testing::readText(paths.sounds() / (std::string(cue) + ".wav")).substr(0, 4), "RIFF") << cue;
    for (const char* language : {"english", "russian", "macedonian", "hellenic"})
        EXPECT_NE(testing::readText(paths.lang() / (std::string(language) + ".lng")).find("[Form1]"), std::string::npos)
            << language;
    EXPECT_NE(testing::readText(paths.home / "ReadMe.txt").find("Torvalet"), std::string::npos);
    EXPECT_EQ(treeCalls, 1);

    for (const fs::path& file : {paths.sounds() / "done.wav", paths.lang() / "russian.lng", paths.home / "ReadMe.txt"})
        testing::writeText(file, "mine");
    provisionApplicationFolder(paths, [&] { ++treeCalls; });
    EXPECT_EQ(treeCalls, 1);
    for (const fs::path& file : {paths.sounds() / "done.wav", paths.lang() / "russian.lng", paths.home / "ReadMe.txt"})
        EXPECT_EQ(testing::readText(file), "mine") << file;
}

TEST(AppFolder, AGuideThatCannotBeWrittenStopsNothing) {
    TempDir dir;
    const AppPaths paths{dir / "home"};
    fs::create_directories(paths.home);
    fs::create_symlink(dir / "missing" / "ReadMe.txt", paths.home / "ReadMe.txt");
    int treeCalls = 0;
    EXPECT_NO_THROW(provisionApplicationFolder(paths, [&] { ++treeCalls; }));
    EXPECT_EQ(treeCalls, 1);
    EXPECT_TRUE(fs::exists(TaskStore::storeFile(paths.data())));
}

TEST(AppFolder, ADataFolderWithOtherFilesGetsNoNewStore) {
    TempDir dir;
    const AppPaths paths{dir.path()};
    fs::create_directories(paths.data());
    testing::writeText(paths.data() / "tasks.dbf", "old tables");
    provisionApplicationFolder(paths, nullptr);
    EXPECT_FALSE(fs::exists(TaskStore::storeFile(paths.data())));
}

TEST(AppFolderLock, OneHolderAtATimeAndRecoveredWhenTheHolderDies) {
    TempDir dir;
    AppFolderLock first(dir.path());
    ASSERT_TRUE(first.tryLock());

    // Another process cannot take it while we hold it.
    const pid_t child = fork();
    if (child == 0) {
        AppFolderLock second(dir.path());
        _exit(second.tryLock() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);

    // A holder that dies without unlocking leaves the folder free.
    first.unlock();
    const pid_t holder = fork();
    if (holder == 0) {
        AppFolderLock mine(dir.path());
        _exit(mine.tryLock() ? 0 : 1);
    }
    waitpid(holder, &status, 0);
    AppFolderLock after(dir.path());
    EXPECT_TRUE(after.tryLock());
}

TEST(MessagePad, RoundTripsLinesThroughTheCodePage) {
    MessagePad pad;
    pad.setLines({"...-> #0 [ 08.12.2026 :: 09:05 ]", "Привет"});
    const std::string bytes = pad.bytes(TextCodec("1251"));
    EXPECT_EQ(bytes.size(), 40u);
    EXPECT_EQ(MessagePad::linesOf(bytes, TextCodec("1251")), pad.lines());
    EXPECT_EQ(MessagePad::linesOf("one\r\ntwo\r\n", TextCodec()), (std::vector<std::string>{"one", "two"}));
}

}  // namespace
}  // namespace torvalet
