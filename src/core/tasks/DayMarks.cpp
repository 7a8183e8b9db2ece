#include "tasks/DayMarks.h"

#include <cstdio>

#include "base/DateFormat.h"
#include "model/Messages.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/Services.h"
#include "tasks/LookupKey.h"
#include "tasks/PostGroup.h"
#include "tasks/TaskContext.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskStore.h"

namespace torvalet {

namespace {

constexpr MessageId dayNames[] = {MessageId::Sunday,   MessageId::Monday, MessageId::Tuesday, MessageId::Wednesday,
                                  MessageId::Thursday, MessageId::Friday, MessageId::Saturday};

}  // namespace

DayMarks::DayMarks(TaskContext& context) : context_(context) {}

std::string DayMarks::weekdayAbbreviation(Date day, int language) {
    const int sundayFirst = day.dayOfWeek() % 7;
    return std::string(message(dayNames[sundayFirst], Language(language)));
}

int DayMarks::countRows(const std::string& sql, Date day, const std::string& time) {
    Query& command = context_.store.scratch;
    command.close();
    command.setSql(sql);
    command.clearParams();
    command.setDateParam(":d1", day);
    if (!time.empty()) command.setParam(":d2", time);
    struct Clear {
        Query& q;
        ~Clear() {
            q.close();
            q.clearParams();
            q.setSql({});
        }
    } clear{command};
    command.open();
    return command.rowCount();
}

void DayMarks::insertDayMark() {
    const Date day = context_.listState.calendar.first();
    const std::string sql =
        "select * from tasks  where date = :d1 and time = :d2 and Typekey='" + keys::DayMarkType + "'";
    if (countRows(sql, day, "00:00") > 0) return;
    insertDateMark(weekdayAbbreviation(day, context_.settings.language) + " " +
                   formatShortDate(day, context_.services.locale.shortDateFormat()));
}

void DayMarks::insertDateMark(const std::string& text) {
    const Date first = context_.listState.calendar.first(), last = context_.listState.calendar.last();
    Query& tasks = context_.store.listRows;
    tasks.insert();
    tasks.setDate(TaskColumn::StartDate, first);
    tasks.setDate(TaskColumn::FinalDate, last);
    tasks.setText(TaskColumn::StartTime, "00:00");
    tasks.setText(TaskColumn::TypeKey, keys::DayMarkType);
    tasks.setText(TaskColumn::Task, text);
    tasks.post();
}

void DayMarks::insertTimeMarks() {
    const Date day = context_.listState.calendar.first();
    const std::string sql = "select * from tasks  where date = :d1 and typekey='" + keys::TimeMarkType + "'";
    if (countRows(sql, day) == 0) {
        PostGroup group(context_.store.listRows);
        for (int hour = 0; hour < 24; ++hour) {
            if (!context_.settings.timeMarks[static_cast<std::size_t>(hour)]) continue;
            char text[8];
            std::snprintf(text, sizeof text, "%2.2d:00", hour);
            addTimeMark(text, day);
        }
        group.commit();
    }
    context_.listState.calendar.selectToday(context_.services.clock.now().date);
}

void DayMarks::addTimeMark(const std::string& hour, Date day) {
    context_.listState.pendingInsertTime = hour;
    Query& tasks = context_.store.listRows;
    tasks.insert();
    tasks.setDate(TaskColumn::StartDate, day);
    tasks.setDate(TaskColumn::FinalDate, day);
    tasks.setText(TaskColumn::TypeKey, keys::TimeMarkType);
    tasks.setText(TaskColumn::Task, "-- " + hour + " --");
    tasks.setText(TaskColumn::StartTime, hour);
    tasks.setText(TaskColumn::RemindFlag, "!");
    tasks.post();
}

}  // namespace torvalet
