#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include "app/Organizer.h"
#include "base/ProfileFile.h"
#include "core/trees/TreeBytes.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "trees/ItemTree.h"
#include "trees/TreeFileIo.h"

namespace torvalet {
namespace {

namespace fs = std::filesystem;

ino_t inodeOf(const fs::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_ino : 0;
}

std::size_t goalsIn(const fs::path& file) {
    ItemTree tree("probe", RecordFamily::Goals);
    loadTreeFile(tree, file, TextCodec());
    return tree.nodeCount();
}

// What the files of an application folder hold after the program ran over them, start to close.
class OrganizerFilesTest : public ::testing::Test {
protected:
    OrganizerFilesTest() { Organizer::provision(AppPaths{dir.path()}); }

    void run(const std::function<void(Organizer&)>& whileRunning = nullptr) {
        Organizer organizer(fakes.services, dir.path());
        organizer.start();
        organizer.firstShow();
        if (whileRunning) whileRunning(organizer);
        organizer.close();
    }

    std::optional<std::string> setting(const char* section, const char* key) {
        return ProfileFile::parse(testing::readText(dir / "torvalet.ini")).value(section, key);
    }

    bool reported(const std::string& part) const {
        for (const std::string& message : fakes.ui.messages)
            if (message.find(part) != std::string::npos) return true;
        return false;
    }

