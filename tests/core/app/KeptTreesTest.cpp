#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "trees/ItemTree.h"
#include "trees/TreeCommandTable.h"
#include "trees/TreeEditGuard.h"
#include "trees/TreeTable.h"

namespace torvalet {
namespace {

// Fifty bytes that are no tree stream, the same every run.
std::string damagedBytes() {
    std::string bytes;
    unsigned seed = 21;
    for (int i = 0; i < 50; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes += static_cast<char>(seed >> 16);
    }
    return bytes;
}

std::string shape(const TreeNode* parent) {
    std::string out;
    for (const TreeNode* n = parent->firstChild(); n; n = n->nextSibling())
        out += "(" + std::to_string(n->flags() & NodeFlag::WrittenMask) + shape(n) + ")";
    return out;
}

struct Edit {
    const char* name;
    std::function<void(Organizer&, ItemTree&)> run;
};

// What a user can do to a tree besides its menu commands: keys, a drop, the New button's kinds,
// the goal bar and the goal tool bar's lists, the contact bar's "Add" and "Save Phrases".
std::vector<Edit> otherEdits(const TreeInfo& info) {
    std::vector<Edit> edits = {
        {"Insert", [](Organizer& o, ItemTree& t) { o.treePages().commands.treeKeyDown(t, TreeKey::Insert, {}); }},
        {"Delete", [](Organizer& o, ItemTree& t) { o.treePages().commands.treeKeyDown(t, TreeKey::Delete, {}); }},
        {"Ctrl+X",
         [](Organizer& o, ItemTree& t) { o.treePages().commands.treeKeyDown(t, TreeKey::X, {.ctrl = true}); }},
        {"Ctrl+V",
         [](Organizer& o, ItemTree& t) { o.treePages().commands.treeKeyDown(t, TreeKey::V, {.ctrl = true}); }},
        {"Alt+Down",
         [](Organizer& o, ItemTree& t) { o.treePages().commands.treeKeyDown(t, TreeKey::Down, {.alt = true}); }},
        {"drop",
         [](Organizer& o, ItemTree& t) {
             o.treePages().commands.treeDragDrop(t, t.firstTopLevel(), &t, DropPosition::On, {.ctrl = true});
         }},
        {"New button", [page = info.page](Organizer& o, ItemTree&) { o.treePages().commands.newItemOfKind(page, 1); }},
    };
    switch (info.family) {
    case RecordFamily::Goals:
        edits.push_back({"Add", [](Organizer& o, ItemTree&) { o.treePages().goals.addGoalNamed("new"); }});
        edits.push_back({"priority", [](Organizer& o, ItemTree&) { o.treePages().goals.setGoalsPriority(2); }});
        edits.push_back({"state", [](Organizer& o, ItemTree&) { o.treePages().goals.setGoalsState(6); }});
        break;
    case RecordFamily::Contacts:
        edits.push_back({"Add", [](Organizer& o, ItemTree&) { o.navigation().filters().addContactFromBar(); }});
        break;
    case RecordFamily::Phrases:
        edits.push_back({"Save Phrases", [](Organizer& o, ItemTree&) { o.treePages().phrases.savePhrases(); }});
        break;
    default: break;
    }
    return edits;
}

// A tree whose file could not be read refuses every edit up front, with one warning that names
// the file, and the file keeps its bytes through the close. Reading (Copy) goes on.
TEST(KeptTrees, EveryEditOfATreeWhoseFileCouldNotBeReadIsRefused) {
    const TreeId kept[] = {TreeId::DayGoalTree, TreeId::ToolsTree, TreeId::ContactsTree, TreeId::CalendarTree,
                           TreeId::PhrasesTree};
    for (const TreeId id : kept) {
        const TreeInfo& info = treeInfo(id);
        testing::TempDir dir;
        testing::FakeServices fakes;
        Organizer::provision(AppPaths{dir.path()});
        const auto file = dir / std::string(info.fileName);
        testing::writeText(file, damagedBytes());
        {
            Organizer organizer(fakes.services, dir.path());
            organizer.start();
            organizer.firstShow();
            fakes.ui.messages.clear();
            if (info.page == kTasksPage) organizer.view().goalPage = info.tab;
            if (info.page == kLinksPage) organizer.view().linksPage = info.tab;
            ItemTree& tree = organizer.trees().get(id);
            // Something to act on: an item, selected and focused, with a child.
            TreeNode* item = tree.appendChild();
            tree.appendChild(item);
            tree.setFocused(item);
            tree.selectOnly(item);
            const std::string before = shape(tree.root());
            fakes.clipboard.setText("from the clipboard");
            const std::string warning = TreeEditGuard::keptText(0, info.fileName);

            const auto expectRefused = [&](const std::string& what, const std::function<void()>& edit) {
                fakes.ui.warnings.clear();
                edit();
                EXPECT_EQ(fakes.ui.warnings, std::vector<std::string>{warning}) << info.fileName << ": " << what;
                EXPECT_EQ(shape(tree.root()), before) << info.fileName << ": " << what;
            };
            for (const TreeCommandInfo& command : treeCommands()) {
                if (command.page != info.page || command.operation == TreeOperation::Copy ||
                    command.operation == TreeOperation::IntoTasks || command.operation == TreeOperation::PutToClipboard)
                    continue;
                expectRefused(command.name, [&] { organizer.treePages().run(command.page, command.operation); });
            }
            for (const Edit& edit : otherEdits(info)) expectRefused(edit.name, [&] { edit.run(organizer, tree); });

            fakes.ui.warnings.clear();
            organizer.treePages().run(info.page, TreeOperation::Copy);
            EXPECT_TRUE(fakes.ui.warnings.empty()) << info.fileName;
            organizer.close();
        }
        EXPECT_EQ(testing::readText(file), damagedBytes()) << info.fileName;
    }
}

// The other trees take the same edits as before.
TEST(KeptTrees, ATreeReadWholeTakesItsEdits) {
    testing::TempDir dir;
    testing::FakeServices fakes;
    Organizer::provision(AppPaths{dir.path()});
    testing::writeText(dir / "goals.dat", damagedBytes());
    Organizer organizer(fakes.services, dir.path());
    organizer.start();
    organizer.firstShow();
    fakes.ui.messages.clear();
    organizer.view().goalPage = 1;
    EXPECT_NE(organizer.treePages().goals.addGoalNamed("week goal"), nullptr);
    EXPECT_TRUE(fakes.ui.warnings.empty());
    organizer.close();
}

}  // namespace
}  // namespace torvalet
