#include "tasks/TaskClipboard.h"

#include "model/ClockTime.h"
#include "platform/Clipboard.h"
#include "platform/Services.h"
#include "tasks/TaskContext.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskObserver.h"
#include "tasks/TaskRows.h"
#include "tasks/TaskStore.h"

namespace torvalet {

namespace {

// Sets the field of `to` to the value of `from`'s field; an empty number stays as the new row has it.
void copyField(const Query& from, Query& to, const char* field) {
    const std::string_view name = field;
    if (name == "Duration" || name == "Procent" || name == "Cost") {
        if (!from.isNull(field)) to.setNumber(field, from.number(field));
    } else {
        to.setText(field, from.text(field));
    }
}

void copyFields(const Query& from, Query& to, std::initializer_list<const char*> fields) {
    for (const char* field : fields) copyField(from, to, field);
}

}  // namespace

TaskClipboard::TaskClipboard(TaskContext& context) : context_(context) {}

void TaskClipboard::copyCurrentRow() {
    Query& clip = context_.store.clipboardRows;
    clip.append();
    copyFields(context_.store.listRows, clip,
               {"Task", "StateKey", "Prior_key", "TypeKey", "DoerKey", "Time", "Date", "Date2", "Time2", "Comment",
                "Project", "Remindflag", "Doflag", "Duration", "Procent", "Cost"});
    clip.post();
}

void TaskClipboard::copyTasks() {
    Query& tasks = context_.store.listRows;
    Query& clip = context_.store.clipboardRows;
    if (!tasks.isOpen()) return;
    const QuerySuspension suspension(tasks);
    const PostGroup group(tasks.database());
    if (tasks.isEditing()) tasks.post();
    taskRows::runStatement(context_.store.scratch, "delete from clipbrd", {});
    if (!clip.isOpen()) clip.open();
    clip.refresh();
    tasks.forEachRow(taskRows::selectionOrCurrent(tasks), [this] { copyCurrentRow(); });
    tasks.selection().clear();
}

void TaskClipboard::cutTasks() {
    Query& tasks = context_.store.listRows;
    if (!tasks.isOpen()) return;
    if (tasks.isEditing()) tasks.post();
    const std::set<Query::Bookmark> rows = taskRows::selectionOrCurrent(tasks);
    copyTasks();
    tasks.selection() = rows;
    taskRows::deleteSelectionOrCurrent(tasks, context_.cues);
}

void TaskClipboard::pasteRow(Date first, Date last) {
    const Query& clip = context_.store.clipboardRows;
    Query& tasks = context_.store.listRows;
    tasks.insert();
    copyFields(clip, tasks, {"Task", "Prior_key", "TypeKey", "StateKey", "DoerKey"});
    if (tasks.text("Time").empty())
        tasks.setText("Time", getTime(context_.services.clock, context_.services.locale));
    else
        tasks.setText("Time", clip.text("Time"));
    tasks.setDate("Date", first);
    tasks.setDate("Date2", last);
    tasks.setText("Time2", clip.text("Time"));
    copyFields(clip, tasks, {"Comment", "Project", "Remindflag", "Doflag", "Duration", "Procent", "Cost"});
    tasks.post();
}

void TaskClipboard::pasteTasks(Date first, Date last) {
    Query& tasks = context_.store.listRows;
    Query& clip = context_.store.clipboardRows;
    if (!tasks.isOpen()) return;
    const QuerySuspension suspension(tasks);
    {
        const PostGroup group(tasks.database());
        if (!clip.isOpen()) clip.open();
        clip.refresh();
        const int count = clip.rowCount();
        clip.first();
        for (int i = 0; i < count; ++i) {
            pasteRow(first, last);
            clip.next();
        }
    }
    tasks.refresh();
}

void TaskClipboard::insertFromSystemClipboard() {
    Query& tasks = context_.store.listRows;
    context_.observer.focusTaskGrid();
    tasks.selection().clear();
    if (tasks.isEditing()) return;
    tasks.insert();
    const Clipboard& clipboard = context_.services.clipboard;
    if (clipboard.hasText()) tasks.setText("Task", clipboard.text());
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
