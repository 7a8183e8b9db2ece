#include <gtest/gtest.h>

#include "TreeBytes.h"
#include "base/Errors.h"
#include "fakes/TempDir.h"
#include "trees/TreeError.h"
#include "trees/TreeFileIo.h"
#include "trees/TreeFiles.h"
#include "trees/TreeTable.h"

namespace torvalet {
namespace {

using testing::addGoal;
using testing::kOneGoalFile;
using testing::shape;

TEST(TreeFileIo, MissingFileFailsBeforeTheTreeIsTouched) {
    testing::TempDir dir;
    ItemTree tree(TreeId::DayGoalTree);
    addGoal(tree, nullptr, "kept");
    const auto path = dir / "goals.dat";
    try {
        loadTreeFile(tree, path, TextCodec());
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot open file \"" + path.string() + "\". ", 0), 0u)
            << error.what();
    }
    EXPECT_EQ(shape(tree), "kept");
}

TEST(TreeFileIo, SavesAtomicallyAndLoadsBack) {
    testing::TempDir dir;
    const auto path = dir / "goals.dat";
    ItemTree tree(TreeId::DayGoalTree);
    addGoal(tree, addGoal(tree, nullptr, "Привет"), "child");
    saveTreeFile(tree, path, TextCodec("1251"));
    EXPECT_NE(testing::readText(path).find("\xcf\xf0\xe8\xe2\xe5\xf2"), std::string::npos);

    ItemTree read(TreeId::DayGoalTree);
    FileFingerprint fingerprint;
    loadTreeFile(read, path, TextCodec("1251"), &fingerprint);
    EXPECT_EQ(fingerprint, FileFingerprint::of(testing::readText(path)));
    EXPECT_EQ(shape(read), "Привет[child]");
    EXPECT_THROW(saveTreeFile(tree, dir / "missing" / "goals.dat", TextCodec()), FileError);
}

TEST(TreeFileIo, DamagedFileKeepsWhatWasRead) {
    testing::TempDir dir;
    testing::writeText(dir / "goals.dat", kOneGoalFile.substr(0, 60));
    ItemTree tree(TreeId::DayGoalTree);
    EXPECT_THROW(loadTreeFile(tree, dir / "goals.dat", TextCodec()), TreeError);
    EXPECT_EQ(tree.nodeCount(), 1u);
}

// A walk sees each top-level item with its subtree, alone in the scratch tree, in file order; a
// damaged file fails when the walk reaches the damage, after the whole items before it.
TEST(TreeFileIo, WalkSeesEachTopLevelItemAloneAndFailsAtTheDamage) {
    testing::TempDir dir;
    ItemTree tree(TreeId::DayGoalTree);
    addGoal(tree, addGoal(tree, nullptr, "a"), "a1");
    addGoal(tree, nullptr, "b");
    addGoal(tree, addGoal(tree, nullptr, "c"), "c1");
    const auto path = dir / "goals.dat";
    saveTreeFile(tree, path, TextCodec());
    const std::string bytes = testing::readText(path);

    ItemTree scratch(TreeId::DayGoalTree);
    addGoal(scratch, nullptr, "left over");
    std::vector<std::string> seen;
    const auto walk = [&] {
        seen.clear();
        walkTreeFile(scratch, path, TextCodec(), [&](const ItemTree& item) { seen.push_back(shape(item)); });
    };
    walk();
    EXPECT_EQ(seen, (std::vector<std::string>{"a[a1]", "b", "c[c1]"}));
    EXPECT_EQ(scratch.nodeCount(), 0u);

    testing::writeText(path, bytes.substr(0, bytes.size() - 10));
    EXPECT_THROW(walk(), TreeError);
    EXPECT_EQ(seen, (std::vector<std::string>{"a[a1]", "b"}));
}

TEST(TreeFiles, NamesEveryTreeFileAndItsFamily) {
    ASSERT_EQ(treeFiles().size(), 14u);
    EXPECT_EQ(treeFiles().front().fileName, "goals.dat");
    EXPECT_EQ(treeFiles().back().fileName, "phrases.phr");
    EXPECT_EQ(treeInfo(TreeId::ToolsTree).fileName, "tools.goto");
    EXPECT_TRUE(treeInfo(TreeId::ImagesTree).readOnlyWhenPresent);
    EXPECT_TRUE(treeInfo(TreeId::ContactTagsTree).fileName.empty());
    for (const TreeInfo& file : treeFiles()) {
        EXPECT_EQ(recordFamilyOfFile("/home/u/" + std::string(file.fileName)), file.family) << file.fileName;
    }
    EXPECT_EQ(recordFamilyOfFile("backup/goals-old.dat"), RecordFamily::Goals);
    EXPECT_FALSE(recordFamilyOfFile("notes.dat"));
    EXPECT_FALSE(recordFamilyOfFile("torvalet.ini"));
}

}  // namespace
}  // namespace torvalet
