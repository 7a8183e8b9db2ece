#include "reminders/CalendarAnalysis.h"

#include <algorithm>
#include <deque>
#include <vector>

#include "base/DateFormat.h"
#include "base/Errors.h"
#include "base/Text.h"
#include "reminders/GroupedPosts.h"
#include "reminders/ReminderClock.h"
#include "reminders/SkippedItems.h"
#include "tasks/TaskSchema.h"
#include "trees/ItemTree.h"
#include "trees/TEventData.h"

namespace torvalet {

namespace {

enum EventKind { DailyWeekly = 2, Monthly = 3, Yearly = 4, Once = 5, LastMonthDay = 6, FirstMonthDay = 7 };

// An event due today, with the date text of its task and its time as the task list stores it.
struct DueEvent {
    const TEventData* event;
    std::string dateText;
    std::string_view storedTime;
};

// The time as the task list stores it (cut to the column's width) and compares it (without
// trailing blanks). A time that has to be cut is kept in `cutTimes`.
std::string_view storedTime(const RecordText& time, std::deque<std::string>& cutTimes) {
    static const std::size_t width = static_cast<std::size_t>(findColumn("tasks", "Time")->width);
    std::string_view stored = time.view();
    if (stored.size() > width) stored = cutTimes.emplace_back(utf8Left(stored, width));
    while (!stored.empty() && stored.back() == ' ') stored.remove_suffix(1);
    return stored;
}

// The first line of an event's text, to name it in a report.
std::string nameOf(const TEventData& event) {
    const std::string_view text = event.Event.view();
    const std::string line(text.substr(0, text.find_first_of("\r\n")));
    return "\"" + (line.size() > 60 ? line.substr(0, 60) + "..." : line) + "\"";
}

}  // namespace

// What an analysis run compares the events with, worked out once.
struct CalendarAnalysis::Today {
    explicit Today(const DayTextContext& context)
        : days(context),
          dateText(formatShortDate(context.today, context.shortDateFormat)),
          weekDay(1 << (context.today.dayOfWeek() - 1)),
          monthly(days.window("dd", 4)),
          yearly(days.window("dd/mm", 4)),
          once(days.window("dd/mm/yyyy", 4)) {
        // The last and the first day of a month are found through a date on the first.
        const Date first = days.DayTextToDate("01.01.03");
        tomorrowIsFirst = days.DayMatches("dd", 2, first);
        todayIsFirst = days.DayMatches("dd", 1, first);
    }

    DayText days;
    std::string dateText;  // today in the short date format
    int weekDay;           // today's bit of WeekDays
    DayWindow monthly, yearly, once;
    bool tomorrowIsFirst = false, todayIsFirst = false;
};

CalendarAnalysis::CalendarAnalysis(const ItemTree& calendar, ReminderClock& clock, TaskStore& store,
                                   std::function<DayTextContext()> dates)
    : calendar_(calendar), clock_(clock), store_(store), dates_(std::move(dates)) {}

std::optional<std::string> CalendarAnalysis::dueDateText(const TEventData& event, const Today& today) {
    if (event.EventDate.empty()) return std::nullopt;
    const auto dueOn = [&](const DayWindow& window) -> std::optional<std::string> {
        if (window.matches(today.days.DayTextToDate(event.EventDate))) return event.EventDate;
        return std::nullopt;
    };
    switch (event.EventKind) {
    case DailyWeekly: return (event.WeekDays & today.weekDay) ? std::optional(today.dateText) : std::nullopt;
    case Monthly: return dueOn(today.monthly);
    case Yearly: return dueOn(today.yearly);
    case Once: return dueOn(today.once);
    case LastMonthDay: return today.tomorrowIsFirst ? std::optional(today.dateText) : std::nullopt;
    case FirstMonthDay: return today.todayIsFirst ? std::optional(today.dateText) : std::nullopt;
    default: return std::nullopt;
    }
}

void CalendarAnalysis::AnalyzeCalendar() {
    const Today today(dates_());
    SkippedItems skipped;
    std::vector<DueEvent> due;
    std::deque<std::string> cutTimes;
    calendar_.forEach([&](const TreeNode* node) {
        const TEventData& event = node->record<TEventData>();
        std::optional<std::string> dateText;
        try {
            dateText = dueDateText(event, today);
        } catch (const ConversionError& error) {
            skipped.add(error.what(), "event " + nameOf(event) + ", date \"" + event.EventDate + "\"");
        }
        if (!dateText) return;
        due.push_back({&event, std::move(*dateText), storedTime(event.EventTime, cutTimes)});
    });
    // The tasks go in by their times, which the store's indexes take with less work than times
    // in tree order; tasks of one time keep the tree's order, as the list shows them.
    std::stable_sort(due.begin(), due.end(),
                     [](const DueEvent& a, const DueEvent& b) { return a.storedTime < b.storedTime; });
    GroupedPosts posts(store_);
    for (const DueEvent& task : due) {
        const TEventData& event = *task.event;
        const std::string text = "[ " + task.dateText + " :: " + event.EventTime + " ] " + event.Event;
        clock_.addReminderTask(text, event.EventTime, true, today.days.context().today);
    }
    posts.commit();
    skipped.raise();
}

}  // namespace torvalet
