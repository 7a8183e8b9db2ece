#pragma once

#include <QDialog>

#include <functional>

#include "tasks/TaskPropsForm.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace torvalet {
class TaskCommands;
class TaskStore;
}  // namespace torvalet

namespace torvalet::ui {

using CommandRunner = std::function<void(const std::function<void()>&)>;

// "Properties" of the task list's current row: a tool window above the main window whose
// controls show the row and write what is typed straight into it. Modal after an insert,
// modeless otherwise; every close saves the row.
class TaskPropsDialog : public QDialog {
    Q_OBJECT
public:
    // The buttons that are task commands run them through `runCommand`, as the window's menus do.
    TaskPropsDialog(TaskStore& store, TaskCommands& commands, CommandRunner runCommand, QWidget* parent);
    ~TaskPropsDialog() override;

    TaskPropsForm& form() { return form_; }
    // Shows the dialog on the current row; `modal` runs it modally unless it is already showing.
    void showFor(bool modal);
    // The controls show the current row again.
    void refresh();
    // The dates show as the task grid shows them; a two-digit year is shown whole.
    void setDateFormat(QString format);

    // After "Ok" closed the dialog: the task grid takes the focus.
    std::function<void()> focusGrid;
    // Shows an error of a command the dialog ran.
    std::function<void(const std::string&)> showError;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    // Activated again, it shows the current row again.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QToolButton* clearButton(const char* name, const std::function<void()>& clear);
    void fillLists();
    // Runs a form operation; an error is shown and false returned.
    bool run(const std::function<void()>& operation);
    // A task command behind a button.
    void runCommand(const std::function<void()>& command);
    void userChanged(const std::function<void()>& operation);

    TaskStore& store_;
    TaskPropsForm form_;
    CommandRunner runCommand_;
    int observer_ = -1;
    bool showing_ = false;  // the controls are being filled from the row
    QPlainTextEdit* taskMemo_ = nullptr;
    QComboBox* typeList_ = nullptr;
    QComboBox* prioList_ = nullptr;
    QComboBox* stateList_ = nullptr;
    QLineEdit* projectEdit_ = nullptr;
    QLineEdit* doerEdit_ = nullptr;
    QLineEdit* procentEdit_ = nullptr;
    QPlainTextEdit* commentMemo_ = nullptr;
    QDateEdit* dateEdit_ = nullptr;
    QLineEdit* timeEdit_ = nullptr;
    QDateEdit* finalDateEdit_ = nullptr;
    QLineEdit* finalTimeEdit_ = nullptr;
};

}  // namespace torvalet::ui
