#include "tasks/TaskClipboard.h"

#include "model/ClockTime.h"
#include "platform/Clipboard.h"
#include "platform/Services.h"
#include "tasks/PostGroup.h"
#include "tasks/TaskContext.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskObserver.h"
#include "tasks/TaskRows.h"
#include "tasks/TaskSchema.h"
#include "tasks/TaskStore.h"

namespace torvalet {

namespace {

// Sets the column of `to` to the value of `from`'s; an empty number stays as the new row has it.
void copyColumn(const Query& from, Query& to, TaskColumn column) {
    if (columnDef(column).kind == ColumnKind::Number) {
        if (!from.isNull(column)) to.setNumber(column, from.number(column));
    } else {
        to.setText(column, from.text(column));
    }
}

void copyColumns(const Query& from, Query& to, std::initializer_list<TaskColumn> columns) {
    for (const TaskColumn column : columns) copyColumn(from, to, column);
}

}  // namespace

TaskClipboard::TaskClipboard(TaskContext& context) : context_(context) {}

void TaskClipboard::copyCurrentRow() {
    Query& clip = context_.store.clipboardRows;
    clip.append();
    for (const TaskColumn column : allTaskColumns()) copyColumn(context_.store.listRows, clip, column);
    clip.post();
}

void TaskClipboard::copyTasks() {
    Query& tasks = context_.store.listRows;
    Query& clip = context_.store.clipboardRows;
    if (!tasks.isOpen()) return;
    const QuerySuspension suspension(tasks);
    PostGroup group(tasks);
    if (tasks.isEditing()) tasks.post();
    taskRows::runStatement(context_.store.scratch, "delete from clipbrd", {});
    if (!clip.isOpen()) clip.open();
    clip.refresh();
    Bookmarks& selection = context_.listState.selection;
    taskRows::forEachRow(tasks, taskRows::selectionOrCurrent(tasks, selection), [this] { copyCurrentRow(); });
    group.commit();
    selection.clear();
}

void TaskClipboard::cutTasks() {
    Query& tasks = context_.store.listRows;
    if (!tasks.isOpen()) return;
    if (tasks.isEditing()) tasks.post();
    Bookmarks& selection = context_.listState.selection;
    const Bookmarks rows = taskRows::selectionOrCurrent(tasks, selection);
    copyTasks();
    selection = rows;
    taskRows::deleteSelectionOrCurrent(tasks, selection, context_.cues);
}

void TaskClipboard::pasteRow(Date first, Date last) {
    const Query& clip = context_.store.clipboardRows;
    Query& tasks = context_.store.listRows;
    tasks.insert();
    copyColumns(
        clip, tasks,
        {TaskColumn::Task, TaskColumn::PriorityKey, TaskColumn::TypeKey, TaskColumn::StateKey, TaskColumn::DoerKey});
    if (tasks.text(TaskColumn::StartTime).empty())
        tasks.setText(TaskColumn::StartTime, getTime(context_.services.clock, context_.services.locale));
    else
        tasks.setText(TaskColumn::StartTime, clip.text(TaskColumn::StartTime));
    tasks.setDate(TaskColumn::StartDate, first);
    tasks.setDate(TaskColumn::FinalDate, last);
    tasks.setText(TaskColumn::FinalTime, clip.text(TaskColumn::StartTime));
    copyColumns(clip, tasks,
                {TaskColumn::Comment, TaskColumn::Project, TaskColumn::RemindFlag, TaskColumn::DoFlag,
                 TaskColumn::Duration, TaskColumn::Percent, TaskColumn::Cost});
    tasks.post();
}

void TaskClipboard::pasteTasks(Date first, Date last) {
    Query& tasks = context_.store.listRows;
    Query& clip = context_.store.clipboardRows;
    if (!tasks.isOpen()) return;
    const QuerySuspension suspension(tasks);
    {
        PostGroup group(tasks);
        if (!clip.isOpen()) clip.open();
        clip.refresh();
        const int count = clip.rowCount();
        clip.first();
        for (int i = 0; i < count; ++i) {
            pasteRow(first, last);
            clip.next();
        }
        group.commit();
    }
    tasks.refresh();
}

void TaskClipboard::insertFromSystemClipboard() {
    Query& tasks = context_.store.listRows;
    context_.observer.focusTaskGrid();
    context_.listState.selection.clear();
    if (tasks.isEditing()) return;
    tasks.insert();
    const Clipboard& clipboard = context_.services.clipboard;
    if (clipboard.hasText()) tasks.setText(TaskColumn::Task, clipboard.text());
    tasks.post();
}

void TaskClipboard::copyTasksCommand() {
    context_.switchToTasks();
    copyTasks();
}

void TaskClipboard::cutTasksCommand() {
    context_.switchToTasks();
    cutTasks();
}

void TaskClipboard::pasteTasksCommand() {
    context_.switchToTasks();
    pasteTasks(context_.listState.calendar.first(), context_.listState.calendar.last());
}

void TaskClipboard::insertFromClipboardCommand() {
    context_.switchToTasks();
    insertFromSystemClipboard();
}

}  // namespace torvalet
