#pragma once

#include <functional>
#include <optional>
#include <string>

#include "model/DayText.h"

namespace torvalet {

class ItemTree;
class ReminderClock;
class SkippedItems;
class TaskStore;
struct EventRecord;

// Turns the events of the calendar tree that fall due around today into reminder tasks of today.
class CalendarAnalysis {
public:
    // Calls its argument for every event of a calendar, in tree order.
    using EventWalk = std::function<void(const std::function<void(const EventRecord&)>&)>;

    CalendarAnalysis(const ItemTree& calendar, ReminderClock& clock, TaskStore& store,
                     std::function<DayTextContext()> dates);

    // Walks the whole tree in tree order and adds one task per due event, in that order. An event
    // whose date cannot be read is skipped; the analysis goes on, and the skipped events are
    // reported at its end as a ConversionError. A run of its own (not inside a transaction begun
    // before, as the start of the day's) that stored its tasks counts as today's calendar step of
    // the start of the day, which then does not add them again.
    void analyzeCalendar();
    // The same over the events that `events` walks, such as those of a calendar file read
    // without keeping its tree; the walk runs on a thread of its own. When it fails, nothing is
    // stored (unless the analysis runs inside a transaction begun before) and its error is raised.
    // A run that stored its tasks counts as today's calendar step, as above.
    void analyzeCalendar(const EventWalk& events);
    // Calls `visit` for the event of every item of the tree, in tree order.
    static void visitEvents(const ItemTree& tree, const std::function<void(const EventRecord&)>& visit);

    // Called before the tree is walked; throws when the tree cannot be analysed (its file could
    // not be read whole), and nothing is stored.
    void setSourceCheck(std::function<void()> check) { sourceCheck_ = std::move(check); }

private:
    struct Today;
    class DueTask;

    // Calls `found` with the task of every due event that `events` walks; an event whose date
    // cannot be read is added to `skipped`.
    static void findDue(const EventWalk& events, const Today& today, SkippedItems& skipped,
                        const std::function<void(DueTask&&)>& found);
    void store(const DueTask& task, const Today& today);
    // Today's calendar step is done, with the tasks stored.
    void recordStep(const Today& today);
    // The date text of the event's task when the event is due today, or nothing. Throws
    // ConversionError for a date that cannot be read.
    static std::optional<std::string> dueDateText(const EventRecord& event, const Today& today);

    const ItemTree& calendar_;
    ReminderClock& clock_;
    TaskStore& store_;
    std::function<DayTextContext()> dates_;
    std::function<void()> sourceCheck_;
};

}  // namespace torvalet
