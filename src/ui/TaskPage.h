#pragma once

#include <QObject>

#include <functional>

class QMenuBar;
class QWidget;

namespace torvalet {
struct Tasks;
}

namespace torvalet::ui {

class TaskGrid;
class TaskMenus;
class TaskPropsDialog;

using CommandRunner = std::function<void(const std::function<void()>&)>;
struct WindowMenus;

// The window's side of the task list: the task grid under its tool bar, the task menus and the
// time menu, and the task properties dialog.
class TaskPage : public QObject {
    Q_OBJECT
public:
    // The page of `tasks`; their commands run through `run`.
    TaskPage(Tasks& tasks, CommandRunner run, QWidget* window);
    ~TaskPage() override;

    // The task menus into the window's menu bar and File, and the tool bar above the grid.
    void addMenus(QMenuBar* bar, const WindowMenus& window);
    // The left part of the Tasks page: tool bar and grid.
    QWidget* panel() const { return panel_; }
    TaskGrid* grid() const { return grid_; }
    TaskPropsDialog* propsDialog() const { return props_; }
    TaskMenus* menus() const { return menus_; }

    // The dialog on the current row: modal after an insert, else without modality.
    void showTaskProperties(bool modal);

private:
    // The dialog and the grid run their commands through the window.
    void connectParts();
    void addPrintItem(const WindowMenus& window);
    void printTasks();

    Tasks& tasks_;
    CommandRunner run_;
    QWidget* window_;
    TaskGrid* grid_;
    TaskPropsDialog* props_;
    TaskMenus* menus_;
    QWidget* panel_;
};

}  // namespace torvalet::ui
