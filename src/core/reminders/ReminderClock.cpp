#include "reminders/ReminderClock.h"

#include <algorithm>
#include "base/DateFormat.h"
#include "base/Text.h"
#include "model/ClockTime.h"
#include "model/Settings.h"
#include "model/SoundCues.h"
#include "model/ViewState.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/Services.h"
#include "platform/SleepWatch.h"
#include "platform/UserInterface.h"

#include "reminders/GroupedPosts.h"
#include "reminders/NoticeBoard.h"
#include "reminders/ReminderTexts.h"
#include "tasks/DayBook.h"
#include "tasks/LookupKey.h"
#include "tasks/Snoozes.h"
#include "tasks/TaskExecution.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskStore.h"

namespace torvalet {

namespace {

const std::string dueStatement =
    "select * from tasks where RemindFlag = '+' and ((date = :d1 and time = :d2) or (date2 = :d3 and time2 = :d4)) "
    "and statekey<>'         1'";

// The armed reminders due after one minute and before another: those whose start or final
// minute, each a day and an "HH:MM" time, lies between. Times that are no "HH:MM" never ring.
const std::string catchUpStatement =
    "select * from tasks where RemindFlag = '+' and statekey<>'         1' and ("
    "((date, time) > (:fd, :ft) and (date, time) < (:td, :tt) and time glob '[0-2][0-9]:[0-5][0-9]') or "
    "((date2, time2) > (:fd, :ft) and (date2, time2) < (:td, :tt) and time2 glob '[0-2][0-9]:[0-5][0-9]'))";

long long minutesOf(const DateTime& moment) {
    return static_cast<long long>(moment.date.daysSince(Date::fromYmd(1970, 1, 1))) * 24 * 60 + moment.hour * 60 +
           moment.minute;
}

DateTime minuteOf(const DateTime& moment) { return {moment.date, moment.hour, moment.minute, 0}; }

// The moment of a day and an "HH:MM" time.
DateTime momentOf(Date day, const std::string& time) {
    return {day, (time[0] - '0') * 10 + (time[1] - '0'), (time[3] - '0') * 10 + (time[4] - '0'), 0};
}

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

ReminderClock::~ReminderClock() {
    if (sleepWatch_) sleepWatch_->setHandler(nullptr);
}

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
    lastCatchUp_ = {};
    checkTime(moment);
    catchUp(moment);
    checkDueTasks(moment);
    checkSnoozes(moment);
    keepTick(minuteOf(moment));
    if (wasEditing && tasks.isOpen() && !tasks.isEmpty()) tasks.edit();
}

void ReminderClock::catchUpSince(const DateTime& minute) {
    lastTick_ = minuteOf(minute);
    tickKnown_ = true;
}

void ReminderClock::checkTime() { checkTime(services_.clock.now()); }

void ReminderClock::checkDueTasks() { checkDueTasks(services_.clock.now()); }

void ReminderClock::checkTime(const DateTime& moment) {
    const std::string now = timeText(moment, services_.locale.timeSeparator());
    if (moment.date != lastDay_) {
        lastDay_ = moment.date;
        duties_.startOfDay();
    }
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
        notices_.lastNoticeHeader = noticeHeader(moment, starts);
        notices_.lastNoticeText = due.text(TaskColumn::Task);
        notices_.showReminder(notices_.lastNoticeHeader, notices_.lastNoticeText, due.bookmark(), true,
                              settings_.language);
        cues_.playSoundCue(cues::Ringing);
    }
    markFired(due, true);
}

// A reminder that the clock did not see at its minute, and when that was.
struct ReminderClock::Missed {
    int row = 0;
    DateTime at;
    long long lateMinutes = 0;
    bool mark = false;  // a day or time mark: never shown
};

void ReminderClock::startedAt(const DateTime& moment) { startMinute_ = minuteOf(moment); }

void ReminderClock::catchUp(const DateTime& moment) {
    Database* db = store_.database();
    if (!db) return;
    if (!tickKnown_) {
        // The first tick of a run looks at the time the program was closed, up to the minute it
        // started, and then at the time since that minute, as every tick at the time since the
        // last one.
        tickKnown_ = true;
        const std::optional<DateTime> stored = DayBook(*db).lastTick();
        if (stored && startMinute_ && minutesOf(*startMinute_) > minutesOf(*stored))
            catchUp(*stored, *startMinute_, moment);
        lastTick_ = startMinute_ ? startMinute_ : stored;
    }
    if (lastTick_) catchUp(*lastTick_, minuteOf(moment), moment);
}

