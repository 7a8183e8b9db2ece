#include "tasks/TaskCommandTable.h"

#include <cstdio>

#include "model/FixedShortcuts.h"
#include "tasks/Tasks.h"

namespace torvalet {

namespace {

using R = TaskRowSet;
using F = TaskList::Flag;

LookupKey priorityKey(int n) { return n ? makeLookupKey(n) : LookupKey(); }

template <int N>
void priority(Tasks& t) {
    t.commands.priorityCommand(priorityKey(N));
}
template <TaskState S>
void state(Tasks& t) {
    t.commands.stateCommand(S);
}
template <int N>
void order(Tasks& t) {
    t.list.setTaskOrder(N);
}
template <int N>
bool orderChecked(const Tasks& t) {
    return t.list.checkedOrder() == N;
}
template <int N>
void filterBy(Tasks& t) {
    t.list.filterTasksByType(N);
}
template <F Flag>
void toggle(Tasks& t) {
    t.list.toggleHideFlag(Flag);
}
template <F Flag>
bool flagChecked(const Tasks& t) {
    return t.list.flagChecked(Flag);
}

bool detailChecked(const Tasks& t) { return t.list.checkedPreset() == TaskListCommands::Preset::Detail; }
bool easyChecked(const Tasks& t) { return t.list.checkedPreset() == TaskListCommands::Preset::Easy; }

#define RUN(call) +[](Tasks& t) { call; }

const TaskCommandInfo commands[] = {
    // Tasks
    {"Insert1", "Insert", "Task1", "Ctrl+N", R::New, true, RUN(t.commands.insertTaskCommand())},
    {"mTaskProps", "Modify Task...", "Task1", "Ctrl+Return; Ctrl+Num+Enter", R::Current, true,
     RUN(t.commands.modifyTask())},
    {"SaveTask1", "Save Task", "Task1", "Ctrl+S", R::Current, true, RUN(t.commands.saveTaskCommand())},
    {"InsertFromClipboard1", "Insert From Clipboard", "Task1", "F10", R::New, true,
     RUN(t.clipboard.insertFromClipboardCommand())},
    {"mClone", "Clone", "Task1", "", R::Selection, true, RUN(t.commands.cloneTasks())},
    {"Do1", "Do", "Task1", "Ctrl+G", R::SelectionPlus, true, RUN(t.execution.doTasks())},
    // Tasks > Edit
    {"mCut", "Cut", "Edit_mp", "", R::Selection, true, RUN(t.clipboard.cutTasksCommand())},
    {"mCopy", "Copy", "Edit_mp", "", R::Selection, true, RUN(t.clipboard.copyTasksCommand())},
    {"mPaste", "Paste", "Edit_mp", "", R::New, true, RUN(t.clipboard.pasteTasksCommand())},
    {"mDelete", "Delete Task", "Edit_mp", "", R::Selection, true, RUN(t.commands.deleteTasksCommand()), nullptr,
     nullptr, true},
    // Tasks > Date
    {"SetDate1", "Set Date...", "Date_mp", "Ctrl+D", R::Selection, true, RUN(t.commands.setDatesFromCalendar())},
    {"ShiftDateBack1", "Shift Date Back", "Date_mp", "Ctrl+Alt+B", R::Selection, true,
     RUN(t.commands.shiftDatesBack())},
    {"ShiftDateForward1", "Shift Date Forward", "Date_mp", "Ctrl+Alt+F", R::Selection, true,
     RUN(t.commands.shiftDatesForward())},
    {"mShift", "Shift", "Date_mp", "F6", R::Selection, true, RUN(t.commands.shiftToToday())},
    {"ShiftToTomorrow1", "Shift To Tomorrow", "Date_mp", "", R::Selection, true, RUN(t.commands.shiftToTomorrow())},
    // Tasks > Time
    {"SetTime1", "Set Time", "Time_mp", "Ctrl+T", R::SelectionPlus, true, RUN(t.commands.chooseTime())},
    {"SetFinalTime1", "Set Final Time...", "Time_mp", "Ctrl+Alt+T", R::SelectionPlus, true,
     RUN(t.commands.chooseFinalTime())},
    {"ShiftTimeHourBack1", "Shift Time Hour Back", "Time_mp", "Ctrl+B", R::SelectionPlus, true,
     RUN(t.commands.shiftHourBack())},
    {"ShiftTimeHourForward1", "Shift Time Hour Forward", "Time_mp", "Ctrl+F", R::SelectionPlus, true,
     RUN(t.commands.shiftHourForward())},
    {"ShiftAtTheMoment1", "Shift At The Moment", "Time_mp", "", R::SelectionPlus, true, RUN(t.commands.shiftToNow())},
    // Tasks > Priority
    {"NullPriority1", "Null Priority", "Priority_mp", "Alt+9", R::Selection, true, &priority<0>},
    {"Highest1", "Highest", "Priority_mp", "Alt+0", R::Selection, true, &priority<1>},
    {"Hi1", "Hi", "Priority_mp", "Alt+1", R::Selection, true, &priority<3>},
    {"Middle1", "Middle", "Priority_mp", "Alt+2", R::Selection, true, &priority<4>},
    {"Low1", "Low", "Priority_mp", "Alt+3", R::Selection, true, &priority<5>},
    {"QPrio1", "Q Prio", "Priority_mp", "Alt+4", R::Selection, true, &priority<2>},
    {"RotatePriority1", "Rotate Priority", "Priority_mp", "Ctrl+Num+*", R::Current, true,
     RUN(t.commands.rotatePriorityCommand()), nullptr, nullptr, true},
    // Tasks > State
    {"NullState1", "Null State", "State_mp", "Alt+8", R::Selection, true, &state<TaskState::None>},
    {"Prepare1", "Prepare", "State_mp", "F4", R::Selection, true, &state<TaskState::Prepare>},
    {"AtWork1", "At Work", "State_mp", "Shift+F4", R::Selection, true, &state<TaskState::AtWork>},
    {"Mute1", "Mute", "State_mp", "F7", R::Selection, true, &state<TaskState::Mute>},
    {"Terminate1", "Terminate", "State_mp", "F8", R::Selection, true, &state<TaskState::Done>},
    {"Undone1", "Undone", "State_mp", "Ctrl+F8", R::Selection, true, &state<TaskState::Undone>},
    {"Delegated1", "Delegated", "State_mp", "Alt+5", R::Selection, true, &state<TaskState::Delegated>},
    {"Delayed1", "Delayed", "State_mp", "", R::Selection, true, &state<TaskState::Delayed>},
    {"RotateState1", "Rotate State", "State_mp", "Ctrl+Num++", R::Current, true, RUN(t.commands.rotateStateCommand()),
     nullptr, nullptr, true},
    // Tasks > Text
    {"Capitalize1", "Capitalize", "Text_mp", "", R::Current, true, RUN(t.commands.upperCaseTask())},
    {"LowerCase1", "Lower Case", "Text_mp", "", R::Current, true, RUN(t.commands.lowerCaseTask())},
    // Tasks > Delete
    {"DeleteDayTasks1", "Delete Day Tasks", "Delete1", "", R::Day, true, RUN(t.commands.deleteDayTasks())},
    {"DeleteDoneDayTasks1", "Delete Done Day Tasks...", "Delete1", "", R::Day, true,
     RUN(t.commands.deleteDoneDayTasks())},
    {"DeleteDoneBefore1", "Delete Done Before...", "Delete1", "", R::Day, true, RUN(t.commands.deleteDoneBefore())},
    {"DeleteDoneTasks1", "Delete Done Tasks", "Delete1", "", R::All, true, RUN(t.commands.deleteDoneTasks())},
    {"DeleteDayReminders1", "Delete Day Reminders", "Delete1", "", R::Day, true, RUN(t.commands.deleteDayReminders())},
    // Tasks > Expired Tasks
    {"ShiftMutedFrom1", "Shift Muted From...", "ExpiredTasks1", "", R::Day, true,
     RUN(t.maintenance.shiftCurrentDayToToday())},
    // File
    {"LoadTask1", "Load Task", "mFile", "Ctrl+L", R::New, true, RUN(t.files.loadTaskFileCommand())},
    {"StoreTask1", "Store Task", "mFile", "Ctrl+Alt+S", R::Selection, true, RUN(t.files.storeTaskFileCommand())},
    {"TaskReport1", "Tasks Report (Today)", "mFile", "Ctrl+P", R::None, true, RUN(t.commands.reportTasks())},
    // View
    {"DetailView1", "Detail View", "mView", "", R::List, true, RUN(t.list.useDetailView()), &detailChecked,
     "TaskViewPreset", true},
    {"EasyView1", "Easy View", "mView", "", R::List, true, RUN(t.list.useEasyView()), &easyChecked, "TaskViewPreset"},
    // View > Order by
    {"mDateTimeProject", "Date, Time", "mOrderBy", "", R::List, true, &order<1>, &orderChecked<1>, "TaskOrder"},
    {"DateProject1", "Date, Project", "mOrderBy", "", R::List, true, &order<2>, &orderChecked<2>, "TaskOrder"},
    {"ProjectDate1", "Project, Date", "mOrderBy", "", R::List, true, &order<3>, &orderChecked<3>, "TaskOrder"},
    {"mDateStateTime", "Date, State and Time", "mOrderBy", "", R::List, true, &order<4>, &orderChecked<4>, "TaskOrder"},
    {"DatePriorityAndTime1", "Date, Priority and Time", "mOrderBy", "", R::List, true, &order<5>, &orderChecked<5>,
     "TaskOrder"},
    {"DateDoer1", "Date And Doer", "mOrderBy", "", R::List, true, &order<6>, &orderChecked<6>, "TaskOrder"},
    {"TaskType1", "Date, TaskType", "mOrderBy", "", R::List, true, &order<7>, &orderChecked<7>, "TaskOrder"},
    // View > Filter: the hide items toggle without showing the Tasks page.
    {"HideDone1", "Hide Done", "mFilter", "", R::List, false, &toggle<F::HideDone>, &flagChecked<F::HideDone>},
    {"HideUndone1", "Hide Undone", "mFilter", "", R::List, false, &toggle<F::HideUndone>, &flagChecked<F::HideUndone>},
    {"HideMute1", "Hide Mute", "mFilter", "", R::List, false, &toggle<F::HideMute>, &flagChecked<F::HideMute>},
    {"HideNormalState1", "Hide Normal State", "mFilter", "", R::List, false, &toggle<F::HideNormalState>,
     &flagChecked<F::HideNormalState>},
    {"HideLow1", "Hide Low", "mFilter", "", R::List, false, &toggle<F::HideLow>, &flagChecked<F::HideLow>},
    {"HideNormal1", "Hide Normal", "mFilter", "", R::List, false, &toggle<F::HideNormal>, &flagChecked<F::HideNormal>},
    {"HideHigh1", "Hide High", "mFilter", "", R::List, false, &toggle<F::HideHigh>, &flagChecked<F::HideHigh>},
    {"HideExtra1", "Hide Extra", "mFilter", "", R::List, false, &toggle<F::HideExtra>, &flagChecked<F::HideExtra>},
    {"HideTabs1", "Hide Tabs", "mFilter", "", R::List, false, &toggle<F::HideTabs>, &flagChecked<F::HideTabs>},
    {"HideJokes1", "Hide Jokes", "mFilter", "", R::List, false, &toggle<F::HideJokes>, &flagChecked<F::HideJokes>},
    {"HideReminders1", "Hide Reminders", "mFilter", "", R::List, false, &toggle<F::HideReminders>,
     &flagChecked<F::HideReminders>},
    {"HideTips1", "Hide Tips", "mFilter", "", R::List, false, &toggle<F::HideTips>, &flagChecked<F::HideTips>},
    // View > Filter By Type
    {"FilterByReminder1", "Filter By Reminder", "FilterByType1", "", R::List, true, &filterBy<1>},
    {"FilterByProblems1", "Filter By Problems", "FilterByType1", "", R::List, true, &filterBy<12>},
    {"FilterByCall1", "Filter By Call", "FilterByType1", "", R::List, true, &filterBy<2>},
    {"FilterByBuy1", "Filter By Buy", "FilterByType1", "", R::List, true, &filterBy<3>},
    {"FilterByDoc1", "Filter By Doc", "FilterByType1", "", R::List, true, &filterBy<11>},
    {"FilterByPayment1", "Filter By Payment", "FilterByType1", "", R::List, true, &filterBy<34>},
    {"FilterByRepair1", "Filter By Repair", "FilterByType1", "", R::List, true, &filterBy<31>},
    {"FilterByEmail1", "Filter By Email", "FilterByType1", "", R::List, true, &filterBy<28>},
    {"FilterByCheck1", "Filter By Check", "FilterByType1", "", R::List, true, &filterBy<29>},
    {"FilterByCopyInfo1", "Filter By CopyInfo", "FilterByType1", "", R::List, true, &filterBy<35>},
    {"FilterByHealthCare1", "Filter By HealthCare", "FilterByType1", "", R::List, true, &filterBy<32>},
    {"FilterByTab1", "Filter By Tab", "FilterByType1", "", R::List, true, &filterBy<6>},
    {"FilterByIdea1", "Filter By Idea", "FilterByType1", "", R::List, true, &filterBy<8>},
};

#undef RUN

const CommandMenu menus[] = {
    {"Task1", "Tasks", ""},
    {"Edit_mp", "Edit", "Task1"},
    {"Date_mp", "Date", "Task1"},
    {"Time_mp", "Time", "Task1"},
    {"Priority_mp", "Priority", "Task1"},
    {"State_mp", "State", "Task1"},
    {"Text_mp", "Text", "Task1"},
    {"Delete1", "Delete", "Task1"},
    {"ExpiredTasks1", "Expired Tasks", "Task1"},
    {"mOrderBy", "Order by", "mView"},
    {"mFilter", "Filter", "mView"},
    {"FilterByType1", "Filter By Type", "mView"},
};

void newTask(Tasks& t, int type) { t.commands.newTaskOfType(type); }
void priorityDropDown(Tasks& t, int n) { t.commands.setPriority(priorityKey(n)); }
void stateDropDown(Tasks& t, int n) {
    // "None" is "Null State" without showing the Tasks page; the others are the state commands.
    const auto chosen = static_cast<TaskState>(n);
    if (chosen == TaskState::None)
        t.commands.setState(chosen);
    else
        t.commands.stateCommand(chosen);
}

const TaskDropDownItem newTaskItems[] = {
    {"Document", 11, &newTask},    {"Call", 2, &newTask},       {"Email", 28, &newTask},
    {"Problem", 12, &newTask},     {"Ride", 47, &newTask},      {"TalkTo", 20, &newTask},
    {"Meeting", 14, &newTask},     {"Pay", 34, &newTask},       {"Buy", 3, &newTask},
    {"Idea", 8, &newTask},         {"ToRemember", 9, &newTask}, {"Inform", 13, &newTask},
    {"Think About", 25, &newTask}, {"Repair", 31, &newTask},    {"Check", 29, &newTask},
    {"Copy", 35, &newTask},        {"Download", 21, &newTask},  {"Open", 10, &newTask},
    {"Search", 16, &newTask},      {"Install", 17, &newTask},   {"Program", 22, &newTask},
    {"Health Care", 32, &newTask}, {"Relax", 33, &newTask},     {"Log", 44, &newTask},
    {"Comment", 27, &newTask},
};

const TaskDropDownItem priorityItems[] = {
    {"None", 0, &priorityDropDown},    {"Highest", 1, &priorityDropDown}, {"High", 3, &priorityDropDown},
    {"Average", 4, &priorityDropDown}, {"Low", 5, &priorityDropDown},     {"Uncertain", 2, &priorityDropDown},
};

const TaskDropDownItem stateItems[] = {
    {"None", int(TaskState::None), &stateDropDown},           {"Prepare", int(TaskState::Prepare), &stateDropDown},
    {"At Work", int(TaskState::AtWork), &stateDropDown},      {"Mute", int(TaskState::Mute), &stateDropDown},
    {"Done", int(TaskState::Done), &stateDropDown},           {"Undone", int(TaskState::Undone), &stateDropDown},
    {"Delegated", int(TaskState::Delegated), &stateDropDown}, {"Delayed", int(TaskState::Delayed), &stateDropDown},
};

const TaskToolButton toolButtons[] = {
    {"NewTaskBtn", "Insert1", newTaskItems},
    {"PriorityBtn", "Hi1", priorityItems},
    {"StateBtn", "Terminate1", stateItems},
};

const char* const toolBarCommands[] = {"mCut", "mCopy", "mPaste", "mDelete"};

const TaskMenuLabel menuLabels[] = {
    {"HideByState1", "Hide By State", "mFilter", "HideDone1", true},
    {"HideByPriority1", "Hide By Priority", "mFilter", "HideLow1", true},
    {"HideByType1", "Hide By Type", "mFilter", "HideTabs1", true},
    {"Complex1", "Complex", "mOrderBy", nullptr, false},
    {"DeleteAllDayTasks1", "Delete All Day Tasks", "Delete1", nullptr, false},
    {"SetFinalDate1", "Set Final Date...", "Date_mp", nullptr, false},
};

}  // namespace

std::vector<std::string> TaskCommandInfo::shortcuts() const { return keyList(keys); }

std::span<const TaskCommandInfo> taskCommands() { return commands; }

const TaskCommandInfo* findTaskCommand(const std::string& name) {
    for (const TaskCommandInfo& command : commands)
        if (name == command.name) return &command;
    return nullptr;
}

std::span<const CommandMenu> taskMenus() { return menus; }

std::span<const TaskMenuLabel> taskMenuLabels() { return menuLabels; }

std::span<const TaskToolButton> taskToolButtons() { return toolButtons; }

std::span<const char* const> taskToolBarCommands() { return toolBarCommands; }

std::vector<TimeMenuHour> timeMenu() {
    std::vector<TimeMenuHour> hours;
    char text[8];
    for (int hour = 7; hour <= 22; ++hour) {
        std::snprintf(text, sizeof text, "%02d:00", hour);
        TimeMenuHour item{text, {}};
        for (int minute = 0; minute < 60; minute += 5) {
            std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
            item.times.emplace_back(text);
        }
        hours.push_back(std::move(item));
    }
    return hours;
}

}  // namespace torvalet
