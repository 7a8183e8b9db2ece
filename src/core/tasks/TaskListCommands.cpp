#include "tasks/TaskListCommands.h"

#include <string>

#include "model/Settings.h"
#include "model/ViewState.h"
#include "tasks/TaskContext.h"
#include "tasks/TaskStore.h"

namespace torvalet {

TaskListCommands::TaskListCommands(TaskContext& context) : context_(context) {}

const TaskList& TaskListCommands::list() const { return context_.list; }

void TaskListCommands::listTasks(const std::string& order) { context_.list.listTasks(context_.store.listRows, order); }

void TaskListCommands::listTasksOfType(const LookupKey& typeKey, const std::string& order) {
    context_.list.listTasksOfType(context_.store.listRows, typeKey, order);
}

void TaskListCommands::setTaskOrder(int n) {
    context_.switchToTasks();
    if (n < 1 || n > TaskList::OrderCount) n = 1;
    listTasks(TaskList::orderList(n));
    checkedOrder_ = n;
    context_.settings.taskOrder = n;
}

void TaskListCommands::filterTasksByType(int n) {
    context_.switchToTasks();
    listTasksOfType(makeLookupKey(n), "Date, Time");
    context_.settings.taskOrder = 1;
}

void TaskListCommands::toggleHideFlag(TaskList::Flag flag) {
    context_.list.setFlag(flag, !context_.list.flag(flag));
    keepInSettings();
    listTasks(context_.list.currentOrder());
}

void TaskListCommands::applyPreset(Preset preset) {
    context_.switchToTasks();
    if (checkedPreset_ == preset) return;
    const bool easy = preset == Preset::Easy;
    context_.view.easyView = easy;
    checkedPreset_ = preset;
    setPresetFlags(easy);
    setTaskOrder(context_.settings.taskOrder);
}

void TaskListCommands::applyStartViewMode() {
    checkedPreset_ = Preset::None;
    applyPreset(context_.settings.easyMode ? Preset::Easy : Preset::Detail);
}

void TaskListCommands::presetFlags() {
    context_.view.easyView = context_.settings.easyMode;
    setPresetFlags(context_.settings.easyMode);
}

void TaskListCommands::setPresetFlags(bool easy) {
    for (int f = 0; f < TaskList::FlagCount; ++f) context_.list.setFlag(static_cast<TaskList::Flag>(f), false);
    for (TaskList::Flag f : {TaskList::HideDone, TaskList::HideUndone, TaskList::HideTabs, TaskList::HideReminders})
        context_.list.setFlag(f, easy);
    keepInSettings();
}

void TaskListCommands::keepInSettings() {
    Settings& s = context_.settings;
    const TaskList& l = context_.list;
    s.hideDone = l.flag(TaskList::HideDone);
    s.hideUndone = l.flag(TaskList::HideUndone);
    s.hideMute = l.flag(TaskList::HideMute);
    s.hideNormalState = l.flag(TaskList::HideNormalState);
    s.hideLow = l.flag(TaskList::HideLow);
    s.hideJokes = l.flag(TaskList::HideJokes);
    s.hideReminders = l.flag(TaskList::HideReminders);
    s.hideTips = l.flag(TaskList::HideTips);
    s.easyMode = context_.view.easyView;
}

int TaskListCommands::typeFilter() const {
    const std::string& key = list().typeFilter();
    return key.empty() ? 0 : std::stoi(key);
}

}  // namespace torvalet
