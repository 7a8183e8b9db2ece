#pragma once

#include <functional>

#include "platform/UserInterface.h"

class QWidget;

namespace torvalet::ui {

// Message boxes and file dialogs over the main window.
class QtUserInterface : public UserInterface {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(const std::string& text) override;
    void showWarning(const std::string& text) override;
    bool askYesNo(const std::string& question) override;
    std::optional<std::string> chooseFileToOpen(const std::string& title, const std::string& filter) override;
    std::optional<std::string> chooseFileToSave(const std::string& title, const std::string& filter) override;
    void showTaskProperties(bool modal) override;

    // Tests answer the message boxes here instead of a person.
    std::function<void(const std::string&)> messageHook;
    std::function<bool(const std::string&)> questionHook;
    std::function<void(bool)> taskPropertiesHandler;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace torvalet::ui
