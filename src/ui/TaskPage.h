#pragma once

#include <QObject>

#include <functional>

class QMenuBar;
class QWidget;

namespace torvalet {
class Organizer;
}

namespace torvalet::ui {

class TaskGrid;
class TaskPropsDialog;

using CommandRunner = std::function<void(const std::function<void()>&)>;

// The window's side of the task list: the task grid under its tool bar, the task menus and the
// time menu, and the task properties dialog.
class TaskPage : public QObject {
    Q_OBJECT
public:
    TaskPage(Organizer& organizer, CommandRunner run, QWidget* window);

    // The left part of the Tasks page: tool bar and grid.
    QWidget* panel() const { return panel_; }
    TaskGrid* grid() const { return grid_; }
    TaskPropsDialog* propsDialog() const { return props_; }

    // The dialog on the current row: modal after an insert, else without modality.
    void showTaskProperties(bool modal);

private:
    Organizer& organizer_;
    CommandRunner run_;
    QWidget* window_;
    TaskGrid* grid_;
    TaskPropsDialog* props_;
    QWidget* panel_;
};

}  // namespace torvalet::ui
