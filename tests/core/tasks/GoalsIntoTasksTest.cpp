#include <gtest/gtest.h>

#include "base/Errors.h"
#include "core/tasks/TaskStoreFixture.h"
#include "core/trees/TreeBytes.h"
#include "tasks/GoalsIntoTasks.h"
#include "tasks/LookupKey.h"
#include "trees/ItemTree.h"

namespace torvalet {
namespace {

TEST(GoalsIntoTasksKeys, GoalValuesMapOntoTaskKeys) {
    const struct {
        int value;
        const char *state, *prio, *type;  // key numbers, "" for the empty key
    } cases[] = {
        {0, "", "", "8"},  {1, "6", "1", ""},  {2, "4", "3", ""},  {3, "2", "4", ""},
        {4, "5", "5", ""}, {5, "7", "2", "3"}, {6, "1", "", "34"}, {7, "3", "", "12"},
        {8, "", "", "22"}, {12, "", "", "9"},  {13, "", "", "29"}, {23, "", "", ""},
        {32, "", "", ""},  {35, "", "", "2"},  {36, "", "", ""},   {-1, "", "", ""},
    };
    const auto key = [](const char* number) { return *number ? makeLookupKey(std::stoi(number)) : LookupKey(); };
    for (const auto& c : cases) {
        EXPECT_EQ(GoalsIntoTasks::stateKeyOf(c.value), key(c.state)) << c.value;
        EXPECT_EQ(GoalsIntoTasks::prioKeyOf(c.value), key(c.prio)) << c.value;
        EXPECT_EQ(GoalsIntoTasks::typeKeyOf(c.value), key(c.type)) << c.value;
    }
}

class GoalsIntoTasksTest : public testing::TaskStoreFixture {
protected:
    TreeNode* addGoal(const GoalRecord& goal, TreeNode* parent = nullptr) {
        return testing::appendGoal(goals, goal, parent);
    }
    TreeNode* addGoal(std::string text, TreeNode* parent = nullptr) {
        return testing::addGoal(goals, parent, std::move(text), 0);
    }

    std::vector<std::string> rows() {
        return column(
            "select Date || '|' || Task || '|' || StateKey || '|' || Prior_key || '|' || TypeKey from tasks"
            " order by rowid");
    }

    ItemTree goals{TreeId::DayGoalTree};
    GoalsIntoTasks goalsIntoTasks{store.listRows};
};

TEST_F(GoalsIntoTasksTest, SelectedGoalsBecomeTasksInTreeOrderAndStayAsTheyAre) {
    TreeNode* group = addGoal({"Project", "", "", 0, 0, 0});
    addGoal("Not selected", group);
    TreeNode* phone = addGoal({"Phone the bank", "desc", "note", 1, 2, 12}, group);
    TreeNode* todo = addGoal({"Plain", "", "", 0, -1, 3});
    goals.select(todo);
    goals.select(phone);
    goals.select(group);

    EXPECT_EQ(goalsIntoTasks.run(goals), 3u);
    EXPECT_EQ(rows(), (std::vector<std::string>{
                          "2026-12-08|Project|||         8",
                          "2026-12-08|Phone the bank|         4|         1|         9",
                          "2026-12-08|Plain|||",
                      }));
    EXPECT_EQ(phone->record<GoalRecord>(), (GoalRecord{"Phone the bank", "desc", "note", 1, 2, 12}));
    EXPECT_EQ(goals.selectionCount(), 3u);
    EXPECT_EQ(store.listRows.state(), QueryState::Browse);
}

TEST_F(GoalsIntoTasksTest, NothingSelectedMakesNoTask) {
    addGoal("Goal");
    EXPECT_EQ(goalsIntoTasks.run(goals), 0u);
    EXPECT_TRUE(rows().empty());
}

// The after-post rule selects today after every row, so only the first task takes the day
// selected in the month calendar.
TEST_F(GoalsIntoTasksTest, OnlyTheFirstTaskTakesAnotherSelectedDay) {
    goals.select(addGoal("First"));
    goals.select(addGoal("Second"));
    state.calendar.select(Date::fromYmd(2026, 12, 20), Date::fromYmd(2026, 12, 20));
    goalsIntoTasks.run(goals);
    EXPECT_EQ(column("select Date || ' ' || Task from tasks order by rowid"),
              (std::vector<std::string>{"2026-12-20 First", "2026-12-08 Second"}));
}

TEST_F(GoalsIntoTasksTest, AStoreErrorKeepsTheTasksPostedBeforeIt) {
    store.database()->execute(
        "CREATE TRIGGER refuse BEFORE UPDATE ON tasks WHEN NEW.Task = 'Refused'"
        " BEGIN SELECT RAISE(ABORT, 'refused by the store'); END");
    for (const char* text : {"Kept", "Refused", "Never"}) goals.select(addGoal(text));

    EXPECT_THROW(goalsIntoTasks.run(goals), StoreError);
    store.listRows.cancel();

    // Read through a second connection: what is there has been committed.
    Database other(TaskStore::storeFile(dir.path()), false);
    std::vector<std::string> tasks;
    SqlStatement statement = other.prepare("select Task from tasks order by rowid");
    while (statement.step()) tasks.push_back(sqlValueText(statement.column(0)));
    EXPECT_EQ(tasks, (std::vector<std::string>{"Kept", ""}));  // the refused goal's row was stored on insert
}

}  // namespace
}  // namespace torvalet
