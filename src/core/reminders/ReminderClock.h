#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"
#include "tasks/Bookmark.h"

namespace torvalet {

class Database;
class SqlStatement;
class NoticeBoard;
class Query;
class SleepWatch;
class SoundCues;
class TaskExecution;
class TaskStore;
struct Services;
struct Settings;
struct TaskListState;
struct ViewState;

// The clock that watches the wall clock while the program runs: the turn of the day, the full
// hours of the working day, and the tasks whose start or final minute has come. It keeps the
// minute of its last tick in the store, and each tick looks at the whole gap since then, so that
// a reminder whose minute passed while the computer slept, the program was closed or a message
// box held the clock still rings (late), or, when it is older than MaxLateMinutes, is listed.
// A reminder the user snoozed rings again by the same rules at its snooze's minute.
class ReminderClock {
public:
    // What the last catch-up found, as the companion prints it.
    struct CatchUp {
        std::vector<std::string> rang;    // notices of the reminders that rang late
        std::vector<std::string> missed;  // lines of those too late to ring
    };

    // What the clock leaves to the organiser that runs it.
    class Duties {
    public:
        virtual ~Duties() = default;
        // The start-of-day sequence, when a tick sees a day other than the last tick's (at
        // midnight, or after the computer slept through it). The organiser runs it once per date
        // and ends it with today as the last launch date.
        virtual void startOfDay() = 0;
        // At every new minute: the next tip while "Autoplay Tips" is checked.
        virtual void minutePassed() = 0;

    protected:
        Duties() = default;
        Duties(const Duties&) = default;
        Duties& operator=(const Duties&) = default;
    };

    // A due task marked for execution is executed through `execution`, given the clock's own row.
    ReminderClock(const Services& services, TaskStore& store, TaskListState& listState, const Settings& settings,
                  const ViewState& view, SoundCues& cues, NoticeBoard& notices, TaskExecution& execution,
                  Duties& duties);
    ~ReminderClock();
    ReminderClock(const ReminderClock&) = delete;
    ReminderClock& operator=(const ReminderClock&) = delete;

    // What the window's timer calls every two seconds: runTick while the clock runs (from
    // the end of the first show until close begins). A tick that comes while another one is
    // still at work (its message box keeps the event loop going) is left out. An error ends the
    // tick and is shown; the same error on the ticks that follow is not shown again.
    void tick();

    // One tick: the turn of the day and the minute, the gap since the last tick, then the due
    // tasks. A task row being edited in the task list is posted when a reminder fires and is open
    // for editing again after.
    void runTick();
    // The program started at `moment`: the first tick catches up from the last tick of the
    // previous run up to (not including) that minute.
    void startedAt(const DateTime& moment);
    // The next tick catches up from `minute` (not included) instead of the last tick it knows.
    void catchUpSince(const DateTime& minute);
    const CatchUp& lastCatchUp() const { return lastCatchUp_; }
    // The most balloons one catch-up shows; the rest are summed up in the last one.
    static constexpr int kCatchUpBalloons = 10;
    void checkTime();
    // Notices, a cue and execution for every armed task due this minute; each is marked fired.
    void checkDueTasks();
    // The same at a moment read once for the whole tick.
    void checkTime(const DateTime& moment);
    void checkDueTasks(const DateTime& moment);
    // The current minute as "HH:MM".
    std::string getTime() const;

    // Puts off the reminder of the task at `taskRow` by `minutes` from the current minute: it rings
    // again then (or late, at the first tick after), also after a restart. A second snooze of the
    // task replaces the first. Nothing happens for a task that is gone. Throws StoreError.
    void snooze(Bookmark taskRow, int minutes);
    // The choice that snoozes by `minutes` (one of reminderTexts::snoozeMinutes), in the language
    // of the settings: "Snooze 15 min".
    std::string snoozeLabel(int minutes) const;
    // The same for a snooze chosen on a notification, outside any command: an error is shown.
    void snoozeChosen(Bookmark taskRow, int minutes);
    // The snoozed reminders whose minute has come ring again, on time or late as any reminder.
    void checkSnoozes(const DateTime& moment);
    // The computer is about to sleep: the clock ticks, so that the store keeps the current minute
    // as the last tick, the one the first tick after the sleep (in this run or the next) catches
    // up from.
    void goingToSleep();
    // The computer woke up: the clock ticks at once.
    void wokeUp();
    // From now on (until this clock goes) `watch` tells the clock of each sleep and resume.
    void followSleep(SleepWatch& watch);

    // Inserts a reminder task of `day` through the task list. The task gets `time` as its start
    // and final time (the current minute for its final time when `time` is empty) and an armed
    // reminder when `remind` is true.
    void addReminderTask(const std::string& text, const std::string& time, bool remind, Date day);

private:
    struct Missed;
    // A reminder that rings after its minute or is listed as missed.
    struct LateRing {
        DateTime at;
        bool starts = true;
        std::string text;
        Bookmark taskRow = 0;
        long long lateMinutes = 0;
        std::string mark;  // what the header says before the lateness: " (snoozed)"
    };

    // The armed reminders due after the last tick's minute and before `moment`'s.
    void catchUp(const DateTime& moment);
    // Those due after the minute `from` and before the minute `to`, seen at `moment`.
    void catchUp(const DateTime& from, const DateTime& to, const DateTime& moment);
    void ringLate(const std::vector<LateRing>& late, const DateTime& moment, int balloons,
                  const std::function<void(std::size_t)>& rang);
    void listMissed(const std::vector<LateRing>& missed, const DateTime& moment,
                    const std::function<void(std::size_t)>& listed);
    LateRing lateRing(Query& due, const Missed& reminder) const;
    // The reminder is done with: executed when `execute`, and marked fired.
    void markFired(Query& due, bool execute);
    // Records the tick's minute in the store, once per minute.
    void keepTick(const DateTime& minute);
    // "[HH:MM date]" of a moment.
    std::string stamp(const DateTime& at) const;
    std::string noticeHeader(const DateTime& at, bool starts) const;
    void announceHour(const std::string& now, Date today);
    // Whether the due statement finds a row for the day ("YYYY-MM-DD") and minute.
    static bool anyDue(Database& db, const std::string& day, const std::string& minute);
    void fire(Query& due, const DateTime& moment);
    std::string shortDate(Date day) const;

    const Services& services_;
    TaskStore& store_;
    TaskListState& listState_;
    const Settings& settings_;
    const ViewState& view_;
    SoundCues& cues_;
    NoticeBoard& notices_;
    TaskExecution& execution_;
    Duties& duties_;
    std::string lastClockText_;
    Date lastDay_;
    // The minute of the last tick; read from the store at the first tick of a run.
    std::optional<DateTime> lastTick_;
    bool tickKnown_ = false;
    std::optional<DateTime> startMinute_;
    std::optional<DateTime> keptTick_;
    CatchUp lastCatchUp_;
    // The gap's statement, prepared once for the connection it was prepared on (a connection
    // stays while a statement of it does, so its handle names it).
    std::unique_ptr<SqlStatement> gapCheck_;
    const void* gapCheckDb_ = nullptr;
    // The first minute a snooze rings, for the connection it was read from.
    std::optional<DateTime> nextSnooze_;
    const void* snoozesDb_ = nullptr;
    SleepWatch* sleepWatch_ = nullptr;
    bool ticking_ = false;
    std::string lastError_;
};

}  // namespace torvalet
