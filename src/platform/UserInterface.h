#pragma once

#include <optional>
#include <string>

namespace torvalet {

// What the core asks of the person in front of the program.
class UserInterface {
public:
    virtual ~UserInterface() = default;
    // A message box with an OK button.
    virtual void showMessage(const std::string& text) = 0;
    // A message box with an OK button and the warning icon: something the user asked for was
    // refused.
    virtual void showWarning(const std::string& text) { showMessage(text); }
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const std::string& question) = 0;
    // File dialogs; nullopt when the user cancels. `filter` is e.g. "Task files (*.tsk)".
    virtual std::optional<std::string> chooseFileToOpen(const std::string& title, const std::string& filter) = 0;
    virtual std::optional<std::string> chooseFileToSave(const std::string& title, const std::string& filter) = 0;
    // Shows the task properties dialog on the current task row (modal after an insert).
    virtual void showTaskProperties(bool modal) = 0;
};

}  // namespace torvalet
