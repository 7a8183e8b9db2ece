#pragma once

#include <QHash>
#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QIcon;
class QToolButton;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace torvalet {
struct TaskCommandInfo;
struct TaskToolButton;
struct Tasks;
}  // namespace torvalet

namespace torvalet::ui {

using CommandRunner = std::function<void(const std::function<void()>&)>;
struct WindowMenus;

// The task commands in the window, built from the core's table of them: the "Tasks" menu, the
// File items, View's presets, "Order by", "Filter" and "Filter By Type", the task tool bar with
// its new-task, priority and state drop-downs, and the time menu. Every action carries its
// command's component name, so the fixed shortcuts reach it; the table names menus and commands
// by those names, which are looked up among the menus and actions made here and the window's
// File and View.
class TaskMenus : public QObject {
    Q_OBJECT
public:
    TaskMenus(Tasks& tasks, CommandRunner run, QWidget* window);

    // The menus go into the window's menu bar (the "Tasks" menu after "View"), the File items
    // before "Quit".
    void addMenus(QMenuBar* bar, const WindowMenus& window);
    QToolBar* toolBar();
    // Pops up the time menu at the middle of the window; returns when it has closed.
    void showTimeMenu();
    QMenu* timeMenu() const { return timeMenu_; }
    // Puts the check marks where the task list's state has them.
    void showChecks();

private:
    QAction* addCommand(QMenu* menu, const TaskCommandInfo& command);
    void addLabels();
    // The Tasks menu stands after View.
    void insertAfterView(QMenuBar* bar, QMenu* view, QMenu* menu);
    QMenu* menuNamed(const char* name) const;
    void buildTimeMenu();
    QToolButton* dropDownButton(const TaskToolButton& info, QWidget* parent);
    QIcon itemPicture(const std::string& button, int value) const;
    QAction* find(const char* name) const;

    Tasks& tasks_;
    CommandRunner run_;
    QWidget* window_;
    QMenu* timeMenu_ = nullptr;
    QAction* quit_ = nullptr;
    QHash<QString, QMenu*> menus_;
    QHash<QString, QAction*> actions_;
    std::vector<std::pair<QAction*, const TaskCommandInfo*>> checkable_;
};

}  // namespace torvalet::ui
