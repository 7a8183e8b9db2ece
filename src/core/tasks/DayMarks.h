#pragma once

#include <string>

#include "base/Date.h"

namespace torvalet {

struct TaskContext;

// The day mark that heads a day's tasks and the time marks of the chosen full hours.
class DayMarks {
public:
    explicit DayMarks(TaskContext& context);

    // The day mark of the calendar's first day, unless that day has one at "00:00".
    void insertDayMark();
    // One day mark row with `text` for the calendar's selection.
    void insertDateMark(const std::string& text);
    // The time marks of the calendar's first day, unless it has any; then today is selected.
    void insertTimeMarks();
    // One time mark row: "-- " + hour + " --", fired already.
    void addTimeMark(const std::string& hour, Date day);

    // The weekday abbreviation of `day` in the language (empty for a language without any).
    static std::string weekdayAbbreviation(Date day, int language);

private:
    // Rows of `sql` with ":d1" bound to `day` and ":d2" (when given) to `time`.
    int countRows(const std::string& sql, Date day, const std::string& time = {});

    TaskContext& context_;
};

}  // namespace torvalet
