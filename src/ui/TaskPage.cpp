#include "ui/TaskPage.h"

#include <QVBoxLayout>

#include "platform/UserInterface.h"
#include "shell/Organizer.h"
#include "ui/TaskGrid.h"
#include "ui/dialogs/TaskPropsDialog.h"

namespace torvalet::ui {

TaskPage::TaskPage(Organizer& organizer, CommandRunner run, QWidget* window)
    : QObject(window),
      organizer_(organizer),
      run_(std::move(run)),
      window_(window),
      grid_(new TaskGrid(organizer)),
      props_(new TaskPropsDialog(organizer.store(), window)),
      panel_(new QWidget) {
    panel_->setObjectName(QStringLiteral("TasksPanel"));
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(grid_, 1);

    props_->focusGrid = [this] { grid_->setFocus(); };
    props_->showError = [this](const std::string& message) { organizer_.services().ui.showMessage(message); };
    grid_->openProperties = [this] { showTaskProperties(false); };
}

void TaskPage::showTaskProperties(bool modal) {
    organizer_.view().activePage = kTasksPage;
    props_->showFor(modal);
}

}  // namespace torvalet::ui
