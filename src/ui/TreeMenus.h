#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <array>

#include "model/ViewState.h"
#include "ui/ItemTreeView.h"

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;

namespace torvalet {
class TreePages;
struct Tasks;
struct TreeCommandInfo;
}  // namespace torvalet

namespace torvalet::ui {

// The menus of the item pages ("Goals", "Links", "Contacts", "Phrases", "Calendar") and the
// small tool bar of each page with its New button and the button's drop-down of kinds, built
// from the core's table of tree commands. Every action carries its component name as its object
// name and runs its command through the window's command runner.
class TreeMenus : public QObject {
    Q_OBJECT
public:
    // The commands of `pages`; the goal bar's buttons run task commands of `tasks`.
    TreeMenus(TreePages& pages, Tasks& tasks, CommandRunner run, QWidget* window);

    void addMenus(QMenuBar* bar);
    // The tool bar of a page (0 Tasks: goals, 1 Links, 2 Contacts, 3 Blocknote: phrases,
    // 4 Calendar). The menus come first.
    QToolBar* toolBar(Page page);
    // The menu of an item page, once addMenus has made it.
    QMenu* pageMenu(Page page) const;

private:
    // The menu of that object name, made and put in its parent the first time it is asked for.
    QMenu* menu(QMenuBar* bar, const char* name, Page page);
    void addGoalDropDowns(QToolBar* tools);

    TreePages& pages_;
    Tasks& tasks_;
    CommandRunner run_;
    QWidget* window_;
    QHash<QString, QMenu*> menus_;
    std::array<QMenu*, 5> pageMenus_{};
    QHash<const TreeCommandInfo*, QAction*> actions_;
};

}  // namespace torvalet::ui
