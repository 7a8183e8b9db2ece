#pragma once

#include <QHash>
#include <QObject>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/ViewState.h"
#include "ui/ItemTreeView.h"

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;

namespace torvalet {
class ItemTreeSet;
class TreePages;
struct Tasks;
}  // namespace torvalet

namespace torvalet::ui {

// The menus of the item pages ("Goals", "Links", "Contacts", "Phrases", "Calendar") and the
// small tool bar of each page with its New button and the button's drop-down of kinds. Every
// action carries its component name as its object name and runs its command through the
// window's command runner.
class TreeMenus : public QObject {
    Q_OBJECT
public:
    // The commands of `pages` on `trees`; the goal bar's buttons run task commands of `tasks`.
    TreeMenus(TreePages& pages, ItemTreeSet& trees, Tasks& tasks, CommandRunner run, QWidget* window);

    void addMenus(QMenuBar* bar);
    // The page menus that addMenus made, for the other commands in them.
    struct PageMenus {
        QMenu* goals = nullptr;
        QMenu* links = nullptr;
        QMenu* contacts = nullptr;
        QMenu* phrases = nullptr;
    };
    const PageMenus& pageMenus() const { return pageMenus_; }
    // The tool bar of a page (0 Tasks: goals, 1 Links, 2 Contacts, 3 Blocknote: phrases,
    // 4 Calendar).
    QToolBar* toolBar(Page page);

private:
    using Handler = std::function<void()>;
    struct Entry {
        const char* name;
        const char* caption;
        Handler handler;
    };

    QMenu* menu(QMenuBar* bar, const char* name, const char* caption, const std::vector<Entry>& entries);
    QMenu* moves(QMenu* parent, const char* name, const char* caption, const std::vector<Entry>& entries);
    QAction* action(QMenu* menu, const Entry& entry);
    QAction* find(const char* name) const;
    void addHiddenItems(QMenuBar* bar);
    void addGoalDropDowns(QToolBar* tools);

    TreePages& pages_;
    ItemTreeSet& trees_;
    Tasks& tasks_;
    CommandRunner run_;
    QWidget* window_;
    QHash<QString, QAction*> actions_;
    PageMenus pageMenus_;
};

}  // namespace torvalet::ui
