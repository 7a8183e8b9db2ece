#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace torvalet {

struct TaskContext;

// "Store Task" and "Load Task": task files in the folder "Tasks" of the application folder.
class TaskFiles {
public:
    explicit TaskFiles(TaskContext& context);

    // Writes the selected rows (else the current one) to the file chosen in the save dialog;
    // nothing when the dialog is cancelled.
    void storeTaskFile();
    // Inserts the tasks of the file chosen in the open dialog.
    void loadTaskFile();
    void storeTaskFileCommand();
    void loadTaskFileCommand();

    static constexpr const char* fileFilter = "Task files (*.ini)";

private:
    // "Tasks" + the chosen file's own name: the file lands there whatever folder was chosen.
    std::filesystem::path inTasksFolder(const std::string& chosen) const;

    TaskContext& context_;
};

}  // namespace torvalet
