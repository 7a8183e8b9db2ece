#pragma once

#include <string>

#include "base/Date.h"

namespace torvalet {

class Database;
class NoticeBoard;
class Query;
class SoundCues;
class TaskExecution;
class TaskStore;
struct Services;
struct Settings;
struct TaskListState;
struct ViewState;

// The clock that watches the wall clock while the program runs: the turn of the day, the full
// hours of the working day, and the tasks whose start or final minute has come.
class ReminderClock {
public:
    // What the clock leaves to the organiser that runs it.
    class Duties {
    public:
        virtual ~Duties() = default;
        // The start-of-day sequence, when the clock sees "00:00" of a day that has not had it;
        // it ends with today as the last launch date.
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

    // What the window's timer calls every two seconds: runTick while the clock runs (from
    // the end of the first show until close begins). A tick that comes while another one is
    // still at work (its message box keeps the event loop going) is left out. An error ends the
    // tick and is shown; the same error on the ticks that follow is not shown again.
    void tick();

    // One tick: the turn of the day and the minute, then the due tasks. A task row being
    // edited in the task list is posted when a reminder fires and is open for editing again after.
    void runTick();
    void checkTime();
    // Notices, a cue and execution for every armed task due this minute; each is marked fired.
    void checkDueTasks();
    // The same at a moment read once for the whole tick.
    void checkTime(const DateTime& moment);
    void checkDueTasks(const DateTime& moment);
    // The current minute as "HH:MM".
    std::string getTime() const;

    // Inserts a reminder task of `day` through the task list. The task gets `time` as its start
    // and final time (the current minute for its final time when `time` is empty) and an armed
    // reminder when `remind` is true.
    void addReminderTask(const std::string& text, const std::string& time, bool remind, Date day);

private:
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
    bool ticking_ = false;
    std::string lastError_;
};

}  // namespace torvalet
