#include <gtest/gtest.h>

#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "trees/RecordFields.h"
#include "trees/TreeFileIo.h"

namespace torvalet {
namespace {

// Writes a file of two top-level items, the second saved hidden with a hidden child.
void writeHidden(const std::filesystem::path& file, TreeId id) {
    ItemTree tree(id);
    TreeNode* shown = tree.appendChild();
    *firstTextField(*shown) = "Shown";
    TreeNode* hidden = tree.appendChild();
    *firstTextField(*hidden) = "Hidden";
    *firstTextField(*tree.appendChild(hidden)) = "Child";
    hidden->setFlag(NodeFlag::Visible, false);
    hidden->firstChild()->setFlag(NodeFlag::Visible, false);
    saveTreeFile(tree, file, TextCodec());
}

TEST(StartUpNavigationTest, StartShowsEveryLevelAndBuildsTheTags) {
    testing::TempDir dir;
    testing::FakeServices fakes;
    Organizer::provision(AppPaths{dir.path()});
    writeHidden(dir / "goals3.dat", TreeId::MonthGoalTree);
    writeHidden(dir / "links.goto", TreeId::LinksTree);
    writeHidden(dir / "contacts.co", TreeId::ContactsTree);
    writeHidden(dir / "phrases.phr", TreeId::PhrasesTree);

    Organizer organizer(fakes.services, dir.path());
    organizer.start();
    for (TreeId name : {TreeId::MonthGoalTree, TreeId::LinksTree, TreeId::ContactsTree}) {
        organizer.trees().get(name).forEach(
            [name](TreeNode* node) { EXPECT_TRUE(node->hasFlag(NodeFlag::Visible)) << name; });
    }
    // The other trees keep the flags they were saved with.
    EXPECT_FALSE(organizer.trees().get(TreeId::PhrasesTree).root()->lastChild()->hasFlag(NodeFlag::Visible));
    for (TreeId tags : {TreeId::LinkTagsTree, TreeId::ContactTagsTree}) {
        const ItemTree& list = organizer.trees().get(tags);
        ASSERT_EQ(list.nodeCount(), 2u) << tags;
        EXPECT_EQ(*firstTextField(*list.root()->lastChild()), "Hidden") << tags;
    }
    EXPECT_TRUE(fakes.ui.messages.empty());
}

}  // namespace
}  // namespace torvalet
