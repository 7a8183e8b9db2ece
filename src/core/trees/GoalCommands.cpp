#include "trees/GoalCommands.h"

#include <array>

#include "model/SoundCues.h"
#include "model/ViewState.h"
#include "platform/Clipboard.h"
#include "trees/ActiveTrees.h"
#include "trees/GoalForm.h"
#include "trees/GoalRecord.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeCreation.h"
#include "trees/TreeEditGuard.h"
#include "trees/TreeObserver.h"

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

GoalCommands::GoalCommands(ItemTreeSet& trees, ViewState& view, SoundCues& cues, Clipboard& clipboard, GoalForm& form,
                           TreeObserver& observer, const TreeEditGuard& guard)
    : trees_(trees), view_(view), cues_(cues), clipboard_(clipboard), form_(form), observer_(observer), guard_(guard) {}

ItemTree& GoalCommands::activeGoalTree() const { return torvalet::activeGoalTree(trees_, view_); }

std::vector<TreeNode*> GoalCommands::selectedGoals() const { return activeGoalTree().selectedInTreeOrder(); }

void GoalCommands::setGoalsPriority(int value) {
    const auto goals = selectedGoals();
    if (goals.empty() || !guard_.mayChange(activeGoalTree())) return;
    for (TreeNode* goal : goals) goal->record<GoalRecord>().priority = value;
    observer_.treeChanged(activeGoalTree());
}

void GoalCommands::setGoalsState(int value) {
    const auto goals = selectedGoals();
    if (goals.empty() || !guard_.mayChange(activeGoalTree())) return;
    for (TreeNode* goal : goals) {
        goal->record<GoalRecord>().state = value;
        if (const char* cue = stateCue(value)) cues_.playSoundCue(cue);
    }
    observer_.treeChanged(activeGoalTree());
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
    GoalRecord& goal = node->record<GoalRecord>();
    goal.kind = toDoType;
    goal.text = text;
    TreeCreation::reveal(node);
    tree.setFocused(node);
    tree.selectOnly(node);
    observer_.treeChanged(tree);
    return *node;
}

TreeNode* GoalCommands::addGoalFromClipboard() {
    ItemTree& tree = activeGoalTree();
    if (!guard_.mayChange(tree)) return nullptr;
    TreeNode& node = newToDo(tree, tree.firstSelected(), clipboard_.text());
    form_.showGoal(node);
    observer_.nodeChanged(node);
    return &node;
}

void GoalCommands::insertGoalFromClipboard() {
    view_.activePage = kTasksPage;
    addGoalFromClipboard();
}

TreeNode* GoalCommands::addGoalNamed(const std::string& goalEditText) {
    view_.activePage = kTasksPage;
    ItemTree& tree = activeGoalTree();
    if (!guard_.mayChange(tree)) return nullptr;
    TreeNode* first = tree.firstSelected();
    TreeNode& node = newToDo(tree, first ? first->parent() : nullptr, goalEditText);
    observer_.nodeChanged(node);
    return &node;
}

void GoalCommands::editGoal() {
    if (guard_.mayChange(activeGoalTree())) form_.editGoal(activeGoalTree());
}

void GoalCommands::showGoalProperties() {
    view_.activePage = kTasksPage;
    editGoal();
}

}  // namespace torvalet
