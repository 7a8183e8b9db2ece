#include "tasks/TaskCommands.h"

#include <cctype>
#include <stdexcept>

#include "base/DateFormat.h"
#include "base/Errors.h"
#include "base/Text.h"
#include "model/ClockTime.h"
#include "model/Messages.h"
#include "model/Settings.h"
#include "model/SoundCues.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/Services.h"
#include "platform/UserInterface.h"
#include "tasks/TaskClipboard.h"
#include "tasks/TaskContext.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskMaintenance.h"
#include "tasks/TaskObserver.h"
#include "tasks/TaskRows.h"
#include "tasks/TaskStore.h"
#include "trees/GoalCommands.h"

namespace torvalet {

namespace {

const char* const deleteDayStatements[] = {
    "delete from tasks where date <= :d1 and date >= :d2",
    "delete from tasks where date <= :d1 and date >= :d2 and ( statekey='         1' or statekey='         3' or "
    "typekey='         6' )",
    "delete from tasks where date <= :d1 and date >= :d2 and typekey='         1'",
};

const char* const deleteDoneTasksStatement =
    "delete from tasks where date <= :d1 and date >= :d2 and ( statekey='         1' or statekey='         3' )";

const LookupKey priorityCycle[] = {"", keys::Highest, keys::High, keys::Average, keys::Low, keys::Uncertain};
const LookupKey stateCycle[] = {"", keys::Prepare, keys::AtWork, keys::Mute, keys::Done, keys::Undone};

const char* cueOf(TaskState state) {
    switch (state) {
    case TaskState::Done: return cues::Done;
    case TaskState::Mute: return cues::Mute;
    case TaskState::Undone: return cues::Undone;
    case TaskState::AtWork: return cues::AtWork;
    case TaskState::Prepare: return cues::Prepare;
    case TaskState::Delegated: return cues::Delegated;
    case TaskState::None:
    case TaskState::Delayed: break;
    }
    return "";
}

TaskStateCommand goalCommandOf(TaskState state) {
    switch (state) {
    case TaskState::Done: return TaskStateCommand::Terminate;
    case TaskState::Mute: return TaskStateCommand::Mute;
    case TaskState::Undone: return TaskStateCommand::Undone;
    case TaskState::AtWork: return TaskStateCommand::AtWork;
    case TaskState::Delayed: return TaskStateCommand::Delayed;
    case TaskState::Prepare: return TaskStateCommand::Prepare;
    case TaskState::Delegated: return TaskStateCommand::Delegated;
    case TaskState::None: break;
    }
    return TaskStateCommand::NullState;
}

// The hour of a time text, as a conversion of its first two characters to a number.
int hourOf(const std::string& time) {
    const std::string digits = time.substr(0, 2);
    const std::string number = trimmed(digits);
    bool valid = !number.empty();
    for (std::size_t i = 0; i < number.size(); ++i) {
        const bool sign = i == 0 && (number[i] == '-' || number[i] == '+') && number.size() > 1;
        valid = valid && (sign || std::isdigit(static_cast<unsigned char>(number[i])));
    }
    if (!valid) throw ConversionError("'" + digits + "' is not a valid integer value");
    return std::stoi(number);
}

std::string withHour(int hour, const std::string& time) {
    std::string text = (hour < 10 ? "0" : "") + std::to_string(hour);
    return text + (time.size() > 2 ? time.substr(2, 3) : std::string());
}

}  // namespace

TaskCommands::TaskCommands(TaskContext& context, TaskClipboard& clipboard, GoalCommands& goals)
    : context_(context), clipboard_(clipboard), goals_(goals) {}

void TaskCommands::focusGrid() { context_.observer.focusTaskGrid(); }

void TaskCommands::resetCalendar() { context_.listState.calendar.selectToday(context_.services.clock.now().date); }

// --- New rows ---

void TaskCommands::insertRow() {
    Query& tasks = context_.store.listRows;
    const Date day = context_.listState.calendar.first();
    tasks.insert();
    tasks.setDate(TaskColumn::StartDate, day);
    context_.listState.pendingInsertTime.clear();
    context_.listState.selection.clear();
}

void TaskCommands::insertTask() {
    insertRow();
    context_.services.ui.showTaskProperties(true);
}

void TaskCommands::addTask(const TaskEntry& entry) {
    if (!entry.date.isNull()) context_.listState.calendar.select(entry.date, entry.date.addDays(1));
    insertRow();
    Query& tasks = context_.store.listRows;
    const auto key = [](int n) { return n ? makeLookupKey(n) : LookupKey(); };
    tasks.setText(TaskColumn::Task, entry.text);
    if (!entry.time.empty()) tasks.setText(TaskColumn::StartTime, entry.time);
    tasks.setText(TaskColumn::TypeKey, key(entry.type));
    tasks.setText(TaskColumn::StateKey, key(entry.state));
    tasks.setText(TaskColumn::PriorityKey, key(entry.prio));
    tasks.post();
}

void TaskCommands::insertTaskCommand() {
    context_.switchToTasks();
    insertTask();
}

void TaskCommands::newTaskOfType(int n) {
    Query& tasks = context_.store.listRows;
    const LookupKey key = n >= 1 && n <= 47 ? makeLookupKey(n) : LookupKey();
    if (tasks.isOpen()) context_.listState.selection.erase(tasks.bookmark());
    tasks.insert();
    tasks.setText(TaskColumn::TypeKey, key);
    tasks.post();
    tasks.edit();
    context_.services.ui.showTaskProperties(true);
}

void TaskCommands::saveTask() {
    Query& tasks = context_.store.listRows;
    if (tasks.isEditing()) tasks.post();
}

void TaskCommands::saveTaskCommand() {
    context_.switchToTasks();
    saveTask();
}

void TaskCommands::cloneTasks() {
    context_.switchToTasks();
    const Date first = context_.listState.calendar.first(), last = context_.listState.calendar.last();
    clipboard_.copyTasks();
    clipboard_.pasteTasks(first, last);
}

// --- Deleting ---

void TaskCommands::deleteTasks() {
    Query& tasks = context_.store.listRows;
    const QuerySuspension suspension(tasks);
    focusGrid();
    taskRows::deleteSelectionOrCurrent(tasks, context_.listState.selection, context_.cues);
    focusGrid();
}

void TaskCommands::deleteTasksCommand() {
    context_.switchToTasks();
    deleteTasks();
}

void TaskCommands::gridDeleteKey() {
    taskRows::deleteSelectionOrCurrent(context_.store.listRows, context_.listState.selection, context_.cues);
}

std::string TaskCommands::deleteDayQuestion(DayDelete which, int language, const std::string& day) {
    switch (which) {
    case DayDelete::DayTasks: return message(MessageId::DeleteDayTasksQuestion, Language(language), day);
    case DayDelete::DoneDayTasks: return message(MessageId::DeleteDoneDayTasksQuestion, Language(language), day);
    case DayDelete::DayReminders: return message(MessageId::DeleteDayRemindersQuestion, Language(language), day);
    }
    throw std::logic_error("deleteDayQuestion: unknown day delete");
}

std::string TaskCommands::deleteDoneBeforeQuestion(int language, const std::string& day) {
    return message(MessageId::DeleteDoneBeforeQuestion, Language(language), day);
}

std::string TaskCommands::deleteDoneTasksQuestion(int language) {
    return std::string(message(MessageId::DeleteDoneTasksQuestion, Language(language)));
}

void TaskCommands::deleteDay(DayDelete which) {
    context_.switchToTasks();
    const int language = context_.settings.language;
    runOnDay(
        deleteDayStatements[static_cast<int>(which)],
        [which, language](const std::string& day) { return deleteDayQuestion(which, language, day); }, 0, 0);
}

void TaskCommands::deleteDoneBefore() {
    context_.switchToTasks();
    const int language = context_.settings.language;
    runOnDay(
        TaskMaintenance::deleteClosedStatement,
        [language](const std::string& day) { return deleteDoneBeforeQuestion(language, day); }, 1, 101);
}

// The day deletes: the current row's day d is shown in the calendar while the question is asked;
// on Yes the statement runs from d - toDaysBefore to d - fromDaysBefore.
void TaskCommands::runOnDay(const char* statement, const std::function<std::string(const std::string&)>& question,
                            int fromDaysBefore, int toDaysBefore) {
    Query& tasks = context_.store.listRows;
    if (!tasks.isOpen() || tasks.isEmpty()) return;
    if (tasks.isEditing()) tasks.post();
    const Date day = tasks.date(TaskColumn::StartDate);
    if (day.isNull()) return;
    MonthCalendarSelection& calendar = context_.listState.calendar;
    const Date first = calendar.first(), last = calendar.last();
    tasks.suspend();
    struct Restore {
        Query& tasks;
        MonthCalendarSelection& calendar;
        Date first, last;
        ~Restore() {
            calendar.select(first, last);
            tasks.resume();
        }
    } restore{tasks, calendar, first, last};
    calendar.select(day, day);
    const std::string shown = formatShortDate(day, context_.services.locale.shortDateFormat());
    if (!context_.services.ui.askYesNo(question(shown))) return;
    taskRows::runStatement(context_.store.scratch, statement,
                           {{":d1", day.addDays(-fromDaysBefore)}, {":d2", day.addDays(-toDaysBefore)}});
    tasks.refresh();
}

void TaskCommands::deleteDoneTasks() {
    context_.switchToTasks();
    if (!context_.services.ui.askYesNo(deleteDoneTasksQuestion(context_.settings.language))) return;
    taskRows::runStatement(context_.store.scratch, deleteDoneTasksStatement,
                           {{":d1", Date::fromIso(doneTasksLastDay)}, {":d2", Date::fromIso(doneTasksFirstDay)}});
    Query& tasks = context_.store.listRows;
    if (tasks.isOpen()) tasks.refresh();
}

// --- Dates ---

void TaskCommands::setDates(Date start, Date final) {
    Query& tasks = context_.store.listRows;
    taskRows::forSelectionOrCurrent(tasks, context_.listState.selection, [&] {
        tasks.edit();
        tasks.setDate(TaskColumn::StartDate, start);
        tasks.setDate(TaskColumn::FinalDate, final);
        tasks.post();
    });
    resetCalendar();
}

void TaskCommands::shiftDates(int startDays, int finalDays) {
    Query& tasks = context_.store.listRows;
    taskRows::forSelectionOrCurrent(tasks, context_.listState.selection, [&] {
        const Date start = tasks.date(TaskColumn::StartDate), final = tasks.date(TaskColumn::FinalDate);
        tasks.edit();
        tasks.setDate(TaskColumn::StartDate, start.isNull() ? start : start.addDays(startDays));
        tasks.setDate(TaskColumn::FinalDate, final.isNull() ? final : final.addDays(finalDays));
        tasks.post();
    });
    resetCalendar();
}

void TaskCommands::setDatesFromCalendar() {
    context_.switchToTasks();
    setDates(context_.listState.calendar.first(), context_.listState.calendar.last());
}

void TaskCommands::shiftDatesBack() {
    context_.switchToTasks();
    shiftDates(-1, -1);
}

void TaskCommands::shiftDatesForward() {
    context_.switchToTasks();
    shiftDates(1, 1);
}

void TaskCommands::shiftToToday() {
    context_.switchToTasks();
    const Date today = context_.services.clock.now().date;
    setDates(today, today.addDays(1));
}

void TaskCommands::shiftToTomorrow() {
    context_.switchToTasks();
    const Date today = context_.services.clock.now().date;
    setDates(today.addDays(1), today.addDays(2));
}

// --- Times ---

void TaskCommands::chooseTime() {
    context_.switchToTasks();
    timeTarget_ = TimeTarget::Start;
    context_.observer.showTimeMenu();
    saveTask();
}

void TaskCommands::chooseFinalTime() {
    context_.switchToTasks();
    timeTarget_ = TimeTarget::Final;
    context_.observer.showTimeMenu();
    saveTask();
}

void TaskCommands::pickTime(const std::string& time) {
    Query& tasks = context_.store.listRows;
    const TaskColumn column = timeTarget_ == TimeTarget::Start ? TaskColumn::StartTime : TaskColumn::FinalTime;
    const QuerySuspension suspension(tasks);
    saveTask();
    focusGrid();
    taskRows::forSelectionAndCurrent(tasks, context_.listState.selection, [&] {
        tasks.edit();
        tasks.setText(column, time);
        tasks.post();
    });
}

std::string TaskCommands::hourBack(const std::string& time) {
    const int hour = hourOf(time) - 1;
    return withHour(hour < 0 ? 23 : hour, time);
}

std::string TaskCommands::hourForward(const std::string& time) {
    const int hour = hourOf(time) + 1;
    return withHour(hour > 23 ? 0 : hour, time);
}

void TaskCommands::shiftHours(bool forward) {
    context_.switchToTasks();
    Query& tasks = context_.store.listRows;
    const auto shift = forward ? &TaskCommands::hourForward : &TaskCommands::hourBack;
    struct Clear {
        Bookmarks& selection;
        ~Clear() { selection.clear(); }
    } clear{context_.listState.selection};
    taskRows::forSelectionAndCurrent(tasks, context_.listState.selection, [&] {
        // Both times are converted before the row changes: a row whose time is no time stays as it was.
        const std::string start = shift(tasks.text(TaskColumn::StartTime));
        const std::string final = shift(tasks.text(TaskColumn::FinalTime));
        tasks.edit();
        tasks.setText(TaskColumn::StartTime, start);
        tasks.setText(TaskColumn::FinalTime, final);
        tasks.post();
    });
}

void TaskCommands::shiftHourBack() { shiftHours(false); }

void TaskCommands::shiftHourForward() { shiftHours(true); }

void TaskCommands::shiftToNow() {
    context_.switchToTasks();
    Query& tasks = context_.store.listRows;
    const std::string now = getTime(context_.services.clock, context_.services.locale);
    const Date today = context_.services.clock.now().date;
    taskRows::forSelectionAndCurrent(tasks, context_.listState.selection, [&] {
        tasks.edit();
        tasks.setText(TaskColumn::StartTime, now);
        tasks.setDate(TaskColumn::StartDate, today);
        tasks.post();
    });
}

// --- Priority and state ---

void TaskCommands::setPriority(const LookupKey& key) {
    Query& tasks = context_.store.listRows;
    taskRows::forSelectionOrCurrent(tasks, context_.listState.selection, [&] {
        tasks.edit();
        tasks.setText(TaskColumn::PriorityKey, key);
        tasks.post();
    });
    focusGrid();
}

void TaskCommands::priorityCommand(const LookupKey& key) {
    context_.switchToTasks();
    setPriority(key);
}

void TaskCommands::setState(TaskState state) {
    if (context_.observer.goalTreeHasFocus()) {
        goals_.setGoalsStateByCommand(goalCommandOf(state));
        return;
    }
    Query& tasks = context_.store.listRows;
    const int number = static_cast<int>(state);
    const LookupKey key = number ? makeLookupKey(number) : LookupKey();
    const char* cue = cueOf(state);
    taskRows::forSelectionOrCurrent(tasks, context_.listState.selection, [&] {
        context_.cues.playSoundCue(cue);
        tasks.edit();
        tasks.setText(TaskColumn::StateKey, key);
        if (state == TaskState::Done || state == TaskState::Undone) tasks.setNumber(TaskColumn::Percent, 100);
        if (state == TaskState::None) tasks.setNumber(TaskColumn::Percent, 0);
        tasks.post();
    });
}

void TaskCommands::stateCommand(TaskState state) {
    context_.switchToTasks();
    setState(state);
}

void TaskCommands::rotate(TaskColumn column, const LookupKey* cycle, int length) {
    Query& tasks = context_.store.listRows;
    if (!tasks.isOpen() || tasks.isEmpty()) return;
    saveTask();
    tasks.edit();
    const std::string current = tasks.text(column);
    for (int i = 0; i < length; ++i) {
        const bool same = i == 0 ? isEmptyKey(current) : current == cycle[i];
        if (same) {
            tasks.setText(column, cycle[(i + 1) % length]);
            break;
        }
    }
    tasks.post();
    tasks.refresh();
}

void TaskCommands::rotatePriority() { rotate(TaskColumn::PriorityKey, priorityCycle, 6); }

void TaskCommands::rotatePriorityCommand() {
    context_.switchToTasks();
    rotatePriority();
}

void TaskCommands::rotateState() { rotate(TaskColumn::StateKey, stateCycle, 6); }

void TaskCommands::rotateStateCommand() {
    context_.switchToTasks();
    rotateState();
}

// --- Text ---

void TaskCommands::setTaskText(bool upper) {
    context_.switchToTasks();
    Query& tasks = context_.store.listRows;
    if (!tasks.isOpen() || tasks.isEmpty()) return;
    tasks.edit();
    const std::string text = tasks.text(TaskColumn::Task);
    tasks.setText(TaskColumn::Task, upper ? utf8Upper(text) : utf8Lower(text));
    tasks.post();
}

void TaskCommands::upperCaseTask() { setTaskText(true); }

void TaskCommands::lowerCaseTask() { setTaskText(false); }

// --- Properties ---

void TaskCommands::modifyTask() {
    context_.switchToTasks();
    context_.services.ui.showTaskProperties(false);
}

void TaskCommands::reportTasks() { context_.switchToTasks(); }

}  // namespace torvalet
