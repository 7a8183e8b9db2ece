#include <gtest/gtest.h>

#include "base/FileSaves.h"
#include "base/Text.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/Settings.h"
#include "model/ViewState.h"
#include "trees/ItemTreeSet.h"
#include "trees/PhraseCommands.h"
#include "trees/TreeEditGuard.h"
#include "trees/TreeFileIo.h"

namespace torvalet {
namespace {

// The phrase tree Group[Child] Other.
class PhraseCommandsTest : public ::testing::Test {
protected:
    PhraseCommandsTest() {
        tree.clear();
        group = addPhrase(nullptr, "Dear all,", 1);
        child = addPhrase(group, "see you\non Monday", 0);
        other = addPhrase(nullptr, "Regards", 0);
    }

    TreeNode* addPhrase(TreeNode* parent, std::string phrase, int kind) {
        TreeNode* node = tree.appendChild(parent);
        node->record<PhraseRecord>() = {"name", std::move(phrase), "", kind, ""};
        return node;
    }

    testing::TempDir dir;
    testing::FakeServices fakes;
    Settings settings;
    TextCodec codec;
    ItemTreeSet trees;
    ItemTree& tree = trees.get(TreeId::PhrasesTree);
    bool unreadable = false;
    ViewState view;
    FileSaves saves;
    TreeEditGuard guard{fakes.ui, [this] { return settings.language; }, [this](TreeId) { return unreadable; }};
    PhraseCommands commands{tree, fakes.clipboard, view, saves, dir / "phrases.phr", codec, guard};
    TreeNode *group = nullptr, *child = nullptr, *other = nullptr;
};

TEST_F(PhraseCommandsTest, ClipboardGetsEachSelectedPhraseAfterABlank) {
    fakes.clipboard.setText("held before");
    commands.putPhrasesToClipboard();
    EXPECT_EQ(fakes.clipboard.text(), "held before");
    EXPECT_EQ(view.activePage, kBlocknotePage);

    tree.select(other);
    tree.select(child);
    tree.select(group);
    commands.putPhrasesToClipboard();
    EXPECT_EQ(fakes.clipboard.text(), " Dear all, see you\non Monday Regards");
}

TEST_F(PhraseCommandsTest, DoubleClickAppendsTheFirstSelectedPhraseAsNewLines) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"", "see you\non Monday"},
        {"notes", "notes\nsee you\non Monday"},
        {"notes\n", "notes\nsee you\non Monday"},
    };
    tree.select(other);
    tree.select(child);
    for (const auto& c : cases) {
        std::string blocknote = c.before;
        commands.appendFirstSelectedPhrase(blocknote);
        EXPECT_EQ(blocknote, c.after) << c.before;
    }

    tree.clearSelection();
    std::string blocknote = "notes";
    commands.appendFirstSelectedPhrase(blocknote);
    EXPECT_EQ(blocknote, "notes");
}

TEST_F(PhraseCommandsTest, SaveWritesThePhraseFile) {
    commands.savePhrases();
    ItemTree read(TreeId::PhrasesTree);
    loadTreeFile(read, dir / "phrases.phr", codec);
    ASSERT_EQ(read.nodeCount(), 3u);
    EXPECT_EQ(read.firstTopLevel()->firstChild()->record<PhraseRecord>(), child->record<PhraseRecord>());
    EXPECT_EQ(view.activePage, kBlocknotePage);
}

// A folder opened read-only keeps its phrase file; the close names it.
TEST_F(PhraseCommandsTest, SaveInAReadOnlyFolderKeepsTheFile) {
    testing::writeText(dir / "phrases.phr", "as it was");
    saves.setReadOnly(true);
    commands.savePhrases();
    EXPECT_EQ(testing::readText(dir / "phrases.phr"), "as it was");
    EXPECT_EQ(saves.takeNotSaved(), std::vector<std::string>{(dir / "phrases.phr").string()});
}

TEST_F(PhraseCommandsTest, SaveLeavesAPhraseFileThatCouldNotBeReadAlone) {
    testing::writeText(dir / "phrases.phr", "damaged");
    unreadable = true;
    settings.language = Language::russian;
    commands.savePhrases();
    EXPECT_EQ(testing::readText(dir / "phrases.phr"), "damaged");
    EXPECT_EQ(fakes.ui.warnings, std::vector<std::string>{TreeEditGuard::keptText(1, "phrases.phr")});
}

}  // namespace
}  // namespace torvalet
