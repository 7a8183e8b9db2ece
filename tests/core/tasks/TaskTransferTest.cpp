#include "base/Errors.h"
#include "core/tasks/TaskFixture.h"
#include "tasks/TaskFile.h"

namespace torvalet::testing {
namespace {

namespace fs = std::filesystem;

class TaskTransferTest : public TaskFixture {};

TEST_F(TaskTransferTest, CopyThenPasteGivesNewRowsOfTheCalendarsDaysWithTheStartTimeAsFinalTime) {
    add({{"a", "2026-12-01", "09:00", k(4), k(2), k(3), "2026-12-03", "18:00", "P", "note", "+", "x"},
         {"b", "2026-12-02", "10:00"},
         {"c", "2026-12-03", "11:00"},
         {"not copied", "2026-12-04", "12:00"}});
    select({"a", "b", "c"});
    tasks().clipboard.copyTasksCommand();
    EXPECT_TRUE(selection().empty());
    EXPECT_EQ(column("select count(*) from clipbrd"), std::vector<std::string>{"3"});
    calendar().select(Date::fromYmd(2026, 5, 5), Date::fromYmd(2026, 5, 7));
    tasks().clipboard.pasteTasksCommand();
    EXPECT_EQ(column("select Task || ' ' || Date || ' ' || Date2 || ' ' || Time || ' ' || Time2 from tasks "
                     "where Date = '2026-05-05' order by Time"),
              (std::vector<std::string>{"a 2026-05-05 2026-05-07 09:00 09:00", "b 2026-05-05 2026-05-07 10:00 10:00",
                                        "c 2026-05-05 2026-05-07 11:00 11:00"}));
    EXPECT_EQ(column("select StateKey || TypeKey || Prior_key || Project || Comment || Doflag from tasks "
                     "where Task = 'a' and Date = '2026-05-05'"),
              std::vector<std::string>{"         4         2         3Pnotex"});
    tasks().clipboard.pasteTasksCommand();
    EXPECT_EQ(column("select count(*) from tasks"), std::vector<std::string>{"10"}) << "the clipboard keeps its rows";
    EXPECT_EQ(listed().size(), 10u);
}

TEST_F(TaskTransferTest, CutRemovesTheRowsAndCloneCopiesThemToTheCalendarsDays) {
    add({{"a", "2026-12-01"}, {"b", "2026-12-02"}, {"c", "2026-12-03"}, {"d", "2026-12-04"}});
    select({"a", "b", "c"});
    tasks().clipboard.cutTasksCommand();
    EXPECT_EQ(listed(), std::vector<std::string>{"d"});
    EXPECT_EQ(column("select Task from clipbrd order by Task"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(cuesPlayed("recycle.wav"), 1);

    current("d");
    calendar().select(Date::fromYmd(2026, 12, 20), Date::fromYmd(2026, 12, 21));
    commands().cloneTasks();
    EXPECT_EQ(column("select Date || ' ' || Date2 from tasks where Task = 'd' order by Date"),
              (std::vector<std::string>{"2026-12-04 2026-12-04", "2026-12-20 2026-12-21"}));
    EXPECT_EQ(column("select Task from clipbrd"), std::vector<std::string>{"d"});
}

TEST_F(TaskTransferTest, InsertFromClipboardTakesTheTextCutToItsColumnAndNothingWhileARowIsEdited) {
    fakes.clipboard.setText(std::string(200, 'x'));
    tasks().clipboard.insertFromClipboardCommand();
    EXPECT_EQ(column("select length(Task) from tasks"), std::vector<std::string>{"180"});
    commands().insertTaskCommand();
    tasks().clipboard.insertFromClipboardCommand();
    EXPECT_EQ(column("select count(*) from tasks"), std::vector<std::string>{"2"}) << "F10 right after Insert";
}

TEST_F(TaskTransferTest, ATaskFileIsWrittenExactlyAndReadsBack) {
    const std::vector<TaskFileEntry> one = {{"Call the bank", "09:30", k(4), k(2), k(3)}};
    EXPECT_EQ(taskFile::write(one),
              "[Head]\r\nNum=1\r\n\r\r\n[Task1]\r\nTask=Call the bank\r\nTime=09:30\r\nStatekey=4\r\nTypekey=2\r\n"
              "Prior_key=3\r\n\r\r\n");
    const std::vector<TaskFileEntry> several = {
        {"Первая", "07:05", "", k(27), ""}, {"  spaced  ", "", k(1), "", k(5)}, {"third", "23:59", k(7), k(47), k(1)}};
    auto back = taskFile::read(taskFile::write(several));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0], several[0]);
    EXPECT_EQ(back[1].task, "spaced") << "values are read with surrounding blanks removed";
    EXPECT_EQ(back[2], several[2]);
    EXPECT_EQ(taskFile::read(taskFile::write(one)), one);
}

TEST_F(TaskTransferTest, BrokenTaskFilesReadAsFarAsTheyGo) {
    const TaskFileEntry empty{};
    const TaskFileEntry first{"first", "", "", "", ""};
    const TaskFileEntry third{"third", "", "", "", ""};
    const struct {
        const char* name;
        std::string text;
        std::vector<TaskFileEntry> entries;
    } cases[] = {
        {"empty file", "", {empty}},
        {"no head: the first section only", "[Task1]\nTask=first\n[Task2]\nTask=second\n", {first}},
        {"no first section", "[Head]\nNum=1\n", {empty}},
        {"head gives three, file has 1 and 3",
         "[Head]\nNum=3\n[Task1]\nTask=first\n[Task3]\nTask=third\n",
         {first, third}},
        {"Num that is no number", "[Head]\nNum=many\n[Task1]\nTask=first\n[Task2]\nTask=second\n", {first}},
        {"negative Num", "[Head]\nNum=-4\n[Task1]\nTask=first\n", {first}},
        {"huge Num", "[head]\nnum=2000000000\n[TASK3]\ntask=third\n[task1]\nTASK=first\n", {first, third}},
        {"sections beyond Num", "[Head]\nNum=2\n[Task1]\nTask=first\n[Task3]\nTask=third\n", {first}},
        {"numbers written otherwise", "[Head]\nNum=3\n[Task01]\nTask=first\n[Task+3]\nTask=third\n", {}},
        {"keys right-aligned, long ones whole",
         "[Head]\nNum=1\n[Task1]\nStatekey= 27 \nTypekey=123456789012\nPrior_key=\n",
         {{"", "", "        27", "123456789012", ""}}},
    };
    for (const auto& c : cases) EXPECT_EQ(taskFile::read(c.text), c.entries) << c.name;
}

TEST_F(TaskTransferTest, StoreAndLoadGoThroughTheTasksFolder) {
    add({{"a", "2026-12-01", "09:15", k(1), k(27), k(4)}, {"b", "2026-12-02", "10:30"}, {"c", "2026-12-03"}});
    select({"a", "b"});
    fakes.ui.fileAnswers.push_back("/somewhere/else/two.ini");
    tasks().files.storeTaskFileCommand();
    EXPECT_TRUE(selection().empty());
    const std::string stored = readText(dir / "Tasks" / "two.ini");
    EXPECT_NE(stored.find("Num=2\r\n"), std::string::npos);
    EXPECT_NE(stored.find("[Task1]\r\nTask=a\r\nTime=09:15\r\nStatekey=1\r\nTypekey=27\r\nPrior_key=4\r\n"),
              std::string::npos);

    fakes.ui.fileAnswers.push_back(std::nullopt);
    tasks().files.storeTaskFileCommand();
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "Tasks"), fs::directory_iterator()), 1)
        << "a cancelled dialog writes nothing";

    organizer->store().database()->execute("delete from tasks");
    list().refresh();
    calendar().select(Date::fromYmd(2026, 5, 5), Date::fromYmd(2026, 5, 7));
    fakes.ui.fileAnswers.push_back("two");  // the default extension
    tasks().files.loadTaskFileCommand();
    EXPECT_EQ(
        column("select Task || '|' || Date || '|' || Time || '|' || StateKey || '|' || TypeKey || '|' || "
               "Prior_key from tasks order by Task"),
        (std::vector<std::string>{"a|2026-05-05|09:15|         1|        27|         4", "b|2026-12-08|10:30|||"}))
        << "the first row takes the calendar's days, the next ones today";
}

