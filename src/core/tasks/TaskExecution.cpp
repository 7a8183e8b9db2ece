#include "tasks/TaskExecution.h"

#include "platform/Services.h"
#include "platform/Shell.h"
#include "tasks/LookupKey.h"
#include "tasks/Query.h"
#include "tasks/TaskContext.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskRows.h"
#include "tasks/TaskStore.h"
#include "trees/OpenRequests.h"

namespace torvalet {

namespace {

// The number of a type key ("        16" is 16); 0 for none or for a text that is no key as a
// whole ten-character text.
int typeNumber(const std::string& key) {
    const std::size_t start = key.find_first_not_of(' ');
    if (start == std::string::npos || key.size() != 10) return 0;
    int n = 0;
    for (std::size_t i = start; i < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9') return 0;
        n = n * 10 + (key[i] - '0');
    }
    return makeLookupKey(n) == key ? n : 0;
}

}  // namespace

TaskExecution::TaskExecution(TaskContext& context, const OpenRequests& requests)
    : context_(context), requests_(requests) {}

void TaskExecution::doTasks() {
    context_.switchToTasks();
    Query& tasks = context_.store.listRows;
    taskRows::forSelectionAndCurrent(tasks, context_.listState.selection, [&] {
        const auto request = requests_.taskDo(typeNumber(tasks.text(TaskColumn::TypeKey)), tasks.text(TaskColumn::Task),
                                              tasks.text(TaskColumn::Comment));
        if (request) context_.services.shell.open(*request);
    });
}

void TaskExecution::executeTaskRow(const Query& row) {
    const auto request = requests_.taskExecute(typeNumber(row.text(TaskColumn::TypeKey)), row.text(TaskColumn::Task));
    if (request) context_.services.shell.open(*request);
}

}  // namespace torvalet
