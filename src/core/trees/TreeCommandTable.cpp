#include "trees/TreeCommandTable.h"

#include <string_view>

#include "model/FixedShortcuts.h"

namespace torvalet {

namespace {

using Op = TreeOperation;

const TreeCommandInfo commands[] = {
    // Goals
    {"NewRootGoal_mp", "New Root Goal", "Goals_mp", "", kTasksPage, Op::NewRoot},
    {"NewChildGoal_mp", "New Child Goal", "Goals_mp", "", kTasksPage, Op::NewChild},
    {"AddGoalRight1", "Add Goal Right", "Goals_mp", "", kTasksPage, Op::AddRight},
    {"InsertAfterGoal_mp", "Insert After Goal", "Goals_mp", "", kTasksPage, Op::InsertAfter},
    {"InsertGoalFromClipboard_mp", "Insert From Clipboard", "Goals_mp", "", kTasksPage, Op::InsertFromClipboard},
    {"CutGoal_mp", "Cut Goal", "Goals_mp", "", kTasksPage, Op::Cut, true},
    {"CopyGoal_mp", "Copy Goal", "Goals_mp", "", kTasksPage, Op::Copy},
    {"PasteGoal_mp", "Paste Goal", "Goals_mp", "", kTasksPage, Op::Paste},
    {"DeleteGoal_mp", "Delete Goal", "Goals_mp", "", kTasksPage, Op::Delete},
    {"CloneGoals1", "Clone Goals", "Goals_mp", "", kTasksPage, Op::Clone, true},
    {"GroupGoals1", "Group Goals", "Goals_mp", "", kTasksPage, Op::Group},
    {"GoalProperties1", "Goal Properties", "Goals_mp", "", kTasksPage, Op::Properties},
    {"GoalsIntoTasks_mp", "Goals Into Task", "Goals_mp", "", kTasksPage, Op::IntoTasks},
    {"MoveGoalsRight1", "Move Goals Right", "MoveGoals1", "", kTasksPage, Op::MoveRight},
    {"MoveGoalsLeft1", "Move Goals Left", "MoveGoals1", "", kTasksPage, Op::MoveLeft},
    {"MoveGoalsUp1", "Move Goals Up", "MoveGoals1", "", kTasksPage, Op::MoveUp},
    {"MoveGoalsDown1", "Move Goals Down", "MoveGoals1", "", kTasksPage, Op::MoveDown},
    // Links
    {"NewRootLink_mp", "New Root Link", "Links_mp", "", kLinksPage, Op::NewRoot},
    {"NewChildLink_mp", "New Child Link", "Links_mp", "", kLinksPage, Op::NewChild},
    {"CutLink_mp", "Cut Link", "Links_mp", "", kLinksPage, Op::Cut, true},
    {"CopyLink_mp", "Copy Link", "Links_mp", "", kLinksPage, Op::Copy},
    {"PasteLink_mp", "Paste Link", "Links_mp", "", kLinksPage, Op::Paste},
    {"DeleteLink_mp", "Delete Link", "Links_mp", "", kLinksPage, Op::Delete},
    {"CloneLinks1", "Clone Links", "Links_mp", "", kLinksPage, Op::Clone, true},
    {"GroupLinks1", "Group Links", "Links_mp", "", kLinksPage, Op::Group},
    {"LinkProperties1", "Link Properties", "Links_mp", "", kLinksPage, Op::Properties},
    {"MoveLinksRight1", "Move Links Right", "MoveLinks1", "", kLinksPage, Op::MoveRight},
    {"MoveLinksLeft1", "Move Links Left", "MoveLinks1", "", kLinksPage, Op::MoveLeft},
    {"MoveLinksUp1", "Move Links Up", "MoveLinks1", "", kLinksPage, Op::MoveUp},
    {"MoveLinksDown1", "Move Links Down", "MoveLinks1", "", kLinksPage, Op::MoveDown},
    // Contacts
    {"NewRootContact_mp", "New Root Contact", "Contacts_mp", "", kContactsPage, Op::NewRoot},
    {"NewChildContact_mp", "New Child Contact", "Contacts_mp", "", kContactsPage, Op::NewChild},
    {"CutContact_mp", "Cut Contact", "Contacts_mp", "", kContactsPage, Op::Cut, true},
    {"CopyContact_mp", "Copy Contact", "Contacts_mp", "", kContactsPage, Op::Copy},
    {"PasteContact_mp", "Paste Contact", "Contacts_mp", "", kContactsPage, Op::Paste},
    {"DeleteContact_mp", "Delete Contact", "Contacts_mp", "", kContactsPage, Op::Delete},
    {"CloneContacts1", "Clone Contacts", "Contacts_mp", "", kContactsPage, Op::Clone, true},
    {"GroupContacts1", "Group Contacts", "Contacts_mp", "", kContactsPage, Op::Group},
    {"ContactProperties1", "Contact Properties", "Contacts_mp", "", kContactsPage, Op::Properties},
    {"MoveContactsRight1", "Move Contacts Right", "MoveContacts1", "", kContactsPage, Op::MoveRight},
    {"MoveContactsLeft1", "Move Contacts Left", "MoveContacts1", "", kContactsPage, Op::MoveLeft},
    {"MoveContactsUp1", "Move Contacts Up", "MoveContacts1", "", kContactsPage, Op::MoveUp},
    {"MoveContactsDown1", "Move Contacts Down", "MoveContacts1", "", kContactsPage, Op::MoveDown},
    // Phrases
    {"NewRootPhrase_mp", "New Root Phrase", "Phrases_mp", "", kBlocknotePage, Op::NewRoot},
    {"NewChildPhrase_mp", "New Child Phrase", "Phrases_mp", "", kBlocknotePage, Op::NewChild},
    {"CutPhrase_mp", "Cut Phrase", "Phrases_mp", "", kBlocknotePage, Op::Cut, true},
    {"CopyPhrase_mp", "Copy Phrase", "Phrases_mp", "", kBlocknotePage, Op::Copy},
    {"PastePhrase_mp", "Paste Phrase", "Phrases_mp", "", kBlocknotePage, Op::Paste},
    {"DeletePhrase_mp", "Delete Phrase", "Phrases_mp", "", kBlocknotePage, Op::Delete},
    {"ClonePhrases1", "Clone Phrases", "Phrases_mp", "", kBlocknotePage, Op::Clone, true},
    {"PhraseProperties1", "Phrase Properties", "Phrases_mp", "", kBlocknotePage, Op::Properties},
    {"PutPhrasesToClipboard_mp", "Put Phrases To Clipboard", "Phrases_mp", "", kBlocknotePage, Op::PutToClipboard},
    {"SavePhrases_mp", "Save Phrases", "Phrases_mp", "", kBlocknotePage, Op::Save},
    // Calendar
    {"NewRootEvent_mp", "New Root Event", "Calendar_mp", "", kCalendarPage, Op::NewRoot},
    {"NewChildEvent_mp", "New Child Event", "Calendar_mp", "", kCalendarPage, Op::NewChild},
    {"CutEvent_mp", "Cut Event", "Calendar_mp", "", kCalendarPage, Op::Cut, true},
    {"CopyEvent_mp", "Copy Event", "Calendar_mp", "", kCalendarPage, Op::Copy},
    {"PasteEvent_mp", "Paste Event", "Calendar_mp", "", kCalendarPage, Op::Paste},
    {"DeleteEvent_mp", "Delete Event", "Calendar_mp", "", kCalendarPage, Op::Delete},
    {"CalendarProperties1", "Calendar Properties", "Calendar_mp", "", kCalendarPage, Op::Properties, true},
};

const CommandMenu menus[] = {
    {"Goals_mp", "Goals", ""},       {"MoveGoals1", "Move Goals", "Goals_mp"},
    {"Links_mp", "Links", ""},       {"MoveLinks1", "Move Links", "Links_mp"},
    {"Contacts_mp", "Contacts", ""}, {"MoveContacts1", "Move Contacts", "Contacts_mp"},
    {"Phrases_mp", "Phrases", ""},   {"Calendar_mp", "Calendar", ""},
};

const TreeMenuLabel labels[] = {
    {"InsertBeforeGoal_mp", "Insert Before Goal", "Goals_mp"},
    {"InsertLinkBefore_mp", "Insert Link Before", "Links_mp"},
    {"InsertLinkAfter_mp", "Insert Link After", "Links_mp"},
    {"InsertBeforeContact_mp", "Insert Before Contact", "Contacts_mp"},
    {"InsertAfterContact_mp", "Insert After Contact", "Contacts_mp"},
    {"InsertPhraseBefore_mp", "Insert Phrase Before", "Phrases_mp"},
    {"InsertPhraseAfter_mp", "Insert Phrase After", "Phrases_mp"},
    {"InsertBeforeEvent_mp", "Insert Before Event", "Calendar_mp"},
    {"InsertAfterEvent_mp", "Insert After Event", "Calendar_mp"},
};

const TreeToolBarInfo toolBars[] = {
    {kTasksPage, "GoalsToolBar", "NewGoalBtn", Op::InsertAfter},
    {kLinksPage, "LinksToolBar", "NewLinkBtn", Op::NewChild},
    {kContactsPage, "ContactsToolBar", "NewContactBtn", Op::NewChild},
    {kBlocknotePage, "PhrasesToolBar", "NewPhraseBtn", Op::NewChild},
    {kCalendarPage, "CalendarToolBar", "NewEventBtn", Op::NewChild},
};

const TreeOperation toolBarOperations[] = {Op::Cut,      Op::Copy,      Op::Paste,  Op::Delete,
                                           Op::MoveLeft, Op::MoveRight, Op::MoveUp, Op::MoveDown};

}  // namespace

std::vector<std::string> TreeCommandInfo::shortcuts() const { return keyList(keys); }

std::span<const TreeCommandInfo> treeCommands() { return commands; }

const TreeCommandInfo* findTreeCommand(const std::string& name) {
    for (const TreeCommandInfo& command : commands)
        if (name == command.name) return &command;
    return nullptr;
}

const TreeCommandInfo* findTreeCommand(Page page, TreeOperation operation) {
    for (const TreeCommandInfo& command : commands)
        if (command.page == page && command.operation == operation) return &command;
    return nullptr;
}

std::span<const CommandMenu> treeMenus() { return menus; }

const CommandMenu* findTreeMenu(const std::string& name) {
    for (const CommandMenu& menu : menus)
        if (name == menu.name) return &menu;
    return nullptr;
}

std::span<const TreeMenuLabel> treeMenuLabels() { return labels; }

std::span<const TreeToolBarInfo> treeToolBars() { return toolBars; }

std::span<const TreeOperation> treeToolBarOperations() { return toolBarOperations; }

}  // namespace torvalet
