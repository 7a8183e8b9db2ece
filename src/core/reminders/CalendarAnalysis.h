#pragma once

#include <functional>
#include <optional>
#include <string>

#include "reminders/DayText.h"

namespace torvalet {

class ItemTree;
class ReminderClock;
class TaskStore;
struct TEventData;

// Turns the events of the calendar tree that fall due around today into reminder tasks of today.
class CalendarAnalysis {
public:
    CalendarAnalysis(const ItemTree& calendar, ReminderClock& clock, TaskStore& store,
                     std::function<DayTextContext()> dates);

    // Walks the whole tree in tree order and adds one task per due event; the tasks go into the
    // store by their times, and tasks of one time in tree order. An event whose date cannot be
    // read is skipped; the analysis goes on, and the skipped events are reported at its end as a
    // ConversionError.
    void AnalyzeCalendar();
    // The hidden menu item "AnCalend".
    void AnCalend1Click() { AnalyzeCalendar(); }

private:
    struct Today;
    // The date text of the event's task when the event is due today, or nothing. Throws
    // ConversionError for a date that cannot be read.
    static std::optional<std::string> dueDateText(const TEventData& event, const Today& today);

    const ItemTree& calendar_;
    ReminderClock& clock_;
    TaskStore& store_;
    std::function<DayTextContext()> dates_;
};

}  // namespace torvalet
