#include "ui/TreeMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/TreePages.h"
#include "model/ViewState.h"
#include "tasks/TaskCommandTable.h"
#include "tasks/Tasks.h"
#include "trees/GoalForm.h"
#include "trees/NewItemKinds.h"
#include "ui/Pictures.h"

namespace torvalet::ui {

namespace {

struct PageBar {
    const char* name;
    const char* newButton;
    const char* newAction;  // what a click on the New button itself runs
    std::vector<const char*> buttons;
};

PageBar pageBar(Page page) {
    switch (page) {
    case kTasksPage:
        return {"GoalsToolBar",
                "NewGoalBtn",
                "InsertAfterGoal_mp",
                {"CutGoal_mp", "CopyGoal_mp", "PasteGoal_mp", "DeleteGoal_mp", "MoveGoalsLeft1", "MoveGoalsRight1",
                 "MoveGoalsUp1", "MoveGoalsDown1"}};
    case kLinksPage:
        return {"LinksToolBar",
                "NewLinkBtn",
                "NewChildLink_mp",
                {"CutLink_mp", "CopyLink_mp", "PasteLink_mp", "DeleteLink_mp", "MoveLinksLeft1", "MoveLinksRight1",
                 "MoveLinksUp1", "MoveLinksDown1"}};
    case kContactsPage:
        return {"ContactsToolBar",
                "NewContactBtn",
                "NewChildContact_mp",
                {"CutContact_mp", "CopyContact_mp", "PasteContact_mp", "DeleteContact_mp", "MoveContactsLeft1",
                 "MoveContactsRight1", "MoveContactsUp1", "MoveContactsDown1"}};
    case kBlocknotePage:
        return {"PhrasesToolBar",
                "NewPhraseBtn",
                "NewChildPhrase_mp",
                {"CutPhrase_mp", "CopyPhrase_mp", "PastePhrase_mp", "DeletePhrase_mp"}};
    default:
        return {"CalendarToolBar",
                "NewEventBtn",
                "NewChildEvent_mp",
                {"CutEvent_mp", "CopyEvent_mp", "PasteEvent_mp", "DeleteEvent_mp"}};
    }
}

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

}  // namespace

TreeMenus::TreeMenus(TreePages& pages, ItemTreeSet& trees, Tasks& tasks, CommandRunner run, QWidget* window)
    : QObject(window), pages_(pages), trees_(trees), tasks_(tasks), run_(std::move(run)), window_(window) {}

void TreeMenus::addMenus(QMenuBar* bar) {
    TreePages* pages = &pages_;
    TreeCommands* c = &pages->commands;
    GoalCommands* goals = &pages->goals;
    const auto onPage = [c](Page page, auto command) {
        return [c, page, command] {
            c->switchTab(page);
            command();
        };
    };
    const auto links = [c](auto command) {
        return [c, command] {
            if (ItemTree* tree = c->activeLinksTree()) command(*tree);
        };
    };

    QMenu* goalMenu =
        menu(bar, "Goals_mp", "Goals",
             {{"NewRootGoal_mp", "New Root Goal", [c] { c->newRootGoal(); }},
              {"NewChildGoal_mp", "New Child Goal", [c] { c->newChildGoal(); }},
              {"AddGoalRight1", "Add Goal Right", [c] { c->addGoalRight(); }},
              {"InsertAfterGoal_mp", "Insert After Goal", [c] { c->insertAfterGoal(); }},
              {"InsertGoalFromClipboard_mp", "Insert From Clipboard", [goals] { goals->insertGoalFromClipboard(); }},
              {nullptr, nullptr, nullptr},
              {"CutGoal_mp", "Cut Goal", [c] { c->cutGoals(); }},
              {"CopyGoal_mp", "Copy Goal", [c] { c->copyGoals(); }},
              {"PasteGoal_mp", "Paste Goal", [c] { c->pasteGoals(); }},
              {"DeleteGoal_mp", "Delete Goal", [c] { c->deleteGoals(); }},
              {nullptr, nullptr, nullptr},
              {"CloneGoals1", "Clone Goals", [c] { c->cloneGoals(); }},
              {"GroupGoals1", "Group Goals", [c] { c->groupGoals(); }},
              {"GoalProperties1", "Goal Properties", [goals] { goals->showGoalProperties(); }},
              {"GoalsIntoTasks_mp", "Goals Into Task", [pages] { pages->turnGoalsIntoTasks(); }}});
    moves(goalMenu, "MoveGoals1", "Move Goals",
          {{"MoveGoalsRight1", "Move Goals Right", [c] { c->moveGoalsRight(); }},
           {"MoveGoalsLeft1", "Move Goals Left", [c] { c->moveGoalsLeft(); }},
           {"MoveGoalsUp1", "Move Goals Up", [c] { c->moveGoalsUp(); }},
           {"MoveGoalsDown1", "Move Goals Down", [c] { c->moveGoalsDown(); }}});

    QMenu* linkMenu = menu(bar, "Links_mp", "Links",
                           {{"NewRootLink_mp", "New Root Link", [c] { c->newRootLink(); }},
                            {"NewChildLink_mp", "New Child Link", [c] { c->newChildLink(); }},
                            {nullptr, nullptr, nullptr},
                            {"CutLink_mp", "Cut Link", [c] { c->cutLinks(); }},
                            {"CopyLink_mp", "Copy Link", [c] { c->copyLinks(); }},
                            {"PasteLink_mp", "Paste Link", [c] { c->pasteLinks(); }},
                            {"DeleteLink_mp", "Delete Link", [c] { c->deleteLinks(); }},
                            {nullptr, nullptr, nullptr},
                            {"CloneLinks1", "Clone Links", [c] { c->cloneLinks(); }},
                            {"GroupLinks1", "Group Links", [c] { c->groupLinks(); }},
                            {"LinkProperties1", "Link Properties",
                             onPage(kLinksPage, links([c](ItemTree& tree) { c->editFirstSelected(tree); }))}});
    moves(linkMenu, "MoveLinks1", "Move Links",
          {{"MoveLinksRight1", "Move Links Right", [c] { c->moveLinksRight(); }},
           {"MoveLinksLeft1", "Move Links Left", [c] { c->moveLinksLeft(); }},
           {"MoveLinksUp1", "Move Links Up", [c] { c->moveLinksUp(); }},
           {"MoveLinksDown1", "Move Links Down", [c] { c->moveLinksDown(); }}});

    ItemTree* contacts = &trees_.get(TreeId::ContactsTree);
    QMenu* contactMenu = menu(bar, "Contacts_mp", "Contacts",
                              {{"NewRootContact_mp", "New Root Contact", [c] { c->newRootContact(); }},
                               {"NewChildContact_mp", "New Child Contact", [c] { c->newChildContact(); }},
                               {nullptr, nullptr, nullptr},
                               {"CutContact_mp", "Cut Contact", [c] { c->cutContacts(); }},
                               {"CopyContact_mp", "Copy Contact", [c] { c->copyContacts(); }},
                               {"PasteContact_mp", "Paste Contact", [c] { c->pasteContacts(); }},
                               {"DeleteContact_mp", "Delete Contact", [c] { c->deleteContacts(); }},
                               {nullptr, nullptr, nullptr},
                               {"CloneContacts1", "Clone Contacts", [c] { c->cloneContacts(); }},
                               {"GroupContacts1", "Group Contacts", [c] { c->groupContacts(); }},
                               {"ContactProperties1", "Contact Properties",
                                onPage(kContactsPage, [c, contacts] { c->editFirstSelected(*contacts); })}});
    moves(contactMenu, "MoveContacts1", "Move Contacts",
          {{"MoveContactsRight1", "Move Contacts Right", [c] { c->moveContactsRight(); }},
           {"MoveContactsLeft1", "Move Contacts Left", [c] { c->moveContactsLeft(); }},
           {"MoveContactsUp1", "Move Contacts Up", [c] { c->moveContactsUp(); }},
           {"MoveContactsDown1", "Move Contacts Down", [c] { c->moveContactsDown(); }}});

    ItemTree* phrases = &trees_.get(TreeId::PhrasesTree);
    PhraseCommands* phraseCommands = &pages->phrases;
    QMenu* phraseMenu = menu(bar, "Phrases_mp", "Phrases",
                             {{"NewRootPhrase_mp", "New Root Phrase", [c] { c->newRootPhrase(); }},
                              {"NewChildPhrase_mp", "New Child Phrase", [c] { c->newChildPhrase(); }},
                              {nullptr, nullptr, nullptr},
                              {"CutPhrase_mp", "Cut Phrase", [c] { c->cutPhrases(); }},
                              {"CopyPhrase_mp", "Copy Phrase", [c] { c->copyPhrases(); }},
                              {"PastePhrase_mp", "Paste Phrase", [c] { c->pastePhrases(); }},
                              {"DeletePhrase_mp", "Delete Phrase", [c] { c->deletePhrases(); }},
                              {nullptr, nullptr, nullptr},
                              {"ClonePhrases1", "Clone Phrases", [c] { c->clonePhrases(); }},
                              {"PhraseProperties1", "Phrase Properties",
                               onPage(kBlocknotePage, [c, phrases] { c->editFirstSelected(*phrases); })},
                              {"PutPhrasesToClipboard_mp", "Put Phrases To Clipboard",
                               [phraseCommands] { phraseCommands->putPhrasesToClipboard(); }},
                              {"SavePhrases_mp", "Save Phrases", [phraseCommands] { phraseCommands->savePhrases(); }}});

    menu(bar, "Calendar_mp", "Calendar",
         {{"NewRootEvent_mp", "New Root Event", [c] { c->newRootEvent(); }},
          {"NewChildEvent_mp", "New Child Event", [c] { c->newChildEvent(); }},
          {nullptr, nullptr, nullptr},
          {"CutEvent_mp", "Cut Event", [c] { c->cutEvents(); }},
          {"CopyEvent_mp", "Copy Event", [c] { c->copyEvents(); }},
          {"PasteEvent_mp", "Paste Event", [c] { c->pasteEvents(); }},
          {"DeleteEvent_mp", "Delete Event", [c] { c->deleteEvents(); }},
          {nullptr, nullptr, nullptr},
          {"CalendarProperties1", "Calendar Properties",
           onPage(kCalendarPage, [c] { c->editFirstSelected(c->calendarTree()); })}});
    pageMenus_ = {goalMenu, linkMenu, contactMenu, phraseMenu};
    addHiddenItems(bar);
}

// The menus' hidden items, which carry a caption and no command.
void TreeMenus::addHiddenItems(QMenuBar* bar) {
    const struct {
        const char* menu;
        std::vector<std::pair<const char*, const char*>> items;
    } hidden[] = {
        {"Goals_mp", {{"InsertBeforeGoal_mp", "Insert Before Goal"}}},
        {"Links_mp", {{"InsertLinkBefore_mp", "Insert Link Before"}, {"InsertLinkAfter_mp", "Insert Link After"}}},
        {"Contacts_mp",
         {{"InsertBeforeContact_mp", "Insert Before Contact"}, {"InsertAfterContact_mp", "Insert After Contact"}}},
        {"Phrases_mp",
         {{"InsertPhraseBefore_mp", "Insert Phrase Before"}, {"InsertPhraseAfter_mp", "Insert Phrase After"}}},
        {"Calendar_mp",
         {{"InsertBeforeEvent_mp", "Insert Before Event"}, {"InsertAfterEvent_mp", "Insert After Event"}}},
    };
    for (const auto& menu : hidden) {
        auto* owner = bar->findChild<QMenu*>(QString::fromLatin1(menu.menu));
        for (const auto& [name, caption] : menu.items) {
            QAction* item = owner->addAction(QString::fromLatin1(caption));
            item->setObjectName(QString::fromLatin1(name));
            item->setVisible(false);
        }
    }
}

QMenu* TreeMenus::menu(QMenuBar* bar, const char* name, const char* caption, const std::vector<Entry>& entries) {
    QMenu* added = bar->addMenu(QString::fromLatin1(caption));
    added->setObjectName(QString::fromLatin1(name));
    added->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    for (const Entry& entry : entries) {
        if (entry.name) {
            action(added, entry);
        } else {
            added->addSeparator();
        }
    }
    return added;
}

QMenu* TreeMenus::moves(QMenu* parent, const char* name, const char* caption, const std::vector<Entry>& entries) {
    QMenu* sub = parent->addMenu(QString::fromLatin1(caption));
    sub->setObjectName(QString::fromLatin1(name));
    for (const Entry& entry : entries) action(sub, entry);
    return sub;
}

QAction* TreeMenus::action(QMenu* menu, const Entry& entry) {
    QAction* added = menu->addAction(QString::fromLatin1(entry.caption));
    added->setObjectName(QString::fromLatin1(entry.name));
    const Handler handler = entry.handler;
    connect(added, &QAction::triggered, this, [this, handler] { run_(handler); });
    actions_.insert(added->objectName(), added);
    return added;
}

QAction* TreeMenus::find(const char* name) const { return actions_.value(QString::fromLatin1(name)); }

QToolBar* TreeMenus::toolBar(Page page) {
    const PageBar bar = pageBar(page);
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
    if (QAction* newAction = find(bar.newAction))
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
    const Pictures::Tool pictures[] = {Pictures::CutItems,    Pictures::CopyItems, Pictures::PasteItems,
                                       Pictures::DeleteItems, Pictures::MoveLeft,  Pictures::MoveRight,
                                       Pictures::MoveUp,      Pictures::MoveDown};
    for (std::size_t i = 0; i < bar.buttons.size(); ++i) {
        if (QAction* shown = find(bar.buttons[i])) {
            shown->setIcon(Pictures::icon(Pictures::Tools, pictures[i]));
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
