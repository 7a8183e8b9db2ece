#pragma once

#include <functional>
#include <string>

#include "base/Date.h"
#include "tasks/LookupKey.h"
#include "tasks/TaskColumn.h"

namespace torvalet {

class GoalCommands;
class TaskClipboard;
struct TaskContext;

// The states a state command sets, in the order of their key numbers (None has the empty key).
enum class TaskState { None = 0, Done = 1, Mute = 2, Undone = 3, AtWork = 4, Delayed = 5, Prepare = 6, Delegated = 7 };

// What a task entered in one go holds (the companion's "add"): numbers 0 for no key, a null date
// for the calendar's day, an empty time for the present minute.
struct TaskEntry {
    std::string text;
    Date date;
    std::string time;
    int type = 0, state = 0, prio = 0;
};

// The commands that create, change and delete task rows: the Tasks menu, the task tool bar and the
// task grid's keys. The menu commands (the `...Command` ones) first show the Tasks page; the plain
// operations (setPriority, setState, ...) do not.
class TaskCommands {
public:
    // Which of the two times the time menu sets.
    enum class TimeTarget { Start, Final };
    // The day deletes of the "Delete" submenu that ask about one day.
    enum class DayDelete { DayTasks, DoneDayTasks, DayReminders };

    TaskCommands(TaskContext& context, TaskClipboard& clipboard, GoalCommands& goals);

    // --- New rows ---
    // "Insert": a row of the calendar's first day, stored at once, edited in the properties dialog.
    void insertTask();
    void insertTaskCommand();
    // "Insert" with the fields given at once and saved: the row the properties dialog would
    // have made. With a date, the calendar selects that day to the next first.
    void addTask(const TaskEntry& entry);
    // An item of the new-task drop-down: a row of type n (1..47; any other n gives no type).
    void newTaskOfType(int n);
    // "Save Task": posts a pending edit or insert.
    void saveTask();
    void saveTaskCommand();
    // "Clone" (F5 in the grid): copy, then paste at the calendar's days.
    void cloneTasks();

    // --- Deleting ---
    // "Delete Task" and the toolbar's delete button: the selected rows, else the current one,
    // without asking.
    void deleteTasks();
    void deleteTasksCommand();
    // Ctrl+Delete in the grid: as deleteTasks, without giving the grid the focus.
    void gridDeleteKey();
    // The day deletes, for the day of the current row, after a Yes.
    void deleteDay(DayDelete which);
    void deleteDayTasks() { deleteDay(DayDelete::DayTasks); }
    void deleteDoneDayTasks() { deleteDay(DayDelete::DoneDayTasks); }
    void deleteDayReminders() { deleteDay(DayDelete::DayReminders); }
    // "Delete Done Before...": done, undone and time marks of the hundred days before the
    // current row's day.
    void deleteDoneBefore();
    // "Delete Done Tasks": done and undone rows within the list's date bounds, after a Yes.
    void deleteDoneTasks();

    // --- Dates ---
    void setDatesFromCalendar();
    void shiftDatesBack();
    void shiftDatesForward();
    // "Shift" (F6): today to tomorrow.
    void shiftToToday();
    void shiftToTomorrow();

    // --- Times ---
    // "Set Time" and "Set Final Time...": choose the time target and pop up the time menu.
    void chooseTime();
    void chooseFinalTime();
    // A time picked from the time menu ("09:35") into the time target of S+.
    void pickTime(const std::string& time);
    TimeTarget timeTarget() const { return timeTarget_; }
    void shiftHourBack();
    void shiftHourForward();
    void shiftToNow();

    // --- Priority and state ---
    // The priority of S; the menu commands show the Tasks page first, the drop-down does not.
    void setPriority(const LookupKey& key);
    void priorityCommand(const LookupKey& key);
    // The state of S with its cue and percent; while a goal tree has the focus, the selected
    // goals get the goal state of the same meaning instead.
    void setState(TaskState state);
    void stateCommand(TaskState state);
    void rotatePriority();
    void rotatePriorityCommand();
    void rotateState();
    void rotateStateCommand();

    // --- Text ---
    void upperCaseTask();
    void lowerCaseTask();

    // --- Properties ---
    // "Modify Task...", F2 and a double click: the properties dialog without modality.
    void modifyTask();
    // "Tasks Report (Today)": shows the Tasks page; nothing is printed.
    void reportTasks();

    // One hour earlier or later ("00:30" back gives "23:30"); throws ConversionError with
    // "'%s' is not a valid integer value" when the first two characters are no number.
    static std::string hourBack(const std::string& time);
    static std::string hourForward(const std::string& time);
    // The question a day delete asks, by language; `day` in the short date format.
    static std::string deleteDayQuestion(DayDelete which, int language, const std::string& day);
    static std::string deleteDoneBeforeQuestion(int language, const std::string& day);
    static std::string deleteDoneTasksQuestion(int language);

    // The date bounds of "Delete Done Tasks": every date the list holds.
    static constexpr const char* doneTasksFirstDay = "0001-01-01";
    static constexpr const char* doneTasksLastDay = "9999-12-31";

private:
    void shiftDates(int startDays, int finalDays);
    void setDates(Date start, Date final);
    void shiftHours(bool forward);
    void setTaskText(bool upper);
    void rotate(TaskColumn column, const LookupKey* cycle, int length);
    void runOnDay(const char* statement, const std::function<std::string(const std::string&)>& question,
                  int fromDaysBefore, int toDaysBefore);
    void resetCalendar();
    // The insert of "Insert" without the dialog: the row stored and being edited.
    void insertRow();
    void focusGrid();

    TaskContext& context_;
    TaskClipboard& clipboard_;
    GoalCommands& goals_;
    TimeTarget timeTarget_ = TimeTarget::Start;
};

}  // namespace torvalet
