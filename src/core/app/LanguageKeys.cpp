#include "app/LanguageKeys.h"

namespace torvalet {

namespace {

// "Name#" stands for Name1 ... Name9, "Name@" for NameA ... NameZ.
// clang-format off
const char* const captionKeyPatterns[] = {
    "LoadTask1", "StoreTask1", "Delegated1", "Delayed1", "DateProject1", "ProjectDate1", "mFile", "Prepare1",
    "CreateDayFolder1", "OpenDayFolder1", "Undone1", "PrivateInfo1", "UsefulInfo1", "Edit_mp", "mView", "Task1",
    "Service1", "mHelp", "TorvaletHelp1", "ViewTasksPage1", "ViewLinksPage1", "ViewContactsPage1",
    "ViewBlocknotePage1", "ViewCalendarPage1", "FilterByType1", "FilterByReminder1", "FilterByProblem1",
    "FilterByCall1", "FilterByBuy1", "FilterByDoc1", "FilterByPayment1", "FilterByRepair1", "FilterByEmail1",
    "FilterByCheck1", "FilterByCopyInfo1", "FilterByHealthCare1", "FilterByTab1", "FilterByIdea1", "Time_mp",
    "Date_mp", "Priority_mp", "State_mp", "Text_mp", "SupportEmail_mp", "Textboard_mp", "TextboardUndo_mp",
    "TextboardCut_mp", "TextboardCopy_mp", "TextboardPaste_mp", "TextboardDelete_mp", "TextboardClear_mp",
    "TextboardPrint_mp", "GenerateEmailFromTextboard_mp", "RightPanelWide_mp", "Goals_mp", "NewRootGoal_mp",
    "NewChildRoot_mp", "InsertBeforeGoal_mp", "InsertAfterGoal_mp", "InsertGoalFromClipboard_mp", "AddGoalRight1",
    "CloneGoals1", "GroupGoals1", "GoalProperties1", "ShowSubGoals1", "ExpandGoalNode1", "CollapseGoalNode1",
    "ExpandAllGoals1", "CollapseAllGoals1", "FilterGoals1", "GoalsShowLevels1", "GoalsLevel#", "ShowAllGoalsLevels1",
    "MoveGoals1", "MoveGoalsRight1", "MoveGoalsLeft1", "MoveGoalsUp1", "MoveGoalsDown1", "CloneLinks1", "GroupLinks1",
    "LinkProperties1", "ShowSubLinks1", "ExpandLinkNode1", "CollapseLinkNode1", "ExpandAllLinks1",
    "CollapseAllLinks1", "FilterLinks1", "LinksShowLevels1", "LinksLevel#", "ShowAllLinksLevels1", "MoveLinks1",
    "MoveLinksRight1", "MoveLinksLeft1", "MoveLinksUp1", "MoveLinksDown1", "LinksTags1", "ShowLinksTags1",
    "ShowByLetter2", "LinksAM1", "LinksNZ1", "Links@", "CloneContacts1", "GroupContacts1", "ContactProperties1",
    "ShowSubContacts1", "ExpandContactNode1", "CollapseContactNode1", "ExpandAllContacts1", "CollapseAllContacts1",
    "FilterContacts1", "ContactsShowLevels1", "ContactsLevel#", "ShowAllContactsLevels1", "MoveContacts1",
    "MoveContactsRight1", "MoveContactsLeft1", "MoveContactsUp1", "MoveContactsDown1", "ContactsTags1",
    "ShowContactsTags1", "ShowByLetter1", "ContactsAM1", "ContactsNZ1", "Contacts@", "ShowTagsByType1",
    "ShowManOnly1", "ShowWomen1", "ShowCompanies1", "CalendarProperties1", "CutGoal_mp", "CopyGoal_mp",
    "PasteGoal_mp", "DeleteGoal_mp", "GoalsIntoTasks_mp", "Links_mp", "NewRootLink_mp", "NewChildRoot_mp",
    "InsertLinkBefore_mp", "InsertLinkAfter_mp", "CutLink_mp", "CopyLink_mp", "PasteLink_mp", "DeleteLink_mp",
    "OpenLink_mp", "OpenLinkInInternalBrowser_mp", "Contacts_mp", "NewRootContact_mp", "NewChildContact_mp",
    "InsertBeforeContact_mp", "InsertAfterContact_mp", "CutContact_mp", "CopyContact_mp", "PasteContact_mp",
    "DeleteContact_mp", "EmailToContacts_mp", "ExploreContacts_mp", "PrintContacts_mp", "Calendar_mp",
    "NewRootEvent_mp", "NewChildEvent_mp", "InsertBeforeEvent_mp", "InsertAfterEvent_mp", "CutEvent_mp",
    "CopyEvent_mp", "PasteEvent_mp", "DeleteEvent_mp", "Phrases_mp", "NewRootPhrase_mp", "NewChildPhrase_mp",
    "InsertPhraseBefore_mp", "InsertPhraseAfter_mp", "CutPhrase_mp", "CopyPhrase_mp", "PastePhrase_mp",
    "DeletePhrase_mp", "PutPhrasesToClipboard_mp", "GenerateEmailFromPhrases_mp", "SavePhrases_mp", "ExpiredTasks1",
    "ShiftMutedFrom1", "Mute1", "mExit", "Print1", "TaskReport1", "mCut", "mCopy", "mPaste", "mDelete",
    "DeleteTasks1", "DeleteDoneTasks1", "DeleteDoneDayTasks1", "DeleteDoneBefore1", "DeleteDayTasks1",
    "DeleteDayReminders1", "Highest1", "Hi1", "Middle1", "Low1", "QPrio1", "DeleteAllDayTasks1", "mShift",
    "ShiftToTomorrow1", "ShiftDateBack1", "ShiftDateForward1", "ShiftTimeHourBack1", "ShiftTimeHourForward1",
    "ShiftAtTheMoment1", "mClone", "DetailView1", "EasyView1", "mOrderBy", "mDateTimeProject", "mStateDateTime",
    "PriorityDateandTime1", "TaskType1", "Complex1", "DateDoer1", "mFilter", "HideByState1", "HideDone1",
    "HideUndone1", "HideMute1", "HideNormalState1", "HideByPriority1", "HideLow1", "HideNormal1", "HideHigh1",
    "HideExtra1", "HideByType1", "mTaskProps", "MessagePad1", "ShowLastMessage1", "Insert1", "InsertFromClipboard1",
    "SaveTask1", "SetDate1", "SetTime1", "SetFinalDate1", "SetFinalTime1", "AtWork1", "Terminate1", "RotatePriority1",
    "RotateState1", "mOptions", "mAnalyzeCalendar", "AnalyzeContacts1", "Language1", "English1", "Russian1",
    "Macedonian1", "Hellenic1", "Do1", "Capitalize1", "LowerCase1", "mHomepage", "mManual", "ReadMe1", "mAbout",
    "ClearMessagePad1", "mShow", "mHide",
};
// clang-format on

std::vector<std::string> expandPatterns() {
    std::vector<std::string> keys;
    for (const std::string pattern : captionKeyPatterns) {
        const std::string stem = pattern.substr(0, pattern.size() - 1);
        if (pattern.back() == '#') {
            for (char digit = '1'; digit <= '9'; ++digit) keys.push_back(stem + digit);
        } else if (pattern.back() == '@') {
            for (char letter = 'A'; letter <= 'Z'; ++letter) keys.push_back(stem + letter);
        } else {
            keys.push_back(pattern);
        }
    }
    return keys;
}

}  // namespace

const std::vector<std::string>& mainWindowCaptionKeys() {
    static const std::vector<std::string> keys = expandPatterns();
    return keys;
}

std::string componentOfCaptionKey(const std::string& key, int occurrence) {
    static const struct {
        const char* key;
        const char* component;
    } renamed[] = {{"FilterByProblem1", "FilterByProblems1"},
                   {"mExit", "Quit1"},
                   {"DeleteTasks1", "Delete1"},
                   {"mStateDateTime", "mDateStateTime"},
                   {"PriorityDateandTime1", "DatePriorityAndTime1"},
                   {"MessagePad1", "messagePad1"}};
    if (key == "NewChildRoot_mp") return occurrence == 0 ? "NewChildGoal_mp" : "NewChildLink_mp";
    for (const auto& entry : renamed)
        if (key == entry.key) return entry.component;
    return key;
}

const std::vector<LanguageDialogKeys>& dialogLanguageKeys() {
    static const std::vector<LanguageDialogKeys> dialogs = {
        {"taskForm",
         "taskPropsForm",
         {"DateTimeGBox", "DateTimeLb", "FinalDateTimeLb", "ProjectLb", "TaskLb", "CommentLb", "TypeLb", "PrioLb",
          "DoerLb", "StateLb"},
         {"DateTimeLb", "FinalDateTimeLb", "ProjectLb", "TaskLb", "CommentLb", "TypeLb", "PrioLb", "DoerLb", "StateLb"},
         {}},
        {"GoalForm",
         "GoalForm",
         {"GoalLb", "DescriptionLb", "TypeLb", "StateLb", "PrioLb", "CommentLb"},
         {},
         {{"ComboBox1", "objList", 36}, {"ComboBox2", "stateList", 8}, {"ComboBox3", "prioList", 6}}},
        {"ContactForm",
         "ContactForm",
         {"OfficialLb", "TypeLb", "LastNameLb", "MidNameLb", "NameLb", "NickNameLb", "AdrLb", "Phone1Lb", "Phone2Lb",
          "HotKeyLb", "EmailLb", "WebLb", "BirthdayLb", "NameDayLb", "SpecDayLb", "NoteLb", "ClearBDayBtn",
          "ClearNDayBtn", "ClearSDayBtn"},
         {},
         {{"ComboBox1", "typeList", 6}}},
        {"PhraseForm",
         "PhraseForm",
         {"TypeLb", "NameLb", "PhraseLb", "HotKeyLb", "NoteLb"},
         {},
         {{"ComboBox1", "typeList", 3}}},
        {"CalendarPropForm",
         "CalendarPropForm",
         {"EventLb", "TypeLb", "MonChkBox", "TueChkBox", "WedChkBox", "ThuChkBox", "FriChkBox", "SatChkBox",
          "SunChkBox", "EventDateLb", "TimeLb", "NoteLb"},
         {},
         {{"ComboBox1", "typeList", 8}}},
        {"LinkPropForm",
         "LinkPropForm",
         {"NameLb", "URLLb", "HotKeyLb", "ParamsLb", "DirLb", "AcDateLb", "TypeLb", "NoteLb"},
         {},
         {{"ComboBox1", "typeList", 7}}},
    };
    return dialogs;
}

}  // namespace torvalet
