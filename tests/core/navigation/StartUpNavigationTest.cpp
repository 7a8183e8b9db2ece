#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "shell/AppFolder.h"
#include "shell/Organizer.h"
#include "trees/RecordFields.h"
#include "trees/TreeFileIo.h"

namespace torvalet {
namespace {

// Writes a file of two top-level items, the second saved hidden with a hidden child.
void writeHidden(const std::filesystem::path& file, const char* treeName, RecordFamily family) {
    ItemTree tree(treeName, family);
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
    writeHidden(dir / "goals3.dat", "Goal3Tree", RecordFamily::Goals);
    writeHidden(dir / "links.goto", "LinksTree", RecordFamily::Links);
    writeHidden(dir / "contacts.co", "ContactsTree", RecordFamily::Contacts);
    writeHidden(dir / "phrases.phr", "PhrasesTree", RecordFamily::Phrases);

    Organizer organizer(fakes.services, dir.path());
    organizer.start();
    for (const char* name : {"Goal3Tree", "LinksTree", "ContactsTree"}) {
        organizer.trees().get(name).forEach(
            [name](TreeNode* node) { EXPECT_TRUE(node->hasFlag(NodeFlag::Visible)) << name; });
    }
    // The other trees keep the flags they were saved with.
    EXPECT_FALSE(organizer.trees().get("PhrasesTree").root()->lastChild()->hasFlag(NodeFlag::Visible));
    for (const char* tags : {"MarksLinksTree", "MarksTree"}) {
        const ItemTree& list = organizer.trees().get(tags);
        ASSERT_EQ(list.nodeCount(), 2u) << tags;
        EXPECT_EQ(*firstTextField(*list.root()->lastChild()), "Hidden") << tags;
    }
    EXPECT_TRUE(fakes.ui.messages.empty());
}

}  // namespace
}  // namespace torvalet
