#include "trees/GoalCommands.h"

#include <array>

#include "platform/Clipboard.h"
#include "model/SoundCues.h"
#include "model/ViewState.h"
#include "trees/ActiveTrees.h"
#include "trees/GoalForm.h"
#include "trees/ItemTreeSet.h"
#include "trees/TGoalData.h"

namespace torvalet {

namespace {

constexpr int toDoType = 3;

// The cue a goal state plays when it is set; none for None, Delayed and values out of range.
const char* stateCue(int state) {
    switch (state) {
    case 1: return cues::Prepare;
    case 2: return cues::AtWork;
    case 3: return cues::Mute;
    case 5: return cues::Delegated;
    case 6: return cues::Done;
    case 7: return cues::Undone;
    default: return nullptr;
    }
}

}  // namespace

GoalCommands::GoalCommands(ItemTreeSet& trees, ViewState& view, SoundCues& cues, Clipboard& clipboard, GoalForm& form)
    : SwitchTab([&view](Page page) { view.activePage = page; }),
      trees_(trees),
      view_(view),
      cues_(cues),
      clipboard_(clipboard),
      form_(form) {}

ItemTree& GoalCommands::GetActiveGoalTree() const { return activeGoalTree(trees_, view_); }

std::vector<TreeNode*> GoalCommands::selectedGoals() const { return GetActiveGoalTree().selectedInTreeOrder(); }

void GoalCommands::SetGoalsPrio(int value) {
    const auto goals = selectedGoals();
    if (goals.empty()) return;
    for (TreeNode* goal : goals) goal->record<TGoalData>().Prio = value;
    if (repaintTree) repaintTree(GetActiveGoalTree());
}

void GoalCommands::SetGoalsState(int value) {
    const auto goals = selectedGoals();
    if (goals.empty()) return;
    for (TreeNode* goal : goals) {
        goal->record<TGoalData>().State = value;
        if (const char* cue = stateCue(value)) cues_.playSoundCue(cue);
    }
    if (repaintTree) repaintTree(GetActiveGoalTree());
}

int GoalCommands::goalStateOf(TaskStateCommand command) {
    switch (command) {
    case TaskStateCommand::Prepare: return 1;
    case TaskStateCommand::AtWork: return 2;
    case TaskStateCommand::Mute: return 3;
    case TaskStateCommand::Delayed: return 4;
    case TaskStateCommand::Delegated: return 5;
    case TaskStateCommand::Terminate:
    case TaskStateCommand::Done: return 6;
    case TaskStateCommand::Undone: return 7;
    case TaskStateCommand::NullState:
    case TaskStateCommand::None: break;
    }
    return 0;
}

std::vector<std::pair<std::string, int>> GoalCommands::goalPrioMenu() {
    return {{"None", 0}, {"Highest", 1}, {"High", 2}, {"Average", 3}, {"Low", 4}, {"Uncertain", 5}};
}

std::vector<std::pair<std::string, int>> GoalCommands::goalStateMenu() {
    return {{"None", 0}, {"Prepare", 1}, {"At Work", 2},   {"Mute", 3},
            {"Done", 6}, {"Undone", 7},  {"Delegated", 5}, {"Delayed", 4}};
}

TreeNode& GoalCommands::newToDo(ItemTree& tree, TreeNode* parent, const std::string& text) {
    TreeNode* node = tree.appendChild(parent && !parent->isRoot() ? parent : nullptr);
    TGoalData& goal = node->record<TGoalData>();
    goal.GoalType = toDoType;
    goal.Text = text;
    tree.setFocused(node);
    tree.selectOnly(node);
    if (repaintTree) repaintTree(tree);
    return *node;
}

TreeNode& GoalCommands::InsertNewGoalFromClipboard() {
    ItemTree& tree = GetActiveGoalTree();
    TreeNode& node = newToDo(tree, tree.firstSelected(), clipboard_.text());
    form_.GoalProps(node);
    if (repaintNode) repaintNode(node);
    return node;
}

void GoalCommands::InsertGoalFromClipboard_mpClick() {
    SwitchTab(kTasksPage);
    InsertNewGoalFromClipboard();
}

TreeNode& GoalCommands::AddGoal_RbBtnClick(const std::string& goalEditText) {
    SwitchTab(kTasksPage);
    ItemTree& tree = GetActiveGoalTree();
    TreeNode* first = tree.firstSelected();
    TreeNode& node = newToDo(tree, first ? first->parent() : nullptr, goalEditText);
    if (repaintNode) repaintNode(node);
    return node;
}

void GoalCommands::EditGoal() { form_.EditGoal(GetActiveGoalTree()); }

void GoalCommands::GoalProperties1Click() {
    SwitchTab(kTasksPage);
    EditGoal();
}

}  // namespace torvalet
