#include "tasks/TaskPropsForm.h"

#include <memory>

#include "TaskFixture.h"
#include "tasks/LookupKey.h"

namespace torvalet::testing {
namespace {

// The dialog's form on the current row "Call the bank", a call at work, 30 percent done.
class TaskPropsFormTest : public TaskFixture {
protected:
    void SetUp() override {
        TaskFixture::SetUp();
        Query& tasks = list();
        tasks.append();
        tasks.setText(TaskColumn::Task, "Call the bank");
        tasks.setText(TaskColumn::TypeKey, makeLookupKey(2));
        tasks.setText(TaskColumn::StateKey, makeLookupKey(4));
        tasks.setNumber(TaskColumn::Percent, 30);
        tasks.post();
        form = std::make_unique<TaskPropsForm>(organizer->store(), commands());
    }

    std::string stored(const char* column) {
        return this->column(std::string("select ") + column + " from tasks where Task like 'Call%'").at(0);
    }

    std::unique_ptr<TaskPropsForm> form;
};

TEST_F(TaskPropsFormTest, ShowsTheCurrentRowWithItsLookupNames) {
    const TaskPropsForm::Fields shown = form->fields();
    EXPECT_EQ(shown.task, "Call the bank");
    EXPECT_EQ(shown.typeName, "Call");
    EXPECT_EQ(shown.stateName, "AtWork");
    EXPECT_EQ(shown.procent, "30");
    EXPECT_EQ(shown.time, "09:05");
    EXPECT_EQ(shown.date, fakes.clock.now().date);
    const std::vector<std::string> states = form->stateNames();
    EXPECT_TRUE(std::is_sorted(states.begin(), states.end()));
}

// Typing goes into the row being edited and reaches the store only when the dialog closes.
TEST_F(TaskPropsFormTest, TypedTextIsSavedAtClose) {
    form->setTask("Call Maria");
    form->setProject("Atlas");
    EXPECT_TRUE(list().isEditing());
    EXPECT_EQ(stored("Task"), "Call the bank");
    form->close();
    EXPECT_FALSE(list().isEditing());
    EXPECT_EQ(stored("Task"), "Call Maria");
    EXPECT_EQ(stored("Project"), "Atlas");
}

// A name picked in a list sets its key only; an unknown name changes nothing.
TEST_F(TaskPropsFormTest, ChosenNamesSetKeysOnly) {
    form->chooseState("Done");
    form->choosePriority("#1");
    form->chooseType("no such type");
    form->close();
    EXPECT_EQ(stored("StateKey"), makeLookupKey(1));
    EXPECT_EQ(stored("Prior_key"), makeLookupKey(3));
    EXPECT_EQ(stored("TypeKey"), makeLookupKey(2));
    EXPECT_EQ(stored("Procent = 30"), "1");
    EXPECT_TRUE(fakes.sound.played.empty());
}

TEST_F(TaskPropsFormTest, ClearButtonsOfTypeAndDoerSaveAtOnce) {
    form->setDoer("Boris");
    form->clearType();
    EXPECT_FALSE(list().isEditing());
    EXPECT_EQ(stored("TypeKey"), "");
    EXPECT_EQ(stored("DoerKey"), "Boris");
    form->clearDoer();
    EXPECT_EQ(stored("DoerKey"), "");
}

// The clear buttons of Prio and State, the time boxes and the new-task button are the task
// commands of the same meaning: the state's clears the percentage too, a time box pops up the
// time menu, a new task opens the dialog modally on its row.
TEST_F(TaskPropsFormTest, CommandButtonsRunTheTaskCommands) {
    form->choosePriority("#1");
    form->close();
    form->clearPriority();
    form->clearState();
    EXPECT_EQ(stored("Prior_key"), "");
    EXPECT_EQ(stored("StateKey"), "");
    EXPECT_EQ(stored("Procent"), "0");

    observer.onTimeMenu = [&] { commands().pickTime(observer.timeMenus == 1 ? "17:35" : "18:40"); };
    form->chooseTime();
    form->chooseFinalTime();
    EXPECT_EQ(observer.timeMenus, 2);
    EXPECT_EQ(stored("Time"), "17:35");
    EXPECT_EQ(stored("Time2"), "18:40");

    form->newTask();
    EXPECT_EQ(fakes.ui.propertiesShown, 1);
    EXPECT_TRUE(list().isEditing());
    form->setTask("Buy stamps");
    form->close();
    EXPECT_EQ(column("select Task from tasks order by rowid"),
              (std::vector<std::string>{"Call the bank", "Buy stamps"}));
}

TEST_F(TaskPropsFormTest, AClosedListShowsNothingAndTakesNoTyping) {
    list().close();
    EXPECT_FALSE(form->hasRow());
    EXPECT_EQ(form->fields().task, "");
    form->setTask("lost?");
    form->close();
    EXPECT_EQ(stored("Task"), "Call the bank");
}

}  // namespace
}  // namespace torvalet::testing