void ReminderClock::catchUp(const DateTime& from, const DateTime& now, const DateTime& moment) {
    if (minutesOf(now) - minutesOf(from) < 2) return;
    Query& due = store_.scratch;
    Database* db = due.database();
    const auto bind = [&](auto&& setText, auto&& setDate) {
        setDate(":fd", from.date);
        setText(":ft", timeText(from));
        setDate(":td", now.date);
        setText(":tt", timeText(now));
    };
    // Almost every gap holds nothing: the statement is first run bare, prepared once per
    // connection.
    if (!gapCheck_ || gapCheckDb_ != db->handle()) {
        gapCheck_.reset();
        gapCheck_ = std::make_unique<SqlStatement>(db->prepare(catchUpStatement));
        gapCheckDb_ = db->handle();
    }
    {
        SqlStatement& any = *gapCheck_;
        any.reset();
        bind([&](const char* name, const std::string& text) { any.bind(name, text); },
             [&](const char* name, Date day) { any.bind(name, day.toIso()); });
        const bool found = any.step();
        any.reset();
        if (!found) return;
    }
    due.close();
    if (due.sql() != catchUpStatement) due.setSql(catchUpStatement);
    due.clearParams();
    bind([&](const char* name, const std::string& text) { due.setParam(name, text); },
         [&](const char* name, Date day) { due.setDateParam(name, day); });
    due.open();
    std::vector<Missed> found;
    const long long nowMinutes = minutesOf(now);
    for (int row = 0; row < due.rowCount(); ++row) {
        due.moveTo(row);
        // The latest of its minutes in the gap is the one it is late for.
        std::optional<DateTime> at;
        for (const auto& [day, time] : {std::pair{TaskColumn::StartDate, TaskColumn::StartTime},
                                        std::pair{TaskColumn::FinalDate, TaskColumn::FinalTime}}) {
            const std::string text = due.text(time);
            if (text.size() != 5 || due.date(day).isNull()) continue;
            const DateTime candidate = momentOf(due.date(day), text);
            const long long minutes = minutesOf(candidate);
            if (minutes <= minutesOf(from) || minutes >= nowMinutes) continue;
            if (!at || minutes > minutesOf(*at)) at = candidate;
        }
        if (!at) continue;
        const std::string type = due.text(TaskColumn::TypeKey);
        found.push_back({row, *at, minutesOf(minuteOf(moment)) - minutesOf(*at),
                         type == keys::TimeMarkType || type == keys::DayMarkType});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Missed& a, const Missed& b) { return minutesOf(a.at) < minutesOf(b.at); });
    std::vector<Missed> late, missed;
    Query& tasks = store_.listRows;
    if (tasks.isEditing()) tasks.post();
    GroupedPosts posts(store_);
    for (const Missed& reminder : found) {
        if (reminder.mark) {
            due.moveTo(reminder.row);
            markFired(due, settings_.executeLate);
        } else {
            (reminder.lateMinutes <= settings_.maxLateMinutes ? late : missed).push_back(reminder);
        }
    }
    const auto fired = [this, &due](const std::vector<Missed>& reminders, bool execute) {
        return [this, &due, list = &reminders, execute](std::size_t i) {
            due.moveTo((*list)[i].row);
            markFired(due, execute);
        };
    };
    std::vector<LateRing> lateRings, missedRings;
    for (const Missed& reminder : late) lateRings.push_back(lateRing(due, reminder));
    for (const Missed& reminder : missed) missedRings.push_back(lateRing(due, reminder));
    ringLate(lateRings, moment, kCatchUpBalloons - (missed.empty() ? 0 : 1), fired(late, settings_.executeLate));
    listMissed(missedRings, moment, fired(missed, false));
    posts.commit();
    due.close();
    if (tasks.isOpen()) tasks.refresh();
}

ReminderClock::LateRing ReminderClock::lateRing(Query& due, const Missed& reminder) const {
    due.moveTo(reminder.row);
    return {reminder.at,
            due.date(TaskColumn::StartDate) == reminder.at.date,
            due.text(TaskColumn::Task),
            due.bookmark(),
            reminder.lateMinutes,
            {}};
}

// Late reminders ring as at their minute, each saying how late; one sound for them all, and a
// balloon each up to the limit, the last one summing up the rest. `rang` is told of each.
void ReminderClock::ringLate(const std::vector<LateRing>& late, const DateTime& moment, int balloons,
                             const std::function<void(std::size_t)>& rang) {
    const int count = static_cast<int>(late.size());
    for (int i = 0; i < count; ++i) {
        const LateRing& reminder = late[static_cast<std::size_t>(i)];
        std::string header = noticeHeader(reminder.at, reminder.starts) + reminder.mark;
        if (reminder.lateMinutes > 0)
            header += reminderTexts::late(settings_.language, static_cast<int>(reminder.lateMinutes));
        const bool ownBalloon = count <= balloons || i < balloons - 1;
        notices_.lastNoticeHeader = header;
        notices_.lastNoticeText = reminder.text;
        notices_.showReminder(header, reminder.text, reminder.taskRow, ownBalloon, settings_.language);
        if (reminder.lateMinutes > 0) lastCatchUp_.rang.push_back(header + " " + reminder.text);
        rang(static_cast<std::size_t>(i));
    }
    if (count > balloons) {
        notices_.lastNoticeHeader = stamp(moment);
        notices_.lastNoticeText = reminderTexts::moreLate(settings_.language, count - (balloons - 1));
        notices_.showLastNotice();
    }
    if (count) cues_.playSoundCue(cues::Ringing);
}

