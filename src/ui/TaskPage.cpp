#include "ui/TaskPage.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

#include "platform/Locale.h"
#include "platform/Services.h"
#include "platform/UserInterface.h"
#include "tasks/Tasks.h"
#include "ui/PrintWithDialog.h"
#include "ui/TaskGrid.h"
#include "ui/TaskMenus.h"
#include "ui/TaskPrinter.h"
#include "ui/WindowMenus.h"
#include "ui/dialogs/TaskPropsDialog.h"

namespace torvalet::ui {

TaskPage::TaskPage(Tasks& tasks, CommandRunner run, QWidget* window)
    : QObject(window),
      tasks_(tasks),
      run_(std::move(run)),
      window_(window),
      grid_(new TaskGrid(tasks.context)),
      props_(new TaskPropsDialog(tasks.context.store, tasks.commands, run_, window)),
      menus_(new TaskMenus(tasks, run_, window)),
      panel_(new QWidget) {
    panel_->setObjectName(QStringLiteral("TasksPanel"));
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(grid_, 1);
    connectParts();
}

TaskPage::~TaskPage() = default;

void TaskPage::addMenus(QMenuBar* bar, const WindowMenus& window) {
    menus_->addMenus(bar, window);
    addPrintItem(window);
    static_cast<QVBoxLayout*>(panel_->layout())->insertWidget(0, menus_->toolBar());
}

void TaskPage::connectParts() {
    const auto command = [this](void (TaskCommands::*run)()) {
        return [this, run] { run_([this, run] { (tasks_.commands.*run)(); }); };
    };
    props_->setDateFormat(QString::fromStdString(tasks_.context.services.locale.shortDateFormat()));
    props_->focusGrid = [this] { grid_->setFocus(); };
    props_->showError = [this](const std::string& message) { tasks_.context.services.ui.showMessage(message); };

    grid_->openProperties = command(&TaskCommands::modifyTask);
    grid_->clone = command(&TaskCommands::cloneTasks);
    grid_->deleteRows = command(&TaskCommands::gridDeleteKey);
}

// File > Print: the task list as the grid shows it, before "Quit".
void TaskPage::addPrintItem(const WindowMenus& window) {
    QMenu* file = window.file;
    if (!file) return;
    auto* print = new QAction(tr("Print"), file);
    print->setObjectName(QStringLiteral("Print1"));
    file->insertAction(window.quit, print);
    connect(print, &QAction::triggered, this, &TaskPage::printTasks);
}

void TaskPage::printTasks() {
    tasks_.context.view.activePage = kTasksPage;
    printWithDialog(
        window_, tr("Print Tasks"), tr("Tasks"), [this](QPrinter& printer) { return printTaskList(*grid_, printer); },
        tasks_.context.services.ui);
}

void TaskPage::showTaskProperties(bool modal) {
    tasks_.context.view.activePage = kTasksPage;
    // An insert clears the list's selection after moving to its new row.
    grid_->showListState();
    props_->showFor(modal);
}

}  // namespace torvalet::ui
