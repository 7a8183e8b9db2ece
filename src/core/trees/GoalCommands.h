#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/ViewState.h"

namespace torvalet {

class Clipboard;
class GoalForm;
class ItemTree;
class ItemTreeSet;
class SoundCues;
class TreeEditGuard;
class TreeNode;
class TreeObserver;

// The task state commands, which act on the selected goals instead of the tasks while a goal
// tree has the keyboard focus.
enum class TaskStateCommand { NullState, None, Prepare, AtWork, Mute, Terminate, Done, Undone, Delegated, Delayed };

// The commands of the goal trees that are not generic tree editing: state and priority of the
// selected goals, new goals from the clipboard and from the goal edit line, the properties command.
class GoalCommands {
public:
    // The trees and items the commands change are shown through `observer`; a goal tree that
    // `guard` keeps is not changed.
    GoalCommands(ItemTreeSet& trees, ViewState& view, SoundCues& cues, Clipboard& clipboard, GoalForm& form,
                 TreeObserver& observer, const TreeEditGuard& guard);

    // The goal tree of the current goal tab (DayGoalTree for a tab out of range).
    ItemTree& activeGoalTree() const;

    // Priority (0..5) or state (0..7) of every selected goal of the active tree, in tree order;
    // nothing without a selection. A state plays its cue once per goal.
    void setGoalsPriority(int value);
    void setGoalsState(int value);

    // The goal state of the same meaning as a task state command.
    static int goalStateOf(TaskStateCommand command);
    // A task state command given while a goal tree has the focus.
    void setGoalsStateByCommand(TaskStateCommand command) { setGoalsState(goalStateOf(command)); }

    // The entries of the goal toolbar's drop-downs: caption and the value they set.
    static std::vector<std::pair<std::string, int>> goalPrioMenu();
    static std::vector<std::pair<std::string, int>> goalStateMenu();

    // A ToDo goal holding the clipboard's text as the last child of the first selected goal
    // (last top-level goal without a selection); it becomes the focused and only selected goal
    // and its properties dialog opens. Null when the tree is kept.
    TreeNode* addGoalFromClipboard();
    void insertGoalFromClipboard();

    // "Add" of the goal edit line: a ToDo goal named `goalEditText` at the end of the first
    // selected goal's level (top level without a selection); focused and only selected, no dialog.
    // Null when the tree is kept.
    TreeNode* addGoalNamed(const std::string& goalEditText);

    // Goal properties of the first selected goal of the active tree.
    void editGoal();
    void showGoalProperties();

private:
    std::vector<TreeNode*> selectedGoals() const;
    TreeNode& newToDo(ItemTree& tree, TreeNode* parent, const std::string& text);

    ItemTreeSet& trees_;
    ViewState& view_;
    SoundCues& cues_;
    Clipboard& clipboard_;
    GoalForm& form_;
    TreeObserver& observer_;
    const TreeEditGuard& guard_;
};

}  // namespace torvalet