TEST_F(TaskTransferTest, AMissingTasksFolderFailsTheStoreClearlyAndLoadsOneEmptyRow) {
    add({{"a"}});
    fs::remove_all(dir / "Tasks");
    fakes.ui.fileAnswers.push_back("x.ini");
    EXPECT_THROW(tasks().files.storeTaskFile(), FileError);
    EXPECT_EQ(column("select count(*) from tasks"), std::vector<std::string>{"1"});
    fakes.ui.fileAnswers.push_back("x.ini");
    tasks().files.loadTaskFile();
    EXPECT_EQ(column("select Task || '|' || StateKey from tasks order by rowid"),
              (std::vector<std::string>{"a|", "|"}));
}

TEST_F(TaskTransferTest, DoOpensByTypeAndTheReminderPathDiffers) {
    organizer->settings().webSearchPrefix = "https://search.example/?q=";
    add({{"a b&c", "2026-12-01", "09:00", "", k(16)},
         {"https://example.org", "2026-12-02", "09:00", "", k(10)},
         {"me@example.org", "2026-12-03", "09:00", "", k(28)},
         {"/usr/bin/tool", "2026-12-04", "09:00", "", k(26), "", "", "", "", "--flag x"},
         {"plain", "2026-12-05", "09:00"},
         {"floppy", "2026-12-06", "09:00", "", k(35)}});
    current("plain");
    tasks().execution.doTasks();
    EXPECT_TRUE(fakes.shell.requests.empty()) << "a type without an action is skipped";
    EXPECT_TRUE(selection().empty()) << "Do leaves no row selected";
    select({"a b&c", "https://example.org", "me@example.org", "/usr/bin/tool", "floppy"});
    tasks().execution.doTasks();
    using Kind = DesktopRequest::Kind;
    const std::string home = dir.path().string();
    EXPECT_EQ(fakes.shell.requests,
              (std::vector<DesktopRequest>{{Kind::Open, "https://search.example/?q=a%20b%26c", "", home},
                                           {Kind::Browse, "https://example.org", "", home},
                                           {Kind::Mail, "mailto:me@example.org", "", home},
                                           {Kind::Open, "/usr/bin/tool", "--flag x", home},
                                           {Kind::CopyDiskette, "", "", home}}));
    EXPECT_EQ(selection().size(), 5u);

    fakes.shell.requests.clear();
    for (const char* task : {"me@example.org", "https://example.org", "/usr/bin/tool"}) {
        current(task);
        tasks().execution.executeTaskRow(list());
    }
    ASSERT_EQ(fakes.shell.requests.size(), 2u) << "a type 28 row does nothing when its reminder fires";
    EXPECT_EQ(fakes.shell.requests[0].target, "https://example.org");
    EXPECT_EQ(fakes.shell.requests[0].kind, DesktopRequest::Kind::Open);
    EXPECT_EQ(fakes.shell.requests[1].target, "/usr/bin/tool");
    EXPECT_EQ(fakes.shell.requests[1].arguments, "");
}

}  // namespace
}  // namespace torvalet::testing
