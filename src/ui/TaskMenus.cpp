#include "ui/TaskMenus.h"

#include <QActionGroup>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <vector>

#include "tasks/LookupKey.h"
#include "tasks/TaskCommandTable.h"
#include "tasks/TaskStore.h"
#include "tasks/Tasks.h"
#include "ui/Pictures.h"
#include "ui/TaskCellLook.h"
#include "ui/WindowMenus.h"

namespace torvalet::ui {

namespace {

// The name a lookup table gives a key (the type, priority or state of a drop-down item).
std::string lookupName(const Query& lookup, int n, const char* column) {
    const int row = lookup.findRow("KEY", makeLookupKey(n));
    return row < 0 ? std::string() : lookup.textAt(row, column);
}

}  // namespace

TaskMenus::TaskMenus(Tasks& tasks, CommandRunner run, QWidget* window)
    : QObject(window), tasks_(tasks), run_(std::move(run)), window_(window) {
    buildTimeMenu();
}

// The commands of a menu come first, its submenus after them.
void TaskMenus::addMenus(QMenuBar* bar, const WindowMenus& window) {
    quit_ = window.quit;
    menus_.insert(QStringLiteral("mFile"), window.file);
    menus_.insert(QStringLiteral("mView"), window.view);
    std::vector<std::pair<QMenu*, QMenu*>> submenus;
    for (const CommandMenu& info : taskMenus()) {
        auto* added = new QMenu(QString::fromUtf8(info.caption), window_);
        added->setObjectName(QString::fromLatin1(info.name));
        menus_.insert(added->objectName(), added);
        connect(added, &QMenu::aboutToShow, this, &TaskMenus::showChecks);
        if (*info.parent)
            submenus.emplace_back(menuNamed(info.parent), added);
        else
            insertAfterView(bar, window.view, added);
    }
    QHash<QString, QActionGroup*> groups;
    for (const TaskCommandInfo& command : taskCommands()) {
        QMenu* menu = menuNamed(command.menu);
        if (!menu) continue;
        QAction* action = addCommand(menu, command);
        if (!command.radioGroup) continue;
        QActionGroup*& group = groups[QString::fromLatin1(command.radioGroup)];
        if (!group) group = new QActionGroup(this);
        group->addAction(action);
    }
    for (const auto& [parent, menu] : submenus)
        if (parent) parent->addMenu(menu);
    addLabels();
    showChecks();
}

void TaskMenus::insertAfterView(QMenuBar* bar, QMenu* view, QMenu* menu) {
    const QList<QAction*> top = bar->actions();
    const qsizetype at = view ? top.indexOf(view->menuAction()) : -1;
    if (at >= 0 && at + 1 < top.size())
        bar->insertMenu(top[at + 1], menu);
    else
        bar->addMenu(menu);
}

QAction* TaskMenus::addCommand(QMenu* menu, const TaskCommandInfo& command) {
    // File's items stand before "Quit".
    QAction* before = quit_ && menu->actions().contains(quit_) ? quit_ : nullptr;
    if (command.separatorBefore) menu->insertSeparator(before);
    auto* action = new QAction(QString::fromUtf8(command.caption), menu);
    menu->insertAction(before, action);
    action->setObjectName(QString::fromLatin1(command.name));
    actions_.insert(action->objectName(), action);
    const TaskCommandInfo* info = &command;
    if (command.checked) {
        action->setCheckable(true);
        checkable_.emplace_back(action, info);
    }
    connect(action, &QAction::triggered, this, [this, info] {
        run_([this, info] { info->run(tasks_); });
        showChecks();
    });
    return action;
}

void TaskMenus::addLabels() {
    for (const TaskMenuLabel& label : taskMenuLabels()) {
        QMenu* menu = menuNamed(label.menu);
        if (!menu) continue;
        QAction* before = label.before ? find(label.before) : nullptr;
        const QString caption = QString::fromUtf8(label.caption);
        QAction* item = label.heading ? menu->insertSection(before, caption) : new QAction(caption, menu);
        if (!label.heading) {
            item->setVisible(false);
            menu->insertAction(before, item);
        }
        item->setObjectName(QString::fromLatin1(label.name));
    }
}

void TaskMenus::showChecks() {
    for (const auto& [action, command] : checkable_) action->setChecked(command->checked(tasks_));
}

QMenu* TaskMenus::menuNamed(const char* name) const { return menus_.value(QString::fromLatin1(name)); }

QAction* TaskMenus::find(const char* name) const { return actions_.value(QString::fromLatin1(name)); }

// The picture of a drop-down item: its type, priority or state as the grid shows it.
QIcon TaskMenus::itemPicture(const std::string& button, int value) const {
    const TaskStore& store = tasks_.context.store;
    if (button == "NewTaskBtn")
        return Pictures::icon(Pictures::TaskTypes, typePicture(lookupName(store.types, value, "MARK")));
    if (button == "PriorityBtn")
        return Pictures::icon(Pictures::TaskPriorities, priorityPicture(lookupName(store.priorities, value, "NAME")));
    return Pictures::icon(Pictures::TaskStates, statePicture(lookupName(store.states, value, "NAME")));
}

// A button that runs its command, with the drop-down of its items beside it.
QToolButton* TaskMenus::dropDownButton(const TaskToolButton& info, QWidget* parent) {
    auto* button = new QToolButton(parent);
    const std::string name = info.name;
    button->setObjectName(QString::fromLatin1(info.name));
    button->setPopupMode(QToolButton::MenuButtonPopup);
    auto* items = new QMenu(button);
    for (const TaskDropDownItem& item : info.items) {
        QAction* choice = items->addAction(itemPicture(name, item.value), QString::fromUtf8(item.caption));
        const TaskDropDownItem* chosen = &item;
        connect(choice, &QAction::triggered, this,
                [this, chosen] { run_([this, chosen] { chosen->run(tasks_, chosen->value); }); });
    }
    button->setMenu(items);
    const Pictures::Tool picture = name == "NewTaskBtn"    ? Pictures::NewItem
                                   : name == "PriorityBtn" ? Pictures::Priority
                                                           : Pictures::State;
    button->setIcon(Pictures::icon(Pictures::Tools, picture));
    if (QAction* command = find(info.command)) {
        button->setToolTip(command->text());
        connect(button, &QToolButton::clicked, command, &QAction::trigger);
    }
    return button;
}

QToolBar* TaskMenus::toolBar() {
    auto* tools = new QToolBar(window_);
    tools->setObjectName(QStringLiteral("TasksToolBar"));
    tools->setIconSize(QSize(16, 16));
    tools->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const TaskToolButton& info : taskToolButtons()) {
        QToolButton* button = dropDownButton(info, tools);
        tools->addWidget(button);
        if (std::string_view(info.name) != "NewTaskBtn") continue;
        button->setText(tr("New"));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        tools->addSeparator();
    }
    tools->addSeparator();
    const Pictures::Tool pictures[] = {Pictures::CutItems, Pictures::CopyItems, Pictures::PasteItems,
                                       Pictures::DeleteItems};
    int next = 0;
    for (const char* name : taskToolBarCommands()) {
        QAction* shown = find(name);
        if (!shown) continue;
        if (next < 4) shown->setIcon(Pictures::icon(Pictures::Tools, pictures[next++]));
        tools->addAction(shown);
    }
    return tools;
}

// Sixteen hours, each with its twelve five-minute times and a separator after every third.
void TaskMenus::buildTimeMenu() {
    timeMenu_ = new QMenu(window_);
    timeMenu_->setObjectName(QStringLiteral("TimePopupMenu"));
    for (const TimeMenuHour& hour : torvalet::timeMenu()) {
        QMenu* times = timeMenu_->addMenu(QString::fromStdString(hour.caption));
        int count = 0;
        for (const std::string& time : hour.times) {
            QAction* item = times->addAction(QString::fromStdString(time));
            connect(item, &QAction::triggered, this,
                    [this, time] { run_([this, time] { tasks_.commands.pickTime(time); }); });
            if (++count % timeMenuSeparatorEvery == 0 && count < int(hour.times.size())) times->addSeparator();
        }
    }
}

void TaskMenus::showTimeMenu() { timeMenu_->exec(window_->mapToGlobal(window_->rect().center())); }

}  // namespace torvalet::ui
