#include <functional>

#include "base/Errors.h"
#include "core/tasks/TaskFixture.h"
#include "core/trees/TreeBytes.h"
#include "fakes/RefusedCommits.h"
#include "tasks/GoalsIntoTasks.h"
#include "tasks/TaskFile.h"
#include "trees/ItemTree.h"

namespace torvalet::testing {
namespace {

class StoreFaultsTest : public TaskFixture {
protected:
    // The rows as the list shows them, and as the store holds the same rows.
    std::string shown() {
        std::string text;
        for (int row = 0; row < list().rowCount(); ++row) {
            text += std::to_string(list().bookmarkAt(row));
            for (TaskColumn c :
                 {TaskColumn::Task, TaskColumn::StartDate, TaskColumn::StateKey, TaskColumn::PriorityKey})
                text += "|" + list().textAt(row, c);
            text += "\n";
        }
        return text;
    }
    std::string stored() {
        std::string text;
        for (int row = 0; row < list().rowCount(); ++row) {
            const auto values = column(
                "select rowid || '|' || Task || '|' || Date || '|' || StateKey || '|' || "
                "Prior_key from tasks where rowid = " +
                std::to_string(list().bookmarkAt(row)));
            text += (values.empty() ? std::string("<not stored>") : values[0]) + "\n";
        }
        return text;
    }
    std::string allRows() {
        std::string text;
        for (const std::string& row : column("select rowid || '|' || Task || '|' || Date || '|' || StateKey || '|' || "
                                             "Prior_key from tasks order by rowid"))
            text += row + "\n";
        return text;
    }
};

// A command over several rows whose COMMIT is refused says so with the engine's words, keeps
// nothing of what it did, and the list shows the rows as they are stored.
TEST_F(StoreFaultsTest, ARefusedCommitOfAGroupIsReportedAndTheListShowsTheStoredRows) {
    const struct {
        const char* name;
        std::function<void()> prepare;
        std::function<void()> command;
    } cases[] = {
        {"Terminate one row", [this] { current("b"); }, [this] { commands().stateCommand(TaskState::Done); }},
        {"Terminate a selection",
         [this] {
             select({"a", "b", "c"});
         },
         [this] { commands().stateCommand(TaskState::Done); }},
        {"a priority",
         [this] {
             select({"a", "c"});
         },
         [this] { commands().priorityCommand(k(1)); }},
        {"a date",
         [this] {
             select({"a", "b"});
         },
         [this] { commands().shiftDatesForward(); }},
        {"delete",
         [this] {
             select({"a", "b"});
         },
         [this] { commands().deleteTasks(); }},
        {"paste",
         [this] {
             select({"a", "b", "c"});
             tasks().clipboard.copyTasksCommand();
         },
         [this] { tasks().clipboard.pasteTasksCommand(); }},
        {"load a task file",
         [this] {
             writeText(organizer->paths().tasks() / "load.ini",
                       taskFile::write({{"x", "10:00", "", "", ""}, {"y", "11:00", "", "", ""}}));
             fakes.ui.fileAnswers.push_back("load.ini");
         },
         [this] { tasks().files.loadTaskFileCommand(); }},
        {"the hour marks", [] {}, [this] { tasks().marks.insertTimeMarks(); }},
        {"goals into tasks", [] {},
         [this] {
             ItemTree goals{TreeId::DayGoalTree};
             goals.select(addGoal(goals, nullptr, "goal one"));
             goals.select(addGoal(goals, nullptr, "goal two"));
             GoalsIntoTasks(list()).run(goals);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        organizer.reset();
        start();
        add({{"a", "2026-12-08", "10:00"}, {"b", "2026-12-08", "11:00"}, {"c", "2026-12-08", "12:00"}});
        c.prepare();
        refuseCommits(*organizer->store().database());
        const std::string before = allRows();
        try {
            c.command();
            ADD_FAILURE() << "no error";
        } catch (const StoreError& error) {
            EXPECT_NE(std::string(error.what()).find("FOREIGN KEY constraint failed"), std::string::npos)
                << error.what();
        }
        EXPECT_EQ(allRows(), before);
        EXPECT_EQ(shown(), stored());
        EXPECT_EQ(list().state(), QueryState::Browse);
        EXPECT_TRUE(sqlite3_get_autocommit(organizer->store().database()->handle())) << "no transaction left open";
        allowCommits(*organizer->store().database());
    }
}

// A row refused half-way keeps the rows before it (they were posted) and is shown as stored.
TEST_F(StoreFaultsTest, ARowRefusedInsideAGroupKeepsTheRowsBeforeItAndShowsItAsStored) {
    add({{"a", "2026-12-08", "10:00"}, {"b", "2026-12-08", "11:00"}, {"c", "2026-12-08", "12:00"}});
    organizer->store().database()->execute(
        "CREATE TRIGGER refuse_b BEFORE UPDATE ON tasks WHEN NEW.Task = 'b' BEGIN SELECT RAISE(ABORT, 'b is kept'); "
        "END");
    select({"a", "b", "c"});
    EXPECT_THROW(commands().stateCommand(TaskState::Done), StoreError);
    EXPECT_EQ(field("StateKey", "a"), k(1));
    EXPECT_EQ(field("StateKey", "b"), "");
    EXPECT_EQ(field("StateKey", "c"), "");
    EXPECT_EQ(shown(), stored());
    EXPECT_EQ(list().state(), QueryState::Browse);
}

// The task commands a user reaches for first, each with what it needs on screen.
struct TaskCommandCase {
    const char* name;
    std::function<void(Tasks&)> run;
};

const TaskCommandCase taskCommands[] = {
    {"Insert", [](Tasks& t) { t.commands.insertTaskCommand(); }},
    {"a new task of a type", [](Tasks& t) { t.commands.newTaskOfType(3); }},
    {"add",
     [](Tasks& t) {
         t.commands.addTask({"added", {}, {}, 0, 0, 0});
     }},
    {"Terminate", [](Tasks& t) { t.commands.stateCommand(TaskState::Done); }},
    {"a priority", [](Tasks& t) { t.commands.priorityCommand(k(1)); }},
    {"shift the dates", [](Tasks& t) { t.commands.shiftDatesForward(); }},
    {"delete", [](Tasks& t) { t.commands.deleteTasksCommand(); }},
    {"Delete Day Tasks", [](Tasks& t) { t.commands.deleteDayTasks(); }},
    {"cut", [](Tasks& t) { t.clipboard.cutTasksCommand(); }},
    {"paste", [](Tasks& t) { t.clipboard.pasteTasksCommand(); }},
    {"insert from the clipboard", [](Tasks& t) { t.clipboard.insertFromClipboardCommand(); }},
};

// What a command left for the user to read: its error, or nothing.
std::string errorOf(Tasks& t, const std::function<void(Tasks&)>& command) {
    try {
        command(t);
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

class ReadOnlyStoreTest : public TaskFixture {
protected:
    void SetUp() override {
        start();
        add({{"a", "2026-12-08", "10:00"}, {"b", "2026-12-08", "11:00"}});
        current("a");
        tasks().clipboard.copyTasksCommand();
        organizer.reset();
        organizer = std::make_unique<Organizer>(fakes.services, dir.path());
        organizer->setObserver(&observer);
        organizer->setReadOnly(true);
        organizer->start();
        organizer->firstShow();
        fakes.ui.messages.clear();
    }
};

// A folder opened read-only refuses every change before it shows on screen, in plain words, and
// the close has nothing left to post.
TEST_F(ReadOnlyStoreTest, TaskEditsAreRefusedUpFrontAndNotTriedAgainAtClose) {
    ASSERT_TRUE(organizer->store().database()->readOnly());
    fakes.clipboard.setText("from the clipboard");
    for (const TaskCommandCase& c : taskCommands) {
        SCOPED_TRACE(c.name);
        current("a");
        const std::string error = errorOf(tasks(), c.run);
        EXPECT_EQ(error, "The task store is open read-only: tasks cannot be added, changed or deleted.");
        EXPECT_EQ(listed(), (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(list().state(), QueryState::Browse);
        EXPECT_EQ(field("StateKey", "a"), "");
    }
    organizer->close();
    for (const std::string& message : fakes.ui.messages) {
        EXPECT_EQ(message.find("tasks cannot"), std::string::npos) << message;
        EXPECT_EQ(message.find("readonly database"), std::string::npos) << message;
    }
}

// A post that failed was reported when it failed: the close does not try it again.
TEST_F(StoreFaultsTest, AFailedPostIsNotTriedAgainAtClose) {
    add({{"a", "2026-12-08", "10:00"}});
    organizer->store().database()->execute(
        "CREATE TRIGGER refuse BEFORE UPDATE ON tasks BEGIN SELECT RAISE(ABORT, 'the disk is full'); END");
    current("a");
    list().edit();
    list().setText(TaskColumn::Task, "changed");
    EXPECT_THROW(list().post(), StoreError);
    EXPECT_TRUE(list().postFailed());
    fakes.ui.messages.clear();
    organizer->close();
    for (const std::string& message : fakes.ui.messages)
        EXPECT_EQ(message.find("the disk is full"), std::string::npos) << message;
}

// A new row that the store refuses is taken off the list at once.
TEST_F(StoreFaultsTest, AnInsertTheStoreRefusesLeavesNoRowOnScreen) {
    add({{"a", "2026-12-08", "10:00"}});
    organizer->store().database()->execute(
        "CREATE TRIGGER refuse BEFORE INSERT ON tasks BEGIN SELECT RAISE(ABORT, 'the disk is full'); END");
    current("a");
    EXPECT_THROW(commands().insertTaskCommand(), StoreError);
    EXPECT_EQ(listed(), std::vector<std::string>{"a"});
    EXPECT_EQ(list().state(), QueryState::Browse);
    EXPECT_EQ(list().bookmark(), list().bookmarkAt(0));
}

// A store file holding text: one message that says what happened and what to do, and task
// commands that say, plainly, that there is no task list.
TEST_F(StoreFaultsTest, AStoreHoldingTextIsReportedOnceAndTaskCommandsSayThereIsNoList) {
    organizer.reset();
    writeText(dir / "Data" / "tasks.db", "These are my notes, not a database.\n");
    fakes.ui.messages.clear();
    organizer = std::make_unique<Organizer>(fakes.services, dir.path());
    organizer->setObserver(&observer);
    organizer->start();
    organizer->firstShow();
    ASSERT_EQ(fakes.ui.messages.size(), 1u) << ::testing::PrintToString(fakes.ui.messages);
    const std::string& message = fakes.ui.messages[0];
    EXPECT_NE(message.find("restore it from a backup"), std::string::npos) << message;
    EXPECT_NE(message.find("\nfile is not a database"), std::string::npos)
        << "the engine's words on a line of their own";
    EXPECT_EQ(readText(dir / "Data" / "tasks.db"), "These are my notes, not a database.\n");
    fakes.clipboard.setText("from the clipboard");
    for (const TaskCommandCase& c : taskCommands) {
        SCOPED_TRACE(c.name);
        const std::string error = errorOf(tasks(), c.run);
        EXPECT_TRUE(error.empty() || error == "The task list is not available: the task store could not be opened.")
            << error;
    }
    fakes.ui.messages.clear();
    organizer->close();
    EXPECT_TRUE(fakes.ui.messages.empty()) << ::testing::PrintToString(fakes.ui.messages);
    EXPECT_EQ(readText(dir / "Data" / "tasks.db"), "These are my notes, not a database.\n");
}

}  // namespace
}  // namespace torvalet::testing