    testing::TempDir dir;
    testing::FakeServices fakes;
};

TEST_F(OrganizerFilesTest, ADayFileThatCannotBeWrittenIsReportedAndCloseCompletes) {
    fs::remove_all(dir / "Logs");
    testing::writeText(dir / "Logs", "a file where the folder should be");
    run([](Organizer& o) {
        o.textboard() = "lost words";
        testing::addGoal(o.trees().get(TreeId::DayGoalTree), nullptr, "kept");
    });
    EXPECT_TRUE(reported("081226.rtf"));
    EXPECT_EQ(goalsIn(dir / "goals.dat"), 2u);
    EXPECT_EQ(setting("General", "lastLaunchDate"), "08.12.26");
}

TEST_F(OrganizerFilesTest, EachCloseStepRunsWhenAPendingTaskEditCannotBePosted) {
    run([](Organizer& o) {
        Query& tasks = o.store().listRows;
        tasks.insert();
        tasks.setValue("Task", SqlValue{});  // the store refuses the post: the column may not be empty
        o.textboard() = "still saved";
        testing::addGoal(o.trees().get(TreeId::DayGoalTree), nullptr, "still saved");
    });
    EXPECT_TRUE(reported("NOT NULL"));
    EXPECT_EQ(setting("General", "lastLaunchDate"), "08.12.26");
    EXPECT_EQ(goalsIn(dir / "goals.dat"), 2u);
    EXPECT_NE(testing::readText(dir / "Logs" / "081226.rtf").find("still saved"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "msgpad.txt"));
}

TEST_F(OrganizerFilesTest, KeysEditedByHandWhileRunningSurviveTheClose) {
    testing::writeText(dir / "torvalet.ini", "[General]\nfAutoRemind=1\nOrderBy=2\n");
    run([&](Organizer&) {
        testing::writeText(dir / "torvalet.ini",
                           "; mine\n[General]\nfAutoRemind=0\nOrderBy=5\n[Colors]\nclTasksGrid=$00FF0000\n"
                           "[Elsewhere]\nkey=value\n");
    });
    EXPECT_EQ(setting("General", "fAutoRemind"), "0");
    EXPECT_EQ(setting("Colors", "clTasksGrid"), "$00FF0000");
    EXPECT_EQ(setting("Elsewhere", "key"), "value");
    EXPECT_EQ(testing::readText(dir / "torvalet.ini").substr(0, 7), "; mine\n");
    EXPECT_EQ(setting("General", "OrderBy"), "2");  // a key the program writes: its value wins
}

TEST_F(OrganizerFilesTest, AViewModeThatCouldNotBeAppliedIsWrittenAsItWasRead) {
    testing::writeText(dir / "torvalet.ini", "[General]\nfEasyMode=1\n");
    fs::remove(dir / "Data" / "tasks.db");
    run();
    EXPECT_EQ(setting("General", "fEasyMode"), "1");
}

// Whatever stops a file from being read (here a pipe in its place), close leaves it as it is,
// and the other files are saved.
TEST_F(OrganizerFilesTest, AFileThatCouldNotBeReadIsNeverWrittenOver) {
    for (const char* name : {"Logs/081226.rtf", "goals3.dat", "msgpad.txt", "torvalet.ini"}) {
        SCOPED_TRACE(name);
        testing::TempDir folder;
        Organizer::provision(AppPaths{folder.path()});
        testing::writeText(folder / "torvalet.ini", "[General]\nlastLaunchDate=08.12.26\n");
        testing::writeText(folder / "msgpad.txt", "old line\n");
        const fs::path file = folder / name;
        fs::remove(file);
        ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
        testing::FakeServices services;
        Organizer organizer(services.services, folder.path());
        organizer.start();
        organizer.textboard() = "new text";
        testing::addGoal(organizer.trees().get(TreeId::MonthGoalTree), nullptr, "new goal");
        testing::addGoal(organizer.trees().get(TreeId::YearGoalTree), nullptr, "new goal");
        organizer.close();
        EXPECT_FALSE(services.ui.messages.empty());
        EXPECT_TRUE(fs::is_fifo(file));
        EXPECT_EQ(goalsIn(folder / "goals4.dat"), 2u);
    }
}

// What is at a path, told without following a link: a link names its target and whether that is
// there, a regular file its mode and bytes.
std::string whatIsAt(const fs::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return "nothing";
    if (S_ISLNK(info.st_mode)) {
        std::error_code error;
        return "link to " + fs::read_symlink(path).string() + (fs::exists(path, error) ? "" : " (not there)");
    }
    if (S_ISFIFO(info.st_mode)) return "pipe";
    if (!S_ISREG(info.st_mode)) return "other";
    return "file " + std::to_string(info.st_mode & 07777) + " " + testing::readText(path);
}

// A link that leads nowhere (a synchronised file not downloaded yet) or round in a loop, a pipe,
// a file the user made read-only: each is reported once, from start to close, and stays as it is,
// whatever the user changed meanwhile.
TEST_F(OrganizerFilesTest, LinksAndSpecialFilesAreReportedOnceAndLeftAsTheyAre) {
    const auto loop = [](const fs::path& file) { fs::create_symlink(file.filename(), file); };
    const auto dangling = [](const fs::path& file) {
        fs::create_directories(file.parent_path() / "synced");
        fs::create_symlink(fs::path("synced") / file.filename(), file);
    };
    const auto pipe = [](const fs::path& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0); };
    const auto readOnly = [](const fs::path& file) {
        testing::writeText(file, testing::kOneGoalFile);
        ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    };
    const auto addGoal = [](Organizer& o) { testing::addGoal(o.trees().get(TreeId::DayGoalTree), nullptr, "new"); };
    const auto addEvent = [](Organizer& o) { o.trees().get(TreeId::CalendarTree).appendChild(nullptr); };
    const auto writeNotes = [](Organizer& o) {
        o.messagePad().prepend("a note");
        o.textboard() = "new text";
    };
    const std::string sameDay = "[General]\nlastLaunchDate=08.12.26\n";
    const struct {
        const char* file;
        std::function<void(const fs::path&)> make;
        std::string settings;
        std::function<void(Organizer&)> whileRunning;
    } cases[] = {
        {"goals.dat", dangling, sameDay, addGoal},
        {"goals.dat", loop, sameDay, addGoal},
        {"goals.dat", readOnly, sameDay, addGoal},
        {"calendar.clnd", loop, sameDay, addEvent},
        {"msgpad.txt", loop, sameDay, writeNotes},
        {"msgpad.txt", loop, "", writeNotes},
        {"msgpad.txt", pipe, "", writeNotes},
        {"Logs/081226.rtf", loop, sameDay, writeNotes},
        {"Lang/russian.lng", loop, sameDay + "iLanguage=1\n", nullptr},
        {"torvalet.ini", readOnly, "", nullptr},
    };
    for (const auto& c : cases) {
        testing::TempDir folder;
        Organizer::provision(AppPaths{folder.path()});
        if (!c.settings.empty()) testing::writeText(folder / "torvalet.ini", c.settings);
        const fs::path file = folder / c.file;
        fs::remove(file);
        c.make(file);
        const std::string before = whatIsAt(file);
        SCOPED_TRACE(std::string(c.file) + ": " + before.substr(0, 40));
        Organizer::provision(AppPaths{folder.path()});  // as every start does
        testing::FakeServices services;
        Organizer organizer(services.services, folder.path());
        organizer.start();
        organizer.firstShow();
        if (c.whileRunning) c.whileRunning(organizer);
        organizer.close();
        int reports = 0;
        for (const std::string& message : services.ui.messages)
            reports += message.find(file.filename().string()) != std::string::npos;
        EXPECT_EQ(reports, 1) << ::testing::PrintToString(services.ui.messages);
        EXPECT_EQ(whatIsAt(file), before);
        if (fs::is_symlink(file)) {
            EXPECT_EQ(whatIsAt(folder / "synced" / file.filename()), "nothing");
        }
    }
}

TEST_F(OrganizerFilesTest, LeftoversOfKilledSavesGoAtTheNextStart) {
    const char* leftovers[] = {".goals.dat.torvalet-save.Ab12Cd", "goals.dat.Xy12Ab", "torvalet.ini.q1w2e3",
                               "Logs/.081226.rtf.torvalet-save.q1w2e3"};
    const char* others[] = {"notes.txt.abcdef", ".goals.dat.torvalet-save.toolong", "goals.dat.Xy12",
                            "Logs/081226.rtf"};
    for (const char* name : leftovers) testing::writeText(dir / name, "half a file");
    for (const char* name : others) testing::writeText(dir / name, "mine");
    run();
    for (const char* name : leftovers) EXPECT_FALSE(fs::exists(dir / name)) << name;
    for (const char* name : others) EXPECT_TRUE(fs::exists(dir / name)) << name;
}

TEST_F(OrganizerFilesTest, RunCountStopsAtItsLargestValue) {
    testing::writeText(dir / "torvalet.ini", "[General]\nlastLaunchDate=08.12.26\nrunCount=2147483647\n");
    testing::writeText(dir / "msgpad.txt", "old line\n");
    run();
    EXPECT_EQ(setting("General", "runCount"), "2147483647");
    EXPECT_EQ(testing::readText(dir / "msgpad.txt").substr(0, 18), "...-> #2147483647 ");
}

TEST_F(OrganizerFilesTest, SavesGoThroughSymbolicLinksToTheirTargets) {
    const fs::path synced = dir / "synced";
    fs::create_directory(synced);
    testing::writeText(synced / "torvalet.ini", "[General]\n");
    fs::rename(dir / "goals.dat", synced / "goals.dat");
    fs::create_symlink(synced / "torvalet.ini", dir / "torvalet.ini");
    fs::create_symlink("synced/goals.dat", dir / "goals.dat");
    testing::writeText(synced / ".goals.dat.torvalet-save.Ab12Cd", "half a file");
    run([](Organizer& o) { testing::addGoal(o.trees().get(TreeId::DayGoalTree), nullptr, "synced"); });
    EXPECT_TRUE(fs::is_symlink(dir / "torvalet.ini"));
    EXPECT_TRUE(fs::is_symlink(dir / "goals.dat"));
    EXPECT_EQ(goalsIn(synced / "goals.dat"), 2u);
    EXPECT_NE(testing::readText(synced / "torvalet.ini").find("lastLaunchDate=08.12.26"), std::string::npos);
    EXPECT_FALSE(fs::exists(synced / ".goals.dat.torvalet-save.Ab12Cd"));
}

TEST_F(OrganizerFilesTest, CloseLeavesFilesThatWouldNotChangeAsTheyAre) {
    run();
    const ino_t untouched = inodeOf(dir / "goals.dat");
    run([&](Organizer& o) {
        // Another program changes a file the organiser holds but the user does not touch.
        testing::writeText(dir / "goals3.dat", testing::kOneGoalFile);
        testing::addGoal(o.trees().get(TreeId::WeekGoalTree), nullptr, "changed");
    });
    EXPECT_EQ(inodeOf(dir / "goals.dat"), untouched);
    EXPECT_EQ(testing::readText(dir / "goals3.dat"), testing::kOneGoalFile);
    EXPECT_EQ(goalsIn(dir / "goals2.dat"), 2u);
}

TEST_F(OrganizerFilesTest, StartReadsTheTaskListOnce) {
    testing::writeText(dir / "torvalet.ini", "[General]\nfEasyMode=1\nOrderBy=3\n");
    Organizer organizer(fakes.services, dir.path());
    int reads = 0;
    organizer.store().listRows.addObserver([&](const QueryEvent& event) { reads += event.kind == QueryEvent::Reset; });
    organizer.start();
    EXPECT_EQ(reads, 1);
    EXPECT_NE(organizer.store().listRows.sql().find("order by Project, Date, Time"), std::string::npos);
    organizer.close();
}

}  // namespace
}  // namespace torvalet
