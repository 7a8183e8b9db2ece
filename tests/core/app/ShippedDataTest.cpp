#include <gtest/gtest.h>

#include "app/ShippedData.h"
#include "fakes/TempDir.h"

namespace torvalet {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(ShippedData, CopiesTheShippedLanguageAndCueFilesAFolderLacks) {
    TempDir dir;
    const fs::path shipped = dir / "share";
    fs::create_directories(shipped / "Lang");
    fs::create_directories(shipped / "Sounds" / "extra");
    testing::writeText(shipped / "Lang" / "russian.lng", "[Main]\n");
    testing::writeText(shipped / "Sounds" / "ringing.wav", "RIFF shipped");
    testing::writeText(shipped / "Sounds" / "done.wav", "RIFF shipped");
    const AppPaths paths{dir / "home"};
    fs::create_directories(paths.lang());
    fs::create_directories(paths.sounds());
    testing::writeText(paths.sounds() / "done.wav", "mine");

    copyShippedData(shipped, paths);
    EXPECT_EQ(testing::readText(paths.lang() / "russian.lng"), "[Main]\n");
    EXPECT_EQ(testing::readText(paths.sounds() / "ringing.wav"), "RIFF shipped");
    EXPECT_EQ(testing::readText(paths.sounds() / "done.wav"), "mine");
    EXPECT_FALSE(fs::exists(paths.sounds() / "extra"));
}

TEST(ShippedData, NoShippedFolderOrAPartOfItMissingCopiesNothing) {
    TempDir dir;
    fs::create_directories(dir / "share" / "Sounds");
    const AppPaths paths{dir / "home"};
    fs::create_directories(paths.sounds());
    copyShippedData({}, paths);
    copyShippedData(dir / "share", paths);
    EXPECT_TRUE(fs::is_empty(paths.sounds()));
}

}  // namespace
}  // namespace torvalet
