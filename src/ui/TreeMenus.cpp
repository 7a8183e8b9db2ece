#include "ui/TreeMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <stdexcept>
#include <string>

#include "app/TreePages.h"
#include "model/ViewState.h"
#include "tasks/TaskCommandTable.h"
#include "tasks/Tasks.h"
#include "trees/GoalForm.h"
#include "trees/NewItemKinds.h"
#include "trees/TreeCommandTable.h"
#include "ui/Pictures.h"

namespace torvalet::ui {

namespace {

// The pictures of the kinds a page's New drop-down offers.
Pictures::Set pictureSetOf(Page page) {
    switch (page) {
    case kLinksPage: return Pictures::Links;
    case kContactsPage: return Pictures::Contacts;
    case kBlocknotePage: return Pictures::Phrases;
    case kCalendarPage: return Pictures::Events;
    default: return Pictures::Goals;
    }
}

// The picture of a tool bar button.
Pictures::Tool pictureOf(TreeOperation operation) {
    const struct {
        TreeOperation operation;
        Pictures::Tool picture;
    } pictures[] = {
        {TreeOperation::Cut, Pictures::CutItems},      {TreeOperation::Copy, Pictures::CopyItems},
        {TreeOperation::Paste, Pictures::PasteItems},  {TreeOperation::Delete, Pictures::DeleteItems},
        {TreeOperation::MoveLeft, Pictures::MoveLeft}, {TreeOperation::MoveRight, Pictures::MoveRight},
        {TreeOperation::MoveUp, Pictures::MoveUp},     {TreeOperation::MoveDown, Pictures::MoveDown},
    };
    for (const auto& entry : pictures)
        if (entry.operation == operation) return entry.picture;
    throw std::logic_error("a tool bar button without a picture");
}

const TreeToolBarInfo& toolBarOf(Page page) {
    for (const TreeToolBarInfo& bar : treeToolBars())
        if (bar.page == page) return bar;
    throw std::logic_error("an item page without a tool bar");
}

}  // namespace

TreeMenus::TreeMenus(TreePages& pages, Tasks& tasks, CommandRunner run, QWidget* window)
    : QObject(window), pages_(pages), tasks_(tasks), run_(std::move(run)), window_(window) {}

void TreeMenus::addMenus(QMenuBar* bar) {
    for (const TreeCommandInfo& command : treeCommands()) {
        QMenu* owner = menu(bar, command.menu, command.page);
        if (command.separatorBefore) owner->addSeparator();
        QAction* added = owner->addAction(QString::fromUtf8(command.caption));
        added->setObjectName(QString::fromLatin1(command.name));
        const Page page = command.page;
        const TreeOperation operation = command.operation;
        connect(added, &QAction::triggered, this,
                [this, page, operation] { run_([this, page, operation] { pages_.run(page, operation); }); });
        actions_.insert(&command, added);
    }
    // Items that carry a caption and no command.
    for (const TreeMenuLabel& label : treeMenuLabels()) {
        QAction* item = menus_.value(QString::fromLatin1(label.menu))->addAction(QString::fromUtf8(label.caption));
        item->setObjectName(QString::fromLatin1(label.name));
        item->setVisible(false);
    }
}

QMenu* TreeMenus::menu(QMenuBar* bar, const char* name, Page page) {
    const QString objectName = QString::fromLatin1(name);
    if (QMenu* made = menus_.value(objectName)) return made;
    const CommandMenu* info = findTreeMenu(name);
    if (!info) throw std::logic_error(std::string("a tree command in no menu of the table: ") + name);
    QMenu* made = nullptr;
    if (*info->parent) {
        made = menu(bar, info->parent, page)->addMenu(QString::fromUtf8(info->caption));
        made->setObjectName(objectName);
    } else {
        made = bar->addMenu(QString::fromUtf8(info->caption));
        made->setObjectName(objectName);
        made->menuAction()->setObjectName(objectName + QStringLiteral("Action"));
        pageMenus_.at(std::size_t(page)) = made;
    }
    menus_.insert(objectName, made);
    return made;
}

QMenu* TreeMenus::pageMenu(Page page) const { return pageMenus_.at(std::size_t(page)); }

QToolBar* TreeMenus::toolBar(Page page) {
    const TreeToolBarInfo& bar = toolBarOf(page);
    auto* tools = new QToolBar(window_);
    tools->setObjectName(QString::fromLatin1(bar.name));
    tools->setIconSize(QSize(16, 16));
    tools->setToolButtonStyle(Qt::ToolButtonIconOnly);

    auto* newButton = new QToolButton(tools);
    newButton->setObjectName(QString::fromLatin1(bar.newButton));
    newButton->setText(tr("New"));
    newButton->setIcon(Pictures::icon(Pictures::Tools, Pictures::NewItem));
    newButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    newButton->setPopupMode(QToolButton::MenuButtonPopup);
    if (QAction* newAction = actions_.value(findTreeCommand(page, bar.newOperation)))
        connect(newButton, &QToolButton::clicked, newAction, &QAction::trigger);
    auto* kinds = new QMenu(newButton);
    const std::vector<std::string> captions = newItemKindCaptions(page);
    for (std::size_t kind = 0; kind < captions.size(); ++kind) {
        QAction* choice =
            kinds->addAction(Pictures::icon(pictureSetOf(page), int(kind)), QString::fromStdString(captions[kind]));
        const auto value = static_cast<std::int32_t>(kind);
        connect(choice, &QAction::triggered, this,
                [this, page, value] { run_([this, page, value] { pages_.commands.newItemOfKind(page, value); }); });
    }
    newButton->setMenu(kinds);
    tools->addWidget(newButton);
    for (const TreeOperation operation : treeToolBarOperations()) {
        if (QAction* shown = actions_.value(findTreeCommand(page, operation))) {
            shown->setIcon(Pictures::icon(Pictures::Tools, pictureOf(operation)));
            tools->addAction(shown);
        }
    }
    if (page == kTasksPage) addGoalDropDowns(tools);
    return tools;
}

// The goal bar's priority and state buttons: each a drop-down of the values it sets on the
// selected goals; a click on the button itself runs a task command ("Hi" on the task list,
// "Terminate", which marks the selected goals done while their tree has the focus).
void TreeMenus::addGoalDropDowns(QToolBar* tools) {
    GoalCommands* goals = &pages_.goals;
    const auto dropDown = [&](const char* name, const QString& caption, Pictures::Tool picture, int firstPicture,
                              const std::vector<std::pair<std::string, int>>& entries, void (GoalCommands::*set)(int),
                              const char* taskCommand) {
        auto* button = new QToolButton(tools);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(caption);
        button->setToolTip(caption);
        button->setIcon(Pictures::icon(Pictures::Tools, picture));
        button->setPopupMode(QToolButton::MenuButtonPopup);
        button->setFocusPolicy(Qt::NoFocus);
        if (const TaskCommandInfo* command = findTaskCommand(taskCommand)) {
            connect(button, &QToolButton::clicked, this,
                    [this, command] { run_([this, command] { command->run(tasks_); }); });
        }
        auto* menu = new QMenu(button);
        for (const auto& [text, value] : entries) {
            const int chosen = value;
            QAction* entry =
                menu->addAction(Pictures::icon(Pictures::Goals, firstPicture + value), QString::fromStdString(text));
            connect(entry, &QAction::triggered, this,
                    [this, goals, set, chosen] { run_([goals, set, chosen] { (goals->*set)(chosen); }); });
        }
        button->setMenu(menu);
        tools->addWidget(button);
    };
    dropDown("GoalPrioBtn", tr("Prio"), Pictures::Priority, 44, GoalCommands::goalPrioMenu(),
             &GoalCommands::setGoalsPriority, "Hi1");
    dropDown("GoalStateBtn", tr("State"), Pictures::State, 36, GoalCommands::goalStateMenu(),
             &GoalCommands::setGoalsState, "Terminate1");
}

}  // namespace torvalet::ui
