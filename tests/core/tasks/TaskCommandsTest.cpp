#include "base/Errors.h"
#include "core/tasks/TaskFixture.h"
#include "tasks/TaskCommandTable.h"
#include "trees/GoalRecord.h"
#include "trees/ItemTree.h"

namespace torvalet::testing {
namespace {

class TaskCommandsTest : public TaskFixture {};

TEST_F(TaskCommandsTest, InsertGivesTheRowTheDaySelectedBeforeAndOpensTheDialogModally) {
    calendar().select(Date::fromYmd(2026, 3, 12), Date::fromYmd(2026, 3, 14));
    organizer->view().activePage = kContactsPage;
    commands().insertTaskCommand();
    EXPECT_EQ(organizer->view().activePage, kTasksPage);
    EXPECT_EQ(calendar().first(), Date::fromYmd(2026, 12, 8)) << "the insert's own post reset the calendar";
    EXPECT_TRUE(list().isEditing());
    EXPECT_EQ(list().text(TaskColumn::StartDate), "2026-03-12");
    EXPECT_EQ(list().text(TaskColumn::StartTime), "09:05");
    EXPECT_EQ(fakes.ui.propertiesShown, 1);
    commands().saveTask();
    EXPECT_EQ(column("select Date || ' ' || Date2 from tasks"), std::vector<std::string>{"2026-03-12 2026-03-14"});
    commands().saveTask();  // nothing being edited: nothing happens
    EXPECT_EQ(column("select count(*) from tasks"), std::vector<std::string>{"1"});
}

TEST_F(TaskCommandsTest, NewTaskOfTypeTakesOnlyTypesOneToFortySeven) {
    const std::pair<int, std::string> cases[] = {{11, "        11"}, {1, "         1"}, {47, "        47"},
                                                 {48, ""},           {0, ""},           {-2, ""}};
    for (const auto& [n, key] : cases) {
        commands().newTaskOfType(n);
        EXPECT_TRUE(list().isEditing()) << n;
        EXPECT_EQ(list().text(TaskColumn::TypeKey), key) << n;
        commands().saveTask();
    }
    EXPECT_EQ(column("select count(*) from tasks"), std::vector<std::string>{"6"});
}

TEST_F(TaskCommandsTest, DateShiftsOnTheSelectionOrTheCurrentRowAcrossMonthAndYearEnds) {
    add({{"a", "2026-12-01", "09:00", "", "", "", "2026-12-31"},
         {"b", "2026-12-31", "09:00", "", "", "", "2027-01-01"},
         {"c", "2028-02-28", "09:00", "", "", "", "2028-03-01"}});
    select({"a", "b", "c"});
    commands().shiftDatesBack();
    EXPECT_TRUE(selection().empty());
    EXPECT_EQ(column("select Date || ' ' || Date2 from tasks order by Task"),
              (std::vector<std::string>{"2026-11-30 2026-12-30", "2026-12-30 2026-12-31", "2028-02-27 2028-02-29"}));
    current("b");
    commands().shiftDatesForward();
    EXPECT_EQ(column("select Date || ' ' || Date2 from tasks order by Task"),
              (std::vector<std::string>{"2026-11-30 2026-12-30", "2026-12-31 2027-01-01", "2028-02-27 2028-02-29"}))
        << "without a selection only the current row moves";
}

TEST_F(TaskCommandsTest, DateCommandsSetTheirDaysAndResetTheCalendar) {
    add({{"a", "2026-05-01"}, {"b", "2026-05-02"}});
    struct Case {
        const char* name;
        void (TaskCommands::*command)();
        const char* expected;
    } cases[] = {
        {"Set Date...", &TaskCommands::setDatesFromCalendar, "2026-12-20 2026-12-24"},
        {"Shift", &TaskCommands::shiftToToday, "2026-12-08 2026-12-09"},
        {"Shift To Tomorrow", &TaskCommands::shiftToTomorrow, "2026-12-09 2026-12-10"},
    };
    for (const Case& c : cases) {
        calendar().select(Date::fromYmd(2026, 12, 20), Date::fromYmd(2026, 12, 24));
        select({"a", "b"});
        (commands().*c.command)();
        EXPECT_EQ(column("select distinct Date || ' ' || Date2 from tasks"), std::vector<std::string>{c.expected})
            << c.name;
        EXPECT_EQ(calendar().first(), Date::fromYmd(2026, 12, 8)) << c.name;
        EXPECT_EQ(calendar().last(), Date::fromYmd(2026, 12, 9)) << c.name;
    }
}

TEST_F(TaskCommandsTest, HourShiftsWrapAtMidnightOnTheSameDay) {
    const struct {
        const char* time;
        const char* back;
        const char* forward;
    } cases[] = {{"00:30", "23:30", "01:30"}, {"23:10", "22:10", "00:10"}, {"09:05", "08:05", "10:05"}};
    for (const auto& c : cases) {
        EXPECT_EQ(TaskCommands::hourBack(c.time), c.back) << c.time;
        EXPECT_EQ(TaskCommands::hourForward(c.time), c.forward) << c.time;
    }
    add({{"late", "2026-12-31", "23:10"}, {"early", "2026-12-01", "00:30"}});
    current("late");
    select({"early"});
    commands().shiftHourForward();
    EXPECT_EQ(column("select Date || ' ' || Time || ' ' || Time2 from tasks order by Task"),
              (std::vector<std::string>{"2026-12-01 01:30 01:30", "2026-12-31 00:10 00:10"}));
    EXPECT_TRUE(selection().empty()) << "the hour shifts clear the selection";
}

TEST_F(TaskCommandsTest, AnHourShiftStopsAtATimeThatIsNoNumberKeepingTheRowsBefore) {
    add({{"first", "2026-12-01", "09:00"}, {"broken", "2026-12-02", "10:00"}, {"last", "2026-12-03", "11:00"}});
    organizer->store().database()->execute("update tasks set Time2 = '' where Task = 'broken'");
    list().refresh();
    select({"first", "broken", "last"});
    try {
        commands().shiftHourBack();
        ADD_FAILURE() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
    EXPECT_EQ(column("select Time from tasks order by Date"), (std::vector<std::string>{"08:00", "10:00", "11:00"}));
    EXPECT_FALSE(list().isEditing());
}

TEST_F(TaskCommandsTest, TheTimeMenuSetsTheTargetOfTheSelectionAndTheCurrentRow) {
    add({{"a", "2026-12-01", "09:00"}, {"b", "2026-12-02", "09:00"}, {"c", "2026-12-03", "09:00"}});
    observer.onTimeMenu = [&] { commands().pickTime("17:35"); };
    select({"a"});
    current("b");
    commands().chooseFinalTime();
    EXPECT_EQ(observer.timeMenus, 1);
    EXPECT_EQ(column("select Time || '-' || Time2 from tasks order by Task"),
              (std::vector<std::string>{"09:00-17:35", "09:00-17:35", "09:00-09:00"}));
    EXPECT_EQ(selection().size(), 1u) << "the current row's mark is put back as it was";
    commands().chooseTime();
    EXPECT_EQ(field("Time", "b"), "17:35");
    const auto menu = timeMenu();
    ASSERT_EQ(menu.size(), 16u);
    EXPECT_EQ(menu.front().caption, "07:00");
    EXPECT_EQ(menu.back().times.back(), "22:55");
    EXPECT_EQ(menu[2].times[7], "09:35");
}

TEST_F(TaskCommandsTest, StatesSetTheirKeysCuesAndPercent) {
    add({{"a"}, {"b", "2026-12-08", "11:00"}, {"other", "2026-12-08", "12:00"}});
    organizer->store().database()->execute("update tasks set Procent = 40");
    list().refresh();
    const struct {
        TaskState state;
        const char* key;
        const char* procent;
        const char* cue;
    } cases[] = {
        {TaskState::Done, "         1", "100.0", "done.wav"},
        {TaskState::Undone, "         3", "100.0", "undone.wav"},
        {TaskState::None, "", "0.0", nullptr},
        {TaskState::Mute, "         2", "0.0", "mute.wav"},
        {TaskState::AtWork, "         4", "0.0", "atwork.wav"},
        {TaskState::Delayed, "         5", "0.0", nullptr},
        {TaskState::Prepare, "         6", "0.0", "prepare.wav"},
        {TaskState::Delegated, "         7", "0.0", "delegated.wav"},
    };
    for (const auto& c : cases) {
        fakes.sound.played.clear();
        select({"a", "b"});
        commands().stateCommand(c.state);
        EXPECT_EQ(column("select StateKey || '|' || Procent from tasks where Task <> 'other'"),
                  (std::vector<std::string>(2, std::string(c.key) + "|" + c.procent)))
            << c.key;
        EXPECT_EQ(fakes.sound.played.size(), c.cue ? 2u : 0u) << c.key;
        if (c.cue) {
            EXPECT_EQ(cuesPlayed(c.cue), 2) << c.key;
        }
    }
    EXPECT_EQ(field("StateKey", "other"), "");
    EXPECT_EQ(field("Procent", "other"), "40");
}

TEST_F(TaskCommandsTest, PrioritiesAndRotations) {
    add({{"a"}, {"b", "2026-12-08", "11:00"}});
    select({"a", "b"});
    commands().priorityCommand(keys::High);
    EXPECT_EQ(column("select distinct Prior_key from tasks"), std::vector<std::string>{"         3"});
    current("a");
    std::vector<std::string> seen;
    for (int i = 0; i < 6; ++i) {
        commands().rotatePriority();
        seen.push_back(field("Prior_key", "a"));
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{"         4", "         5", "         2", "", "         1", "         3"}));
    seen.clear();
    for (int i = 0; i < 6; ++i) {
        commands().rotateState();
        seen.push_back(field("StateKey", "a"));
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{"         6", "         4", "         2", "         1", "         3", ""}));
    EXPECT_TRUE(fakes.sound.played.empty()) << "a rotation plays no cue";
    organizer->store().database()->execute("update tasks set StateKey = '         5'");
    list().refresh();
    current("a");
    commands().rotateState();
    EXPECT_EQ(field("StateKey", "a"), "         5") << "a delayed row stays delayed";
}

TEST_F(TaskCommandsTest, WithAGoalTreeFocusedTheStateCommandsMarkTheSelectedGoals) {
    add({{"a"}});
    ItemTree& goals = organizer->trees().get(TreeId::DayGoalTree);
    TreeNode* goal = goals.appendChild(nullptr);
    goals.select(goal);
    observer.goalTreeFocused = true;
    commands().stateCommand(TaskState::Done);
    EXPECT_EQ(goal->record<GoalRecord>().state, 6);
    EXPECT_EQ(field("StateKey", "a"), "") << "the task list is left as it was";
    // The goal bar's state button runs "Terminate".
    const TaskToolButton& stateButton = taskToolButtons()[2];
    EXPECT_STREQ(stateButton.command, "Terminate1");
    commands().stateCommand(TaskState::Mute);
    findTaskCommand(stateButton.command)->run(organizer->tasks());
    EXPECT_EQ(goal->record<GoalRecord>().state, 6);
    observer.goalTreeFocused = false;
    commands().priorityCommand(keys::Highest);
    EXPECT_EQ(field("Prior_key", "a"), "         1") << "priorities always act on the tasks";
}

TEST_F(TaskCommandsTest, CaseChangesCoverCyrillicAndGreek) {
    add({{"Привет мир, αβγ and Ωmega"}});
    commands().upperCaseTask();
    EXPECT_EQ(field("Task", "ПРИВЕТ МИР, ΑΒΓ AND ΩMEGA"), "ПРИВЕТ МИР, ΑΒΓ AND ΩMEGA");
    commands().lowerCaseTask();
    EXPECT_EQ(field("Task", "привет мир, αβγ and ωmega"), "привет мир, αβγ and ωmega");
}

TEST_F(TaskCommandsTest, DayDeleteQuestionsByLanguage) {
    using D = TaskCommands::DayDelete;
    const std::string en = "Are you sure to delete 20.06.2026 day tasks?";
    const struct {
        D which;
        std::string byLanguage[4];
    } cases[] = {
        {D::DayTasks, {en, "Удалить  задачи за 20.06.2026?", en, en}},
        {D::DoneDayTasks, {en, "Удалить задачи за 20.06.2026?", "Удалить задачи за 20.06.2026?", en}},
        {D::DayReminders,
         {en, "Вы действительно хотите удалить  задачи за 20.06.2026?",
          "Вы действительно хотите удалить  задачи за 20.06.2026?", en}},
    };
    for (const auto& c : cases)
        for (int language = 0; language < 4; ++language)
            EXPECT_EQ(TaskCommands::deleteDayQuestion(c.which, language, "20.06.2026"), c.byLanguage[language])
                << int(c.which) << " " << language;
    EXPECT_EQ(TaskCommands::deleteDoneBeforeQuestion(2, "x"), "Удалить выполненные задачи перед x?");
    EXPECT_EQ(TaskCommands::deleteDoneBeforeQuestion(3, "x"), "Are you sure to delete tasks before x?");
    EXPECT_EQ(TaskCommands::deleteDoneTasksQuestion(2), "Are you sure to delete done tasks?");
}

TEST_F(TaskCommandsTest, DayDeletesRemoveWhatTheirStatementsSayAfterAYes) {
    const std::vector<Row> rows = {{"open", "2026-06-20"},
                                   {"done", "2026-06-20", "11:00", k(1)},
                                   {"mark", "2026-06-20", "12:00", "", k(6)},
                                   {"reminder", "2026-06-20", "13:00", "", k(1)},
                                   {"other day", "2026-06-21"}};
    const struct {
        void (TaskCommands::*command)();
        std::vector<std::string> left;
    } cases[] = {
        {&TaskCommands::deleteDayTasks, {"other day"}},
        {&TaskCommands::deleteDoneDayTasks, {"open", "reminder", "other day"}},
        {&TaskCommands::deleteDayReminders, {"open", "done", "mark", "other day"}},
    };
    for (const auto& c : cases) {
        organizer->store().database()->execute("delete from tasks");
        add(rows);
        current("open");
        fakes.ui.answer = false;
        (commands().*c.command)();
        EXPECT_EQ(column("select count(*) from tasks"), std::vector<std::string>{"5"}) << "No changes nothing";
        fakes.ui.answer = true;
        (commands().*c.command)();
        EXPECT_EQ(column("select Task from tasks order by Date, Time"), c.left);
        EXPECT_EQ(listed(), c.left) << "the list is read again";
        EXPECT_EQ(calendar().first(), Date::fromYmd(2026, 12, 8)) << "the calendar is set back";
    }
    EXPECT_EQ(fakes.ui.questions.back(), "Are you sure to delete 20.06.2026 day tasks?");
}

TEST_F(TaskCommandsTest, DeleteDoneBeforeTakesTheHundredDaysBeforeTheRowsDay) {
    add({{"day itself", "2026-06-20", "09:00", k(1)},
         {"day before", "2026-06-19", "09:00", k(3)},
         {"first of the hundred", "2026-03-11", "09:00", "", k(6)},
         {"one too early", "2026-03-10", "09:00", k(1)},
         {"open", "2026-05-01", "09:00", k(4)}});
    current("day itself");
    commands().deleteDoneBefore();
    EXPECT_EQ(fakes.ui.questions.back(), "Are you sure to delete tasks before 20.06.2026?");
    EXPECT_EQ(column("select Task from tasks order by Date"),
              (std::vector<std::string>{"one too early", "open", "day itself"}));
}

TEST_F(TaskCommandsTest, DeleteDoneTasksTakesDoneAndUndoneRowsOfEveryDate) {
    add({{"done", "1999-01-01", "09:00", k(1)},
         {"undone", "2090-01-01", "09:00", k(3)},
         {"mark", "2026-12-08", "09:00", "", k(6)},
         {"open", "2026-12-08", "10:00", k(4)}});
    fakes.ui.answer = false;
    commands().deleteDoneTasks();
    EXPECT_EQ(column("select count(*) from tasks"), std::vector<std::string>{"4"});
    fakes.ui.answer = true;
    commands().deleteDoneTasks();
    EXPECT_EQ(fakes.ui.questions.back(), "Are you sure to delete done tasks?");
    EXPECT_EQ(listed(), (std::vector<std::string>{"mark", "open"}));
}

TEST_F(TaskCommandsTest, DeleteTaskTakesTheSelectionElseTheCurrentRowWithoutAsking) {
    add({{"a", "2026-12-01"}, {"b", "2026-12-02"}, {"c", "2026-12-03"}, {"d", "2026-12-04"}});
    current("b");
    commands().deleteTasksCommand();
    EXPECT_EQ(listed(), (std::vector<std::string>{"a", "c", "d"}));
    select({"a", "d"});
    commands().gridDeleteKey();
    EXPECT_EQ(listed(), std::vector<std::string>{"c"});
    EXPECT_TRUE(fakes.ui.questions.empty());
    EXPECT_EQ(cuesPlayed("recycle.wav"), 2);
}

TEST_F(TaskCommandsTest, EveryCommandOfTheTableRunsOnAnEmptyListWithoutHarm) {
    fakes.ui.answer = true;
    for (const TaskCommandInfo& command : taskCommands()) {
        try {
            command.run(organizer->tasks());
        } catch (const std::exception& error) {
            ADD_FAILURE() << command.name << ": " << error.what();
        }
        if (list().isEditing()) list().cancel();
    }
    for (const TaskToolButton& button : taskToolButtons()) {
        EXPECT_NE(findTaskCommand(button.command), nullptr) << button.name;
        for (const TaskDropDownItem& item : button.items) {
            EXPECT_NO_THROW(item.run(organizer->tasks(), item.value)) << item.caption;
            if (list().isEditing()) list().post();
        }
    }
    EXPECT_EQ(taskToolButtons()[0].items.size(), 25u);
    using Keys = std::vector<std::string>;
    EXPECT_EQ(findTaskCommand("mTaskProps")->shortcuts(), (Keys{"Ctrl+Return", "Ctrl+Num+Enter"}));
    EXPECT_EQ(findTaskCommand("Terminate1")->shortcuts(), Keys{"F8"});
    EXPECT_EQ(findTaskCommand("Delayed1")->shortcuts(), Keys{});
    for (const TaskCommandInfo& command : taskCommands()) {
        bool menuKnown = std::string_view(command.menu) == "mFile" || std::string_view(command.menu) == "mView";
        for (const CommandMenu& menu : taskMenus())
            menuKnown = menuKnown || std::string_view(menu.name) == command.menu;
        EXPECT_TRUE(menuKnown) << command.name;
    }
}

}  // namespace
}  // namespace torvalet::testing
