#include "tasks/DayBook.h"

#include "tasks/Database.h"
#include "tasks/LookupKey.h"

namespace torvalet {

namespace {

const char* const completeDay = "startOfDay";
const char* const partialDay = "startOfDaySteps";
const char* const lastTickName = "lastTick";

const std::pair<DayBook::Step, const char*> stepWords[] = {
    {DayBook::DayMark, "dayMark"},   {DayBook::TimeMarks, "timeMarks"},       {DayBook::Calendar, "calendar"},
    {DayBook::Contacts, "contacts"}, {DayBook::DelayExpired, "delayExpired"}, {DayBook::ShiftOpen, "shiftOpen"},
};

}  // namespace

bool DayBook::hasTable() const {
    SqlStatement statement = db_.prepare("select 1 from sqlite_master where type = 'table' and name = 'daybook'");
    return statement.step();
}

std::optional<std::string> DayBook::value(const std::string& name) const {
    if (!hasTable()) return std::nullopt;
    SqlStatement statement = db_.prepare("select Value from daybook where Name = ?");
    statement.bind(1, name);
    if (!statement.step()) return std::nullopt;
    return std::string(statement.textView(0));
}

void DayBook::setValue(const std::string& name, const std::string& value) {
    db_.execute("create table if not exists daybook (Name text primary key, Value text)");
    SqlStatement statement = db_.prepare("insert or replace into daybook (Name, Value) values (?, ?)");
    statement.bind(1, name);
    statement.bind(2, value);
    statement.step();
}

void DayBook::removeValue(const std::string& name) {
    if (!hasTable()) return;
    SqlStatement statement = db_.prepare("delete from daybook where Name = ?");
    statement.bind(1, name);
    statement.step();
}

unsigned DayBook::stepsDone(Date day) const {
    const std::string iso = day.toIso();
    const std::optional<std::string> complete = value(completeDay);
    if (complete && *complete == iso) return kAllSteps;
    if (const std::optional<std::string> partial = value(partialDay); partial && partial->starts_with(iso + " ")) {
        unsigned steps = 0;
        for (const auto& [step, word] : stepWords)
            if ((" " + *partial + " ").find(" " + std::string(word) + " ") != std::string::npos) steps |= step;
        return steps;
    }
    if (complete) return 0;
    SqlStatement mark =
        db_.prepare("select 1 from tasks where date = ? and time = '00:00' and Typekey = '" + keys::DayMarkType + "'");
    mark.bind(1, iso);
    return mark.step() ? kAllSteps : 0;
}

void DayBook::recordSteps(Date day, unsigned steps) {
    if ((steps & kAllSteps) == kAllSteps) {
        setValue(completeDay, day.toIso());
        removeValue(partialDay);
        return;
    }
    std::string text = day.toIso();
    for (const auto& [step, word] : stepWords)
        if (steps & step) text += std::string(" ") + word;
    setValue(partialDay, text);
}

std::optional<DateTime> DayBook::lastTick() const {
    const std::optional<std::string> text = value(lastTickName);
    if (!text) return std::nullopt;
    return parseDateTime(*text);
}

void DayBook::recordTick(const DateTime& minute) {
    setValue(lastTickName, minute.date.toIso() + " " + timeText(minute));
}

}  // namespace torvalet
