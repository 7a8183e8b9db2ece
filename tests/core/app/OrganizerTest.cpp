#include <gtest/gtest.h>

#include <sstream>

#include "app/Organizer.h"
#include "base/ProfileFile.h"
#include "fakes/FakeServices.h"
#include "fakes/RecordingObserver.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "trees/GoalRecord.h"
#include "trees/ItemTree.h"
#include "trees/TreeCommandTable.h"
#include "trees/TreeFileIo.h"
#include "trees/TreeFiles.h"

namespace torvalet {
namespace {

namespace fs = std::filesystem;

// A provisioned application folder and a way to run the program over it, start to close.
class OrganizerTest : public ::testing::Test {
protected:
    OrganizerTest() { Organizer::provision(AppPaths{dir.path()}); }

    void run(const std::function<void(Organizer&)>& whileRunning = nullptr) {
        Organizer organizer(fakes.services, dir.path());
        organizer.start();
        organizer.firstShow();
        if (whileRunning) whileRunning(organizer);
        organizer.close();
    }

    std::vector<std::string> padLines() {
        std::vector<std::string> lines;
        std::istringstream in(testing::readText(dir / "msgpad.txt"));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    testing::TempDir dir;
    testing::FakeServices fakes;
};

TEST_F(OrganizerTest, CloseAfterAStartWithoutSettingsWritesOnlyTheWrittenKeys) {
    run();
    const std::string ini = testing::readText(dir / "torvalet.ini");
    const ProfileFile file = ProfileFile::parse(ini);
    EXPECT_EQ(file.value("General", "lastLaunchDate"), "08.12.26");
    EXPECT_EQ(file.value("Sounds", "fTickSnd15"), "0");
    EXPECT_EQ(file.value("Filter", "fHideDone"), "0");
    EXPECT_FALSE(file.hasSection("Colors"));
    EXPECT_FALSE(file.value("Interface", "fTimeMark0800"));
    EXPECT_FALSE(file.value("General", "fromWhom"));
    EXPECT_TRUE(fs::exists(dir / "msgpad.txt"));
    EXPECT_TRUE(fs::exists(dir / "Logs" / "081226.rtf"));
    for (const auto& m : fakes.ui.messages) ADD_FAILURE() << m;
}

TEST_F(OrganizerTest, RunHeaderCountsTheStartsOfOneDay) {
    run([](Organizer& o) { o.messagePad().prepend("a notice"); });
    fakes.clock.set(2026, 12, 8, 11, 7);
    run();
    EXPECT_EQ(padLines(), (std::vector<std::string>{"...-> #1 [ 08.12.2026 :: 11:07 ]", "a notice"}));
    run();
    EXPECT_EQ(padLines().front(), "...-> #2 [ 08.12.2026 :: 11:07 ]");
    EXPECT_EQ(padLines().size(), 3u);

    // The first start of a new day empties the pad.
    fakes.clock.set(2026, 12, 9, 8, 0);
    run();
    EXPECT_EQ(padLines(), std::vector<std::string>{"...-> #0 [ 09.12.2026 :: 08:00 ]"});
    EXPECT_EQ(ProfileFile::parse(testing::readText(dir / "torvalet.ini")).value("General", "runCount"), "0");
}

TEST_F(OrganizerTest, TextboardComesBackTheSameDayOnly) {
    run([](Organizer& o) { o.textboard() = "Ideas:\nПривет"; });
    std::string seen;
    run([&](Organizer& o) { seen = o.textboard(); });
    EXPECT_EQ(seen, "Ideas:\nПривет");
    fakes.clock.set(2026, 12, 9, 9, 0);
    run([&](Organizer& o) { seen = o.textboard(); });
    EXPECT_EQ(seen, "");
}

TEST_F(OrganizerTest, MissingStoreIsReportedAndTheRestOfStartAndCloseRuns) {
    fs::remove(dir / "Data" / "tasks.db");
    run();
    ASSERT_EQ(fakes.ui.messages.size(), 7u);
    EXPECT_NE(fakes.ui.messages[0].find("does not exist"), std::string::npos);
    for (int i = 1; i < 6; ++i) EXPECT_EQ(fakes.ui.messages[i], "Can not open Database on 20 time ");
    EXPECT_NE(fakes.ui.messages[6].find("The day's marks and reminders are added at the next start"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "torvalet.ini"));
}

TEST_F(OrganizerTest, AnUnreadableSettingsFileIsReportedAndNeverWrittenOver) {
    fs::create_directory(dir / "torvalet.ini");  // reading it fails whoever we are
    run();
    ASSERT_FALSE(fakes.ui.messages.empty());
    EXPECT_NE(fakes.ui.messages[0].find("Cannot open file"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(dir / "torvalet.ini"));
}

TEST_F(OrganizerTest, ALaunchDateThatIsNoDateIsReportedAndCountsAsUnset) {
    testing::writeText(dir / "torvalet.ini", "[General]\nlastLaunchDate=yesterday\n");
    testing::writeText(dir / "msgpad.txt", "old line\n");
    run();
    ASSERT_EQ(fakes.ui.messages.size(), 1u);
    EXPECT_EQ(padLines(), std::vector<std::string>{"...-> #0 [ 08.12.2026 :: 09:05 ]"});
}

TEST_F(OrganizerTest, LanguageCommandsSwitchLookupsAndReachTheFile) {
    run([](Organizer& o) {
        auto& tasks = o.store().listRows;
        tasks.insert();
        tasks.setText(TaskColumn::StateKey, "         1");
        tasks.post();
        o.chooseRussian();
        EXPECT_EQ(tasks.text("stateName"), "Сделано");
        o.chooseHellenic();
        EXPECT_EQ(tasks.text("stateName"), "Done");
    });
    EXPECT_EQ(ProfileFile::parse(testing::readText(dir / "torvalet.ini")).value("General", "iLanguage"), "3");
}

// Which language file the first show and the Language menu apply, and what reaches the dialogs' lists.
TEST_F(OrganizerTest, LanguageFilesAreAppliedAtFirstShowAndByTheLanguageMenu) {
    const struct {
        int language;
        int appliedAtFirstShow;
        const char* firstGoalType;
    } cases[] = {{0, 0, "Group"}, {1, 1, "Группа"}, {3, 1, "Ομάδα"}, {7, 1, "Group"}};
    for (const auto& c : cases) {
        testing::writeText(dir / "torvalet.ini", "[General]\niLanguage=" + std::to_string(c.language) + "\n");
        Organizer organizer(fakes.services, dir.path());
        int applied = 0;
        testing::RecordingObserver observer;
        observer.onCaptions = [&](const LanguageTable& table) {
            ++applied;
            EXPECT_EQ(table.values.size(), 555u);
        };
        organizer.setObserver(&observer);
        organizer.start();
        organizer.firstShow();
        organizer.firstShow();
        EXPECT_EQ(applied, c.appliedAtFirstShow) << c.language;
        const GoalForm& goals = organizer.treePages().goalForm;
        EXPECT_EQ(goals.kind.items().front(), c.firstGoalType) << c.language;
        EXPECT_EQ(goals.kind.items().size(), c.appliedAtFirstShow ? 36u : 13u) << c.language;

        organizer.chooseMacedonian();
        EXPECT_EQ(applied, c.appliedAtFirstShow + 1);
        EXPECT_EQ(observer.languageChanges, 1);
        EXPECT_EQ(
            organizer.treePages().linkForm.kind.items(),
            (std::vector<std::string>{"Нема", "Интернет", "Папка", "Датотека", "Програма", "Група", "Пребарување"}));
        organizer.close();
    }
    for (const auto& m : fakes.ui.messages) ADD_FAILURE() << m;
}

TEST_F(OrganizerTest, ALanguageFileThatCannotBeReadIsReportedAndChangesNothing) {
    fs::remove(dir / "Lang" / "russian.lng");
    fs::create_directory(dir / "Lang" / "russian.lng");
    run([](Organizer& o) {
        testing::RecordingObserver observer;
        observer.onCaptions = [](const LanguageTable&) { ADD_FAILURE() << "captions applied"; };
        o.setObserver(&observer);
        o.chooseRussian();
        o.setObserver(nullptr);
        EXPECT_EQ(o.treePages().contactForm.kind.items().size(), 8u);
    });
    ASSERT_EQ(fakes.ui.messages.size(), 1u);
    EXPECT_NE(fakes.ui.messages[0].find("russian.lng"), std::string::npos);
}

}  // namespace
}  // namespace torvalet

namespace torvalet {
namespace {

const char* const allTreeFiles[] = {"goals.dat",   "goals2.dat",  "goals3.dat",    "goals4.dat",  "goals5.dat",
                                    "links.goto",  "tools.goto",  "folders.goto",  "search.goto", "docs.goto",
                                    "images.goto", "contacts.co", "calendar.clnd", "phrases.phr"};

// The number of items a tree file holds, read as the program reads it.
std::size_t itemsIn(const fs::path& file) {
    ItemTree tree("probe", *recordFamilyOfFile(file.filename().string()));
    loadTreeFile(tree, file, TextCodec());
    return tree.nodeCount();
}

TEST_F(OrganizerTest, ANewFolderHoldsEveryTreeFileWithItsOneEmptyItem) {
    for (const char* file : allTreeFiles) {
        EXPECT_EQ(itemsIn(dir / file), 1u) << file;
    }
    run();
    EXPECT_TRUE(fakes.ui.messages.empty());
}

TEST_F(OrganizerTest, ATreeFileThatFailsToLoadIsReportedAndKeptWhileTheOthersAreSaved) {
    const std::string whole = testing::readText(dir / "goals2.dat");
    const std::string damaged = whole.substr(0, whole.size() - 5);  // ends inside the node
    testing::writeText(dir / "goals2.dat", damaged);
    fs::remove(dir / "images.goto");
    fs::remove(dir / "phrases.phr");
    run([](Organizer& o) {
        o.trees().get(TreeId::DayGoalTree).appendChild();
        o.trees().get(TreeId::WeekGoalTree).appendChild();
    });
    ASSERT_EQ(fakes.ui.messages.size(), 2u);
    EXPECT_NE(fakes.ui.messages[0].find("Stream data corrupt."), std::string::npos);
    EXPECT_NE(fakes.ui.messages[0].find("goals2.dat"), std::string::npos);
    EXPECT_NE(fakes.ui.messages[1].find("Cannot open file"), std::string::npos);
    EXPECT_EQ(testing::readText(dir / "goals2.dat"), damaged);
    EXPECT_EQ(itemsIn(dir / "goals.dat"), 2u);
    // Absent images and phrase files are written at close; the images file was never reported.
    EXPECT_EQ(itemsIn(dir / "images.goto"), 1u);
    EXPECT_EQ(itemsIn(dir / "phrases.phr"), 1u);
}

}  // namespace
}  // namespace torvalet

namespace torvalet {
namespace {

// Every command of the item pages' menus runs on its page, each tree holding one selected item;
// an operation the page's menu lacks is refused.
TEST_F(OrganizerTest, EveryTreeCommandOfTheTableRunsOnItsPageAndNoOther) {
    run([](Organizer& o) {
        testing::RecordingObserver dialogs;
        o.setObserver(&dialogs);
        TreePages& pages = o.treePages();
        for (const TreeCommandInfo& command : treeCommands()) {
            for (ItemTree& tree : o.trees().all())
                if (TreeNode* first = tree.firstTopLevel()) tree.select(first);
            EXPECT_NO_THROW(pages.run(command.page, command.operation)) << command.name;
        }
        for (const Page page : {kTasksPage, kLinksPage, kContactsPage, kBlocknotePage, kCalendarPage}) {
            for (int op = 0; op <= int(TreeOperation::MoveDown); ++op) {
                const auto operation = static_cast<TreeOperation>(op);
                if (!findTreeCommand(page, operation)) {
                    EXPECT_THROW(pages.run(page, operation), std::invalid_argument) << page << " " << op;
                }
            }
        }
        o.setObserver(nullptr);
    });
}

TEST_F(OrganizerTest, GoalsMadeInTheDialogBecomeTasksAndOutliveARestart) {
    run([](Organizer& o) {
        TreePages& pages = o.treePages();
        testing::RecordingObserver dialog;
        dialog.onEditItem = [&](FormBase&) {
            pages.goalForm.text = "Phone the plumber";
            pages.goalForm.kind.setItemIndex(12);  // Phone ToDo
            pages.goalForm.state.setItemIndex(2);  // AtWork
            pages.goalForm.acceptGoal();
        };
        o.setObserver(&dialog);
        pages.commands.run(kTasksPage, TreeOperation::NewRoot);
        pages.turnGoalsIntoTasks();
        pages.commands.run(kTasksPage, TreeOperation::Delete);
        o.setObserver(nullptr);
    });
    EXPECT_EQ(fakes.sound.played, std::vector<std::string>{(dir / "Sounds" / "recycle.wav").string()});

    std::vector<std::string> goals;
    std::string task;
    run([&](Organizer& o) {
        o.trees().get(TreeId::DayGoalTree).forEach([&](TreeNode* node) {
            goals.push_back(node->record<GoalRecord>().text);
        });
        Query& tasks = o.store().listRows;
        task = tasks.text(TaskColumn::Task) + "|" + tasks.text(TaskColumn::StateKey) + "|" +
               tasks.text(TaskColumn::TypeKey);
    });
    // The new goal was deleted again; the empty item of the new folder stays.
    EXPECT_EQ(goals, std::vector<std::string>{""});
    EXPECT_EQ(task, "Phone the plumber|         4|         9");
}

}  // namespace
}  // namespace torvalet
