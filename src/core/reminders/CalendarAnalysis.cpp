#include "reminders/CalendarAnalysis.h"

#include "base/DateFormat.h"
#include "base/Errors.h"
#include "reminders/GroupedPosts.h"
#include "reminders/ReminderClock.h"
#include "reminders/SkippedItems.h"
#include "trees/ItemTree.h"
#include "trees/TEventData.h"

namespace torvalet {

namespace {

enum EventKind { DailyWeekly = 2, Monthly = 3, Yearly = 4, Once = 5, LastMonthDay = 6, FirstMonthDay = 7 };

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
    GroupedPosts posts(store_);
    calendar_.forEach([&](const TreeNode* node) {
        const TEventData& event = node->record<TEventData>();
        std::optional<std::string> dateText;
        try {
            dateText = dueDateText(event, today);
        } catch (const ConversionError& error) {
            skipped.add(error.what(), "event " + nameOf(event) + ", date \"" + event.EventDate + "\"");
        }
        if (!dateText) return;
        const std::string text = "[ " + *dateText + " :: " + event.EventTime + " ] " + event.Event;
        clock_.addReminderTask(text, event.EventTime, true, today.days.context().today);
    });
    posts.commit();
    skipped.raise();
}

}  // namespace torvalet
