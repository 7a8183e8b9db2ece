#include "core/tasks/TaskFixture.h"

namespace torvalet::testing {
namespace {

using F = TaskList::Flag;

const std::string head =
    "select Date, Date2, Task, Time, Time2, Duration, Procent, Cost, Remindflag, Doflag, Project, DoerKey, StateKey, "
    "TypeKey, Prior_key, Comment from tasks where ";

// One row for each condition a flag or a filter can add, two days, distinct times.
const std::vector<Row> fixture = {
    {"plain", "2026-12-01", "09:00", "", "", "", "", "", "Zeta"},
    {"done", "2026-12-01", "10:00", k(1)},
    {"undone", "2026-12-01", "11:00", k(3)},
    {"mute", "2026-12-01", "12:00", k(2), "", "", "", "", "Alpha"},
    {"blank state", "2026-12-01", "13:00", "          "},
    {"highest", "2026-12-02", "08:00", k(4), "", k(1)},
    {"uncertain", "2026-12-02", "09:00", k(6), "", k(2)},
    {"high", "2026-12-02", "10:00", k(5), "", k(3)},
    {"low", "2026-12-02", "11:00", k(7), "", k(5)},
    {"time mark", "2026-12-02", "12:00", "", k(6)},
    {"joke", "2026-12-02", "13:00", "", k(15)},
    {"reminder", "2026-12-02", "14:00", "", k(1)},
    {"tip", "2026-12-02", "15:00", "", k(18)},
    {"call", "2026-12-02", "16:00", k(1), k(2)},
    {"hidden", "2026-12-02", "17:00", "", k(7)},
};

const std::vector<std::string> everyRow = {"plain", "done", "undone",    "mute", "blank state", "highest", "uncertain",
                                           "high",  "low",  "time mark", "joke", "reminder",    "tip",     "call"};

std::vector<std::string> without(std::vector<std::string> names, const std::vector<std::string>& gone) {
    std::erase_if(names, [&](const std::string& n) { return std::find(gone.begin(), gone.end(), n) != gone.end(); });
    return names;
}

struct ListCase {
    const char* name;
    std::vector<F> flags;
    int order;
    int type;  // 0: every type
    std::string tail;
    std::vector<std::string> rows;
};

class TaskListTest : public TaskFixture {};

TEST_F(TaskListTest, StatementTextAndRowsByFlagsOrderAndType) {
    add(fixture);
    const std::vector<ListCase> cases = {
        {"nothing hidden", {}, 1, 0, " TypeKey <> '         7' order by Date, Time", everyRow},
        {"hide done",
         {F::HideDone},
         1,
         0,
         " TypeKey <> '         7' and StateKey <> '         1' order by Date, Time",
         without(everyRow, {"done", "call"})},
        {"hide undone",
         {F::HideUndone},
         1,
         0,
         " TypeKey <> '         7' and StateKey <> '         3' order by Date, Time",
         without(everyRow, {"undone"})},
        {"hide mute",
         {F::HideMute},
         1,
         0,
         " TypeKey <> '         7' and StateKey <> '         2' order by Date, Time",
         without(everyRow, {"mute"})},
        {"hide normal state",
         {F::HideNormalState},
         1,
         0,
         " TypeKey <> '         7' and StateKey <> '' order by Date, Time",
         without(everyRow, {"plain", "blank state", "time mark", "joke", "reminder", "tip"})},
        {"hide low hides the uncertain priority",
         {F::HideLow},
         1,
         0,
         " TypeKey <> '         7' and Prior_key <> '         2' order by Date, Time",
         without(everyRow, {"uncertain"})},
        {"hide normal",
         {F::HideNormal},
         1,
         0,
         " TypeKey <> '         7' and Prior_key <> '' order by Date, Time",
         {"highest", "uncertain", "high", "low"}},
        {"hide high",
         {F::HideHigh},
         1,
         0,
         " TypeKey <> '         7' and Prior_key <> '         1' order by Date, Time",
         without(everyRow, {"highest"})},
        {"hide extra",
         {F::HideExtra},
         1,
         0,
         " TypeKey <> '         7' and Prior_key <> '         3' order by Date, Time",
         without(everyRow, {"high"})},
        {"hide tabs",
         {F::HideTabs},
         1,
         0,
         " TypeKey <> '         7' and Typekey <> '         6' order by Date, Time",
         without(everyRow, {"time mark"})},
        {"hide jokes",
         {F::HideJokes},
         1,
         0,
         " TypeKey <> '         7' and Typekey <> '        15' order by Date, Time",
         without(everyRow, {"joke"})},
        {"hide reminders",
         {F::HideReminders},
         1,
         0,
         " TypeKey <> '         7' and Typekey <> '         1' order by Date, Time",
         without(everyRow, {"reminder"})},
        {"hide tips",
         {F::HideTips},
         1,
         0,
         " TypeKey <> '         7' and Typekey <> '        18' order by Date, Time",
         without(everyRow, {"tip"})},
        {"conditions in table order whatever the order they were set in",
         {F::HideTips, F::HideMute, F::HideDone},
         1,
         0,
         " TypeKey <> '         7' and StateKey <> '         1' and StateKey <> '         2' and Typekey <> '        "
         "18' "
         "order by Date, Time",
         without(everyRow, {"done", "call", "mute", "tip"})},
        {"order 3 by project first", {}, 3, 0, " TypeKey <> '         7' order by Project, Date, Time", {}},
        {"one type with a hide flag",
         {F::HideDone},
         1,
         2,
         " TypeKey = '         2' and StateKey <> '         1' order by Date, Time",
         {}},
        {"one type", {}, 1, 6, " TypeKey = '         6' order by Date, Time", {"time mark"}},
    };
    for (const ListCase& c : cases) {
        TaskList& statement = organizer->tasks().context.list;
        for (int f = 0; f < TaskList::FlagCount; ++f) statement.setFlag(static_cast<F>(f), false);
        for (F f : c.flags) statement.setFlag(f, true);
        if (c.type)
            tasks().list.listTasksOfType(makeLookupKey(c.type), TaskList::orderList(c.order));
        else
            tasks().list.listTasks(TaskList::orderList(c.order));
        EXPECT_EQ(list().sql(), head + c.tail) << c.name;
        if (c.order == 3) {
            // Rows without a project first, by date and time; then "Alpha", then "Zeta".
            const auto rows = listed();
            ASSERT_EQ(rows.size(), everyRow.size()) << c.name;
            EXPECT_EQ(rows[rows.size() - 2], "mute") << c.name;
            EXPECT_EQ(rows.back(), "plain") << c.name;
        } else {
            EXPECT_EQ(listed(), c.rows) << c.name;
        }
        EXPECT_EQ(list().currentIndex(), list().rowCount() - 1) << c.name << ": the cursor stands on the last row";
    }
}

TEST_F(TaskListTest, OrdersOutOfRangeFallBackToTheFirst) {
    for (int n : {0, 8, -3}) {
        tasks().list.setTaskOrder(n);
        EXPECT_EQ(tasks().list.currentOrder(), "Date, Time") << n;
        EXPECT_EQ(organizer->settings().taskOrder, 1) << n;
        EXPECT_EQ(tasks().list.checkedOrder(), 1) << n;
    }
    tasks().list.setTaskOrder(6);
    EXPECT_EQ(tasks().list.currentOrder(), "Date, DoerKey, Time");
    EXPECT_EQ(organizer->settings().taskOrder, 6);
}

TEST_F(TaskListTest, ATypeFilterKeepsTheOrderCheckAndTheNextToggleListsEveryTypeAgain) {
    add(fixture);
    tasks().list.setTaskOrder(4);
    organizer->tasks().context.view.activePage = kLinksPage;
    tasks().list.filterTasksByType(2);
    EXPECT_EQ(organizer->tasks().context.view.activePage, kTasksPage);
    EXPECT_EQ(listed(), std::vector<std::string>{"call"});
    EXPECT_EQ(tasks().list.typeFilter(), 2);
    EXPECT_EQ(organizer->settings().taskOrder, 1);
    EXPECT_EQ(tasks().list.checkedOrder(), 4) << "the check mark of the order menu is not moved";

    organizer->tasks().context.view.activePage = kLinksPage;
    tasks().list.toggleHideFlag(F::HideDone);
    EXPECT_EQ(organizer->tasks().context.view.activePage, kLinksPage) << "the toggles do not switch pages";
    EXPECT_EQ(tasks().list.typeFilter(), 0);
    EXPECT_EQ(list().sql(), head + " TypeKey <> '         7' and StateKey <> '         1' order by Date, Time");
    EXPECT_TRUE(organizer->settings().hideDone);
    tasks().list.toggleHideFlag(F::HideDone);
    EXPECT_FALSE(organizer->settings().hideDone);
}

TEST_F(TaskListTest, TheFourTypeItemsToggleLikeTheOthersAndReachTheSettings) {
    for (F f : {F::HideTabs, F::HideJokes, F::HideReminders, F::HideTips}) {
        const bool before = tasks().list.flagChecked(f);
        tasks().list.toggleHideFlag(f);
        EXPECT_NE(tasks().list.flagChecked(f), before) << f;
        EXPECT_NE(list().sql().find(TaskList::condition(f)) != std::string::npos, before) << f;
    }
    EXPECT_TRUE(organizer->settings().hideJokes);
    EXPECT_TRUE(organizer->settings().hideTips);
}

TEST_F(TaskListTest, EasyViewHidesClosedRowsTimeMarksAndRemindersAndAClickOnTheCheckedPresetDoesNothing) {
    add(fixture);
    EXPECT_EQ(tasks().list.checkedPreset(), TaskListCommands::Preset::Detail) << "start-up applied the setting";
    tasks().list.useEasyView();
    EXPECT_EQ(listed(), without(everyRow, {"done", "undone", "call", "time mark", "reminder"}));
    EXPECT_TRUE(organizer->settings().easyMode);
    EXPECT_TRUE(organizer->view().easyView);

    tasks().list.toggleHideFlag(F::HideDone);
    tasks().list.useEasyView();
    EXPECT_FALSE(tasks().list.flagChecked(F::HideDone)) << "the checked preset stops at once";

    tasks().list.useDetailView();
    EXPECT_EQ(listed(), everyRow);
    EXPECT_FALSE(organizer->settings().easyMode);
}

TEST_F(TaskListTest, StartUpListsWithThePresetAndOrderOfTheSettings) {
    start("[General]\nfEasyMode=1\nOrderBy=2\n[Filter]\nfHideJokes=1\nfHideMute=1\n");
    EXPECT_EQ(list().sql(), head +
                                " TypeKey <> '         7' and StateKey <> '         1' and StateKey <> '         3' "
                                "and Typekey <> '         6' and Typekey <> '         1' order by Date, Project, Time");
    EXPECT_EQ(tasks().list.checkedPreset(), TaskListCommands::Preset::Easy);
    EXPECT_EQ(tasks().list.checkedOrder(), 2);
}

}  // namespace
}  // namespace torvalet::testing
