#include "trees/GoalForm.h"

#include "model/ViewState.h"

namespace torvalet {

GoalForm::GoalForm(UserInterface& ui, const Settings& settings, ViewState& view)
    : RecordForm(ui, settings), view_(view) {}

std::vector<std::string> GoalForm::goalTypeCaptions() {
    return {"Group",      "Main Goal", "Obstacle", "ToDo",     "Note",          "Reward",    "Object",
            "TechObject", "Human",     "Mid Goal", "Sub Goal", "Document ToDo", "Phone ToDo"};
}

std::vector<std::string> GoalForm::goalStateCaptions() {
    return {"None", "Prepare", "AtWork", "Mute", "Delayed", "Delegated", "Done", "Undone"};
}

std::vector<std::string> GoalForm::goalPrioCaptions() {
    return {"None", "HiPrio", "Prio#1", "Prio#2", "Prio#3", "LowPrio"};
}

void GoalForm::fill(const TGoalData& goal) {
    GoalMemo = goal.Text;
    Memo1 = goal.Description;
    NoteMemo = goal.Note;
    ComboBox1.setItemIndex(goal.GoalType);
    ComboBox2.setItemIndex(goal.State);
    ComboBox3.setItemIndex(goal.Prio);
}

void GoalForm::store(TGoalData& goal) const {
    goal.Text = GoalMemo;
    goal.Description = Memo1;
    goal.Note = NoteMemo;
    goal.GoalType = ComboBox1.itemIndex();
    goal.State = ComboBox2.itemIndex();
    goal.Prio = ComboBox3.itemIndex();
}

void GoalForm::afterOk() { view_.taskProperties = false; }

}  // namespace torvalet
