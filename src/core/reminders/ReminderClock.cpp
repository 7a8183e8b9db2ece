#include "reminders/ReminderClock.h"

#include "base/DateFormat.h"
#include "base/Text.h"
#include "model/ClockTime.h"
#include "model/Settings.h"
#include "model/SoundCues.h"
#include "model/ViewState.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/Services.h"
#include "platform/UserInterface.h"
#include "reminders/NoticeBoard.h"
#include "reminders/ReminderTexts.h"
#include "tasks/LookupKey.h"
#include "tasks/TaskExecution.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskStore.h"

namespace torvalet {

namespace {

const std::string dueStatement =
    "select * from tasks where RemindFlag = '+' and ((date = :d1 and time = :d2) or (date2 = :d3 and time2 = :d4)) "
    "and statekey<>'         1'";

// Sets a flag back while it goes out of scope, also through an exception.
class Busy {
public:
    explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
    ~Busy() { flag_ = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& flag_;
};

}  // namespace

ReminderClock::ReminderClock(const Services& services, TaskStore& store, TaskListState& listState,
                             const Settings& settings, const ViewState& view, SoundCues& cues, NoticeBoard& notices,
                             TaskExecution& execution, Duties& duties)
    : services_(services),
      store_(store),
      listState_(listState),
      settings_(settings),
      view_(view),
      cues_(cues),
      notices_(notices),
      execution_(execution),
      duties_(duties) {}

std::string ReminderClock::getTime() const { return torvalet::getTime(services_.clock, services_.locale); }

std::string ReminderClock::shortDate(Date day) const {
    return formatShortDate(day, services_.locale.shortDateFormat());
}

void ReminderClock::tick() {
    if (!view_.clockRunning || ticking_) return;
    const Busy busy(ticking_);
    try {
        runTick();
        lastError_.clear();
    } catch (const std::exception& error) {
        if (error.what() == lastError_) return;
        lastError_ = error.what();
        services_.ui.showMessage(lastError_);
    }
}

void ReminderClock::runTick() {
    Query& tasks = store_.listRows;
    const bool wasEditing = tasks.isEditing();
    const DateTime moment = services_.clock.now();
    checkTime(moment);
    checkDueTasks(moment);
    if (wasEditing && tasks.isOpen() && !tasks.isEmpty()) tasks.edit();
}

void ReminderClock::checkTime() { checkTime(services_.clock.now()); }

void ReminderClock::checkDueTasks() { checkDueTasks(services_.clock.now()); }

void ReminderClock::checkTime(const DateTime& moment) {
    const std::string now = timeText(moment, services_.locale.timeSeparator());
    const bool midnight = moment.hour == 0 && moment.minute == 0;
    if (midnight && moment.date != settings_.lastLaunchDate) duties_.startOfDay();
    if (now == lastClockText_) return;
    lastClockText_ = now;
    if (moment.minute == 0 && moment.hour > 8 && moment.hour < 19) announceHour(now, moment.date);
    duties_.minutePassed();
}

void ReminderClock::announceHour(const std::string& now, Date today) {
    notices_.lastNoticeHeader = now + " " + shortDate(today);
    notices_.lastNoticeText = reminderTexts::hourPassed(settings_.language);
    notices_.showNotice(notices_.lastNoticeHeader, notices_.lastNoticeText, true, false);
    cues_.playSoundCue(cues::BigBen);
}

void ReminderClock::checkDueTasks(const DateTime& moment) {
    Query& due = store_.scratch;
    // Without a store there is nothing to look for; start-up has said why.
    if (!due.database()) return;
    const Date today = moment.date;
    const std::string now = timeText(moment, services_.locale.timeSeparator());
    due.close();
    // Almost every tick finds nothing: the statement is first run bare, and the result set is
    // opened only for a minute that has due rows.
    if (!anyDue(*due.database(), today.toIso(), now)) return;
    if (due.sql() != dueStatement) due.setSql(dueStatement);
    due.clearParams();
    due.setDateParam(":d1", today);
    due.setParam(":d2", now);
    due.setDateParam(":d3", today);
    due.setParam(":d4", now);
    due.open();
    if (due.isEmpty()) {
        due.close();
        return;
    }
    Query& tasks = store_.listRows;
    if (tasks.isEditing()) tasks.post();
    const int count = due.rowCount();
    due.first();
    for (int i = 0; i < count; ++i) {
        fire(due, moment);
        due.next();
    }
    due.close();
    // The task list shows the fired flags, and a row edited there later cannot write back
    // the flags it read before.
    if (tasks.isOpen()) tasks.refresh();
}

bool ReminderClock::anyDue(Database& db, const std::string& day, const std::string& minute) {
    SqlStatement statement = db.prepare(dueStatement);
    statement.bind(":d1", day);
    statement.bind(":d2", minute);
    statement.bind(":d3", day);
    statement.bind(":d4", minute);
    return statement.step();
}

void ReminderClock::fire(Query& due, const DateTime& moment) {
    const std::string type = due.text(TaskColumn::TypeKey);
    if (type != keys::TimeMarkType && type != keys::DayMarkType) {
        const bool starts = due.date(TaskColumn::StartDate) == moment.date;
        notices_.lastNoticeHeader = "[" + timeText(moment, services_.locale.timeSeparator()) + " " +
                                    shortDate(moment.date) + "]" + reminderTexts::phase(settings_.language, starts);
        notices_.lastNoticeText = due.text(TaskColumn::Task);
        notices_.showNotice(notices_.lastNoticeHeader, notices_.lastNoticeText, true, true);
        cues_.playSoundCue(cues::Ringing);
    }
    if (!trimmed(due.text(TaskColumn::DoFlag)).empty()) {
        execution_.executeTaskRow(due);
        due.edit();
        due.setText(TaskColumn::DoFlag, "!");
        due.post();
    }
    due.edit();
    due.setText(TaskColumn::RemindFlag, "!");
    due.post();
}

void ReminderClock::addReminderTask(const std::string& text, const std::string& time, bool remind, Date day) {
    listState_.pendingInsertTime = time;
    Query& tasks = store_.listRows;
    tasks.insert();
    tasks.setText(TaskColumn::Task, text);
    tasks.setText(TaskColumn::TypeKey, keys::ReminderType);
    tasks.setDate(TaskColumn::StartDate, day);
    tasks.setText(TaskColumn::StartTime, time);
    tasks.setText(TaskColumn::RemindFlag, remind ? "+" : "");
    tasks.post();
}

}  // namespace torvalet
