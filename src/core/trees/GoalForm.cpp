#include "trees/GoalForm.h"

#include "model/ViewState.h"

namespace torvalet {

GoalForm::GoalForm(UserInterface& ui, const Settings& settings, TreeObserver& observer, ViewState& view)
    : RecordForm(ui, settings, observer), view_(view) {}

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

void GoalForm::fill(const GoalRecord& goal) {
    text = goal.text;
    description = goal.description;
    note = goal.note;
    kind.setItemIndex(goal.kind);
    state.setItemIndex(goal.state);
    priority.setItemIndex(goal.priority);
}

void GoalForm::store(GoalRecord& goal) const {
    goal.text = text;
    goal.description = description;
    goal.note = note;
    goal.kind = kind.itemIndex();
    goal.state = state.itemIndex();
    goal.priority = priority.itemIndex();
}

void GoalForm::afterOk() { view_.taskProperties = false; }

}  // namespace torvalet
