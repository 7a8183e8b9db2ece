#include "tasks/TaskPropsForm.h"

#include "tasks/TaskCommands.h"
#include "tasks/TaskStore.h"

namespace torvalet {

TaskPropsForm::TaskPropsForm(TaskStore& store, TaskCommands& commands) : store_(store), commands_(commands) {}

Query& TaskPropsForm::tasks() const { return store_.listRows; }

bool TaskPropsForm::hasRow() const { return tasks().isOpen() && tasks().currentIndex() >= 0; }

TaskPropsForm::Fields TaskPropsForm::fields() const {
    Fields shown;
    if (!hasRow()) return shown;
    const Query& row = tasks();
    shown.task = row.text(TaskColumn::Task);
    shown.typeName = row.text("typeName");
    shown.priorityName = row.text("priorityName");
    shown.stateName = row.text("stateName");
    shown.project = row.text(TaskColumn::Project);
    shown.doer = row.text(TaskColumn::DoerKey);
    shown.procent = row.text(TaskColumn::Percent);
    shown.comment = row.text(TaskColumn::Comment);
    shown.date = row.date(TaskColumn::StartDate);
    shown.date2 = row.date(TaskColumn::FinalDate);
    shown.time = row.text(TaskColumn::StartTime);
    shown.time2 = row.text(TaskColumn::FinalTime);
    return shown;
}

std::vector<std::string> TaskPropsForm::names(const Query& lookup) {
    std::vector<std::string> names;
    const Query::Field name = lookup.field("NAME");
    for (int row = 0; row < lookup.rowCount(); ++row) names.push_back(lookup.textAt(row, name));
    return names;
}

std::vector<std::string> TaskPropsForm::typeNames() const { return names(store_.types); }
std::vector<std::string> TaskPropsForm::priorityNames() const { return names(store_.priorities); }
std::vector<std::string> TaskPropsForm::stateNames() const { return names(store_.states); }

// The row being edited stays in edit state until something saves it.
void TaskPropsForm::edit() {
    if (!tasks().isEditing()) tasks().edit();
}

void TaskPropsForm::setText(TaskColumn column, const std::string& text) {
    if (!tasks().isOpen()) return;
    edit();
    tasks().setText(column, text);
}

void TaskPropsForm::setProcent(double procent) {
    if (!tasks().isOpen()) return;
    edit();
    tasks().setNumber(TaskColumn::Percent, procent);
}

void TaskPropsForm::setDate(Date day) {
    if (!tasks().isOpen()) return;
    edit();
    tasks().setDate(TaskColumn::StartDate, day);
}

void TaskPropsForm::setDate2(Date day) {
    if (!tasks().isOpen()) return;
    edit();
    tasks().setDate(TaskColumn::FinalDate, day);
}

void TaskPropsForm::choose(TaskColumn keyColumn, const Query& lookup, const std::string& name) {
    const int row = lookup.findRow("NAME", name);
    if (row < 0) return;
    setText(keyColumn, lookup.textAt(row, "KEY"));
}

void TaskPropsForm::chooseType(const std::string& name) { choose(TaskColumn::TypeKey, store_.types, name); }
void TaskPropsForm::choosePriority(const std::string& name) {
    choose(TaskColumn::PriorityKey, store_.priorities, name);
}
void TaskPropsForm::chooseState(const std::string& name) { choose(TaskColumn::StateKey, store_.states, name); }

void TaskPropsForm::clearAndPost(TaskColumn column) {
    if (!tasks().isOpen()) return;
    edit();
    tasks().setText(column, "");
    tasks().post();
}

void TaskPropsForm::clearPriority() { commands_.setPriority({}); }
void TaskPropsForm::clearState() { commands_.setState(TaskState::None); }
void TaskPropsForm::newTask() { commands_.insertTask(); }
void TaskPropsForm::save() { commands_.saveTask(); }
void TaskPropsForm::chooseTime() { commands_.chooseTime(); }
void TaskPropsForm::chooseFinalTime() { commands_.chooseFinalTime(); }

}  // namespace torvalet
