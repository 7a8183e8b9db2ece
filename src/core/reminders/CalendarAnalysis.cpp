#include "reminders/CalendarAnalysis.h"

#include <cstdint>
#include <exception>
#include <string_view>
#include <thread>
#include <vector>

#include "base/DateFormat.h"
#include "base/Errors.h"
#include "base/HandOff.h"
#include "reminders/GroupedPosts.h"
#include "reminders/ReminderClock.h"
#include "reminders/SkippedItems.h"
#include "tasks/DayBook.h"
#include "tasks/TaskStore.h"
#include "trees/EventRecord.h"
#include "trees/ItemTree.h"

namespace torvalet {

namespace {

enum EventKind { DailyWeekly = 2, Monthly = 3, Yearly = 4, Once = 5, LastMonthDay = 6, FirstMonthDay = 7 };

// Raised in the walk of the events when their due tasks are no longer taken.
struct StoppedWalk {};

// The first line of an event's text, to name it in a report.
std::string nameOf(const EventRecord& event) {
    const std::string_view text = event.text.view();
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
        const Date first = days.dateOfDayText("01.01.03");
        tomorrowIsFirst = days.dayMatches("dd", 2, first);
        todayIsFirst = days.dayMatches("dd", 1, first);
    }

    DayText days;
    std::string dateText;  // today in the short date format
    int weekDay;           // today's bit of WeekDays
    DayWindow monthly, yearly, once;
    bool tomorrowIsFirst = false, todayIsFirst = false;
};

// The task of an event due today; its text holds the event's time.
class CalendarAnalysis::DueTask {
public:
    DueTask(const EventRecord& event, std::string_view dateText) {
        const std::string_view time = event.time.view();
        text_.reserve(dateText.size() + time.size() + event.text.size() + 10);
        text_.append("[ ").append(dateText).append(" :: ");
        timeAt_ = static_cast<std::uint32_t>(text_.size());
        text_.append(time).append(" ] ").append(event.text.view());
        timeSize_ = static_cast<std::uint32_t>(time.size());
    }

    const std::string& text() const { return text_; }
    std::string time() const { return text_.substr(timeAt_, timeSize_); }

private:
    std::string text_;
    std::uint32_t timeAt_ = 0, timeSize_ = 0;
};

CalendarAnalysis::CalendarAnalysis(const ItemTree& calendar, ReminderClock& clock, TaskStore& store,
                                   std::function<DayTextContext()> dates)
    : calendar_(calendar), clock_(clock), store_(store), dates_(std::move(dates)) {}

std::optional<std::string> CalendarAnalysis::dueDateText(const EventRecord& event, const Today& today) {
    if (event.date.empty()) return std::nullopt;
    const auto dueOn = [&](const DayWindow& window) -> std::optional<std::string> {
        if (window.matches(today.days.dateOfDayText(event.date))) return event.date;
        return std::nullopt;
    };
    switch (event.kind) {
    case DailyWeekly: return (event.weekDays & today.weekDay) ? std::optional(today.dateText) : std::nullopt;
    case Monthly: return dueOn(today.monthly);
    case Yearly: return dueOn(today.yearly);
    case Once: return dueOn(today.once);
    case LastMonthDay: return today.tomorrowIsFirst ? std::optional(today.dateText) : std::nullopt;
    case FirstMonthDay: return today.todayIsFirst ? std::optional(today.dateText) : std::nullopt;
    default: return std::nullopt;
    }
}

void CalendarAnalysis::analyzeCalendar() {
    if (sourceCheck_) sourceCheck_();
    const Today today(dates_());
    SkippedItems skipped;
    GroupedPosts posts(store_);
    const auto walk = [this](const std::function<void(const EventRecord&)>& visit) { visitEvents(calendar_, visit); };
    findDue(walk, today, skipped, [&](DueTask&& task) { store(task, today); });
    if (posts.ownsTransaction()) recordStep(today);
    posts.commit();
    skipped.raise();
}

// The events are walked on a thread of their own, which passes the due ones to this thread to be
// stored: a calendar read from its file is so read and stored side by side. When the walk fails,
// the tasks stored so far are taken back and the failure raised, as when the file could not be
// read before the analysis.
void CalendarAnalysis::analyzeCalendar(const EventWalk& events) {
    const Today today(dates_());
    SkippedItems skipped;
    HandOff<DueTask> due;
    std::thread finder([&] {
        try {
            findDue(events, today, skipped, [&](DueTask&& task) {
                if (!due.put(std::move(task))) throw StoppedWalk();
            });
            due.finish();
        } catch (...) {
            due.finish(std::current_exception());
        }
    });
    // On every way out, the walk is stopped and its thread waited for.
    struct Join {
        std::thread& thread;
        HandOff<DueTask>& due;
        ~Join() {
            due.stop();
            thread.join();
        }
    } const join{finder, due};
    GroupedPosts posts(store_);
    for (std::vector<DueTask> batch; due.take(batch);)
        for (const DueTask& task : batch) store(task, today);
    if (const std::exception_ptr failure = due.failure()) {
        posts.rollback();
        std::rethrow_exception(failure);
    }
    if (posts.ownsTransaction()) recordStep(today);
    posts.commit();
    skipped.raise();
}

void CalendarAnalysis::visitEvents(const ItemTree& tree, const std::function<void(const EventRecord&)>& visit) {
    tree.forEach([&](const TreeNode* node) { visit(node->record<EventRecord>()); });
}

void CalendarAnalysis::findDue(const EventWalk& events, const Today& today, SkippedItems& skipped,
                               const std::function<void(DueTask&&)>& found) {
    events([&](const EventRecord& event) {
        std::optional<std::string> dateText;
        try {
            dateText = dueDateText(event, today);
        } catch (const ConversionError& error) {
            skipped.add(error.what(), "event " + nameOf(event) + ", date \"" + event.date + "\"");
        }
        if (dateText) found(DueTask(event, *dateText));
    });
}

void CalendarAnalysis::recordStep(const Today& today) {
    if (Database* db = store_.database()) DayBook(*db).addSteps(today.days.context().today, DayBook::Calendar);
}

void CalendarAnalysis::store(const DueTask& task, const Today& today) {
    clock_.addReminderTask(task.text(), task.time(), true, today.days.context().today);
}

}  // namespace torvalet
