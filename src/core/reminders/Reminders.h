#pragma once

#include <functional>

#include "reminders/CalendarAnalysis.h"
#include "reminders/ContactAnalysis.h"
#include "reminders/NoticeBoard.h"
#include "reminders/ReminderClock.h"

namespace torvalet {

class ItemTreeSet;
class MessagePad;
class Notices;
class ReminderObserver;
class SoundCues;
class TaskExecution;
class TaskStore;
struct Services;
struct Settings;
struct TaskListState;
struct ViewState;

// The reminder clock with its notices, and the two day analyses that feed it reminder tasks,
// wired to each other. The notices go to `observer`; the clock executes due tasks through
// `execution` and leaves the turn of the day and of the minute to `duties`. A snooze chosen on a
// reminder's notification reaches the clock while these live.
struct Reminders {
    Reminders(const Services& services, TaskStore& store, TaskListState& listState, const Settings& settings,
              const ViewState& view, SoundCues& cues, MessagePad& pad, ItemTreeSet& trees,
              const std::function<DayTextContext()>& dates, ReminderObserver& observer, TaskExecution& execution,
              ReminderClock::Duties& duties);
    ~Reminders();
    Reminders(const Reminders&) = delete;
    Reminders& operator=(const Reminders&) = delete;

    NoticeBoard notices;
    ReminderClock clock;
    CalendarAnalysis calendar;
    ContactAnalysis contacts;

private:
    Notices& desktopNotices_;
};

}  // namespace torvalet
