#include "tasks/TaskPropsForm.h"

#include "TaskStoreFixture.h"
#include "tasks/LookupKey.h"

namespace torvalet::testing {
namespace {

class TaskPropsFormTest : public TaskStoreFixture {
protected:
    TaskPropsFormTest() {
        Query& tasks = store.listRows;
        tasks.append();
        tasks.setText(TaskColumn::Task, "Call the bank");
        tasks.setText(TaskColumn::TypeKey, makeLookupKey(2));
        tasks.setText(TaskColumn::StateKey, makeLookupKey(4));
        tasks.setNumber(TaskColumn::Percent, 30);
        tasks.post();
    }

    std::string stored(const char* column) {
        return this->column(std::string("select ") + column + " from tasks where Task like 'Call%'").at(0);
    }

    TaskPropsForm form{store};
};

TEST_F(TaskPropsFormTest, ShowsTheCurrentRowWithItsLookupNames) {
    const TaskPropsForm::Fields shown = form.fields();
    EXPECT_EQ(shown.task, "Call the bank");
    EXPECT_EQ(shown.typeName, "Call");
    EXPECT_EQ(shown.stateName, "AtWork");
    EXPECT_EQ(shown.procent, "30");
    EXPECT_EQ(shown.time, "09:05");
    EXPECT_EQ(shown.date, fakes.clock.now().date);
    const std::vector<std::string> states = form.stateNames();
    EXPECT_TRUE(std::is_sorted(states.begin(), states.end()));
}

// Typing goes into the row being edited and reaches the store only when the dialog closes.
TEST_F(TaskPropsFormTest, TypedTextIsSavedAtClose) {
    form.setTask("Call Maria");
    form.setProject("Atlas");
    EXPECT_TRUE(store.listRows.isEditing());
    EXPECT_EQ(stored("Task"), "Call the bank");
    form.close();
    EXPECT_FALSE(store.listRows.isEditing());
    EXPECT_EQ(stored("Task"), "Call Maria");
    EXPECT_EQ(stored("Project"), "Atlas");
}

// A name picked in a list sets its key only; an unknown name changes nothing.
TEST_F(TaskPropsFormTest, ChosenNamesSetKeysOnly) {
    form.chooseState("Done");
    form.choosePriority("#1");
    form.chooseType("no such type");
    form.close();
    EXPECT_EQ(stored("StateKey"), makeLookupKey(1));
    EXPECT_EQ(stored("Prior_key"), makeLookupKey(3));
    EXPECT_EQ(stored("TypeKey"), makeLookupKey(2));
    EXPECT_EQ(stored("Procent = 30"), "1");
    EXPECT_TRUE(fakes.sound.played.empty());
}

TEST_F(TaskPropsFormTest, ClearButtonsOfTypeAndDoerSaveAtOnce) {
    form.setDoer("Boris");
    form.clearType();
    EXPECT_FALSE(store.listRows.isEditing());
    EXPECT_EQ(stored("TypeKey"), "");
    EXPECT_EQ(stored("DoerKey"), "Boris");
    form.clearDoer();
    EXPECT_EQ(stored("DoerKey"), "");
}

// The buttons that are task commands run the commands given; without a save command a close
// still posts the row.
TEST_F(TaskPropsFormTest, CommandButtonsRunTheirCommands) {
    std::vector<std::string> ran;
    form.nullPriority = [&] { ran.push_back("null priority"); };
    form.nullState = [&] { ran.push_back("null state"); };
    form.insertTask = [&] { ran.push_back("insert"); };
    form.setTime = [&] { ran.push_back("set time"); };
    form.setFinalTime = [&] { ran.push_back("set final time"); };
    form.clearPriority();
    form.clearState();
    form.newTask();
    form.chooseTime();
    form.chooseFinalTime();
    EXPECT_EQ(ran, (std::vector<std::string>{"null priority", "null state", "insert", "set time", "set final time"}));
    form.saveTask = [&] { ran.push_back("save"); };
    form.close();
    EXPECT_EQ(ran.back(), "save");
}

TEST_F(TaskPropsFormTest, AClosedListShowsNothingAndTakesNoTyping) {
    store.listRows.close();
    EXPECT_FALSE(form.hasRow());
    EXPECT_EQ(form.fields().task, "");
    form.setTask("lost?");
    form.close();
    EXPECT_EQ(stored("Task"), "Call the bank");
}

}  // namespace
}  // namespace torvalet::testing
