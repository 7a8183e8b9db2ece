#include "tasks/TaskFiles.h"

#include "base/FileIo.h"
#include "base/Text.h"
#include "model/AppFolder.h"
#include "platform/Services.h"
#include "platform/UserInterface.h"
#include "tasks/PostGroup.h"
#include "tasks/TaskContext.h"
#include "tasks/TaskFile.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskObserver.h"
#include "tasks/TaskRows.h"
#include "tasks/TaskStore.h"

namespace torvalet {

namespace fs = std::filesystem;

TaskFiles::TaskFiles(TaskContext& context) : context_(context) {}

fs::path TaskFiles::inTasksFolder(const std::string& chosen) const {
    fs::path name = fs::path(chosen).filename();
    if (!name.has_extension()) name += ".ini";
    return context_.paths.tasks() / name;
}

void TaskFiles::storeTaskFile() {
    const std::optional<std::string> chosen = context_.services.ui.chooseFileToSave("Store Task", fileFilter);
    Query& tasks = context_.store.listRows;
    if (!tasks.isOpen()) return;
    if (tasks.isEditing()) tasks.post();
    std::vector<TaskFileEntry> entries;
    {
        const QuerySuspension suspension(tasks);
        Bookmarks& selection = context_.listState.selection;
        taskRows::forEachRow(tasks, taskRows::selectionOrCurrent(tasks, selection), [&] {
            entries.push_back({tasks.text(TaskColumn::Task), tasks.text(TaskColumn::StartTime),
                               tasks.text(TaskColumn::StateKey), tasks.text(TaskColumn::TypeKey),
                               tasks.text(TaskColumn::PriorityKey)});
        });
        context_.observer.focusTaskGrid();
        selection.clear();
    }
    if (!chosen || fs::path(*chosen).filename().empty()) return;
    writeFileAtomic(inTasksFolder(*chosen), context_.codec.encode(taskFile::write(entries)));
}

void TaskFiles::loadTaskFile() {
    const std::optional<std::string> chosen = context_.services.ui.chooseFileToOpen("Load Task", fileFilter);
    if (!chosen || fs::path(*chosen).filename().empty()) return;
    const fs::path file = inTasksFolder(*chosen);
    // A file that is not there reads as an empty one.
    const std::string text = fileExists(file) ? context_.codec.decode(readFileBytes(file)) : std::string();
    Query& tasks = context_.store.listRows;
    PostGroup group(tasks);
    for (const TaskFileEntry& entry : taskFile::read(text)) {
        tasks.insert();
        tasks.setText(TaskColumn::Task, entry.task);
        tasks.setText(TaskColumn::StartTime, entry.time);
        tasks.setText(TaskColumn::StateKey, entry.stateKey);
        tasks.setText(TaskColumn::PriorityKey, entry.priorityKey);
        tasks.setText(TaskColumn::TypeKey, entry.typeKey);
        tasks.post();
    }
    group.commit();
}

void TaskFiles::storeTaskFileCommand() {
    context_.switchToTasks();
    storeTaskFile();
}

void TaskFiles::loadTaskFileCommand() {
    context_.switchToTasks();
    loadTaskFile();
}

}  // namespace torvalet