// Reminders too late to ring: one notice lists them, and they count as rung.
void ReminderClock::listMissed(const std::vector<LateRing>& missed, const DateTime& moment,
                               const std::function<void(std::size_t)>& listed) {
    if (missed.empty()) return;
    for (std::size_t i = 0; i < missed.size(); ++i) {
        const LateRing& reminder = missed[i];
        const std::string header = "  " + noticeHeader(reminder.at, reminder.starts) + reminder.mark;
        notices_.showNotice(header, reminder.text, false, true);
        lastCatchUp_.missed.push_back(header.substr(2) + " " + reminder.text);
        listed(i);
    }
    notices_.lastNoticeHeader = stamp(moment);
    notices_.lastNoticeText = reminderTexts::missed(settings_.language, static_cast<int>(missed.size()));
    notices_.showNotice(notices_.lastNoticeHeader, notices_.lastNoticeText, true, true);
}

void ReminderClock::markFired(Query& due, bool execute) {
    if (execute && !trimmed(due.text(TaskColumn::DoFlag)).empty()) {
        execution_.executeTaskRow(due);
        due.edit();
        due.setText(TaskColumn::DoFlag, "!");
        due.post();
    }
    due.edit();
    due.setText(TaskColumn::RemindFlag, "!");
    due.post();
}

void ReminderClock::snooze(Bookmark taskRow, int minutes) {
    Database* db = store_.database();
    if (!db || taskRow <= 0) return;
    const DateTime now = minuteOf(services_.clock.now());
    const long long at = minutesOf(now) + minutes;
    const DateTime due{Date::fromYmd(1970, 1, 1).addDays(static_cast<int>(at / (24 * 60))),
                       static_cast<int>(at % (24 * 60) / 60), static_cast<int>(at % 60), 0};
    if (!Snoozes(*db).snooze(taskRow, due)) return;
    if (snoozesDb_ == db->handle() && (!nextSnooze_ || minutesOf(due) < minutesOf(*nextSnooze_))) nextSnooze_ = due;
}

std::string ReminderClock::snoozeLabel(int minutes) const { return reminderTexts::snooze(settings_.language, minutes); }

void ReminderClock::snoozeChosen(Bookmark taskRow, int minutes) {
    try {
        snooze(taskRow, minutes);
    } catch (const std::exception& error) {
        services_.ui.showMessage(error.what());
    }
}

void ReminderClock::checkSnoozes(const DateTime& moment) {
    Database* db = store_.database();
    if (!db) return;
    Snoozes snoozes(*db);
    // The store is read once per connection; after that, only when the first snooze is due.
    if (snoozesDb_ != db->handle()) {
        nextSnooze_ = snoozes.next();
        snoozesDb_ = db->handle();
    }
    const DateTime now = minuteOf(moment);
    if (!nextSnooze_ || minutesOf(*nextSnooze_) > minutesOf(now)) return;
    const std::vector<Snoozes::Due> due = snoozes.dueBy(now);
    // A snooze rings once: it is gone from the store before its notice goes out. A store that
    // cannot be written keeps it, and this run skips it.
    if (!db->readOnly()) snoozes.removeDueBy(now);
    nextSnooze_ = snoozes.next(now);
    std::vector<LateRing> rings, missed;
    for (const Snoozes::Due& snoozed : due) {
        if (snoozed.done) continue;
        const long long late = minutesOf(now) - minutesOf(snoozed.at);
        LateRing ring{snoozed.at, snoozed.startDate == snoozed.at.date,      snoozed.task, snoozed.taskRow,
                      late,       reminderTexts::snoozed(settings_.language)};
        (late <= settings_.maxLateMinutes ? rings : missed).push_back(std::move(ring));
    }
    const auto nothing = [](std::size_t) {};
    ringLate(rings, moment, kCatchUpBalloons - (missed.empty() ? 0 : 1), nothing);
    listMissed(missed, moment, nothing);
}

// A tick now: what is due up to this minute rings before the sleep, and the store keeps this
// minute as the last tick, the one the first tick after the sleep catches up from.
void ReminderClock::goingToSleep() { tick(); }

void ReminderClock::wokeUp() { tick(); }

void ReminderClock::followSleep(SleepWatch& watch) {
    if (sleepWatch_) sleepWatch_->setHandler(nullptr);
    sleepWatch_ = &watch;
    watch.setHandler([this](bool sleeping) { sleeping ? goingToSleep() : wokeUp(); });
}

void ReminderClock::keepTick(const DateTime& minute) {
    if (!tickKnown_) return;
    lastTick_ = minute;
    if (keptTick_ == minute) return;
    Database* db = store_.database();
    if (!db || db->readOnly()) return;
    keptTick_ = minute;
    DayBook(*db).recordTick(minute);
}

std::string ReminderClock::stamp(const DateTime& at) const {
    return "[" + timeText(at, services_.locale.timeSeparator()) + " " + shortDate(at.date) + "]";
}

std::string ReminderClock::noticeHeader(const DateTime& at, bool starts) const {
    return stamp(at) + reminderTexts::phase(settings_.language, starts);
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
