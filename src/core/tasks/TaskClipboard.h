#pragma once

#include "base/Date.h"

namespace torvalet {

struct TaskContext;

// Whole task rows through the task clipboard (the table clipbrd, kept across runs) and new tasks
// from the system clipboard's text.
class TaskClipboard {
public:
    explicit TaskClipboard(TaskContext& context);

    // The selected rows (else the current one) replace the task clipboard's rows.
    void copyTasks();
    // copyTasks, then those rows are deleted as "Delete Task" deletes them.
    void cutTasks();
    // Every clipboard row as a new task row from `first` to `last`; the clipboard keeps its rows.
    void pasteTasks(Date first, Date last);
    // "Insert From Clipboard" (F10): a new task holding the clipboard's text; nothing while a row
    // is being edited.
    void insertFromSystemClipboard();

    // The menu and tool bar commands: they show the Tasks page first.
    void copyTasksCommand();
    void cutTasksCommand();
    void pasteTasksCommand();
    void insertFromClipboardCommand();

private:
    void copyCurrentRow();
    void pasteRow(Date first, Date last);

    TaskContext& context_;
};

}  // namespace torvalet
