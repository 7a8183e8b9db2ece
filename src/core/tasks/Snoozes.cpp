#include "tasks/Snoozes.h"

#include "tasks/Database.h"
#include "tasks/LookupKey.h"

namespace torvalet {

namespace {

// A minute as the table holds it; the text orders as the minutes do.
std::string minuteText(const DateTime& minute) { return minute.date.toIso() + " " + timeText(minute); }

}  // namespace

bool Snoozes::hasTable() const {
    SqlStatement statement = db_.prepare("select 1 from sqlite_master where type = 'table' and name = 'snooze'");
    return statement.step();
}

void Snoozes::makeTable() {
    db_.execute("create table if not exists snooze (TaskRow integer primary key, Due text not null)");
    db_.execute("create index if not exists snooze_due on snooze (Due)");
    // A deleted task takes its snooze along: a row stored later under the same rowid is another task.
    db_.execute(
        "create trigger if not exists snooze_task_deleted after delete on tasks "
        "begin delete from snooze where TaskRow = old.rowid; end");
}

bool Snoozes::snooze(Bookmark taskRow, const DateTime& at) {
    // The table and the row as one, unless a transaction of the caller holds them already.
    std::optional<Transaction> transaction;
    if (sqlite3_get_autocommit(db_.handle())) transaction.emplace(db_);
    makeTable();
    SqlStatement statement =
        db_.prepare("insert or replace into snooze (TaskRow, Due) select rowid, ? from tasks where rowid = ?");
    statement.bind(1, minuteText(at));
    statement.bind(2, taskRow);
    statement.step();
    const bool stored = db_.changes() > 0;
    if (transaction) transaction->commit();
    return stored;
}

std::optional<DateTime> Snoozes::dueOf(Bookmark taskRow) const {
    if (!hasTable()) return std::nullopt;
    SqlStatement statement = db_.prepare("select Due from snooze where TaskRow = ?");
    statement.bind(1, taskRow);
    if (!statement.step()) return std::nullopt;
    return parseDateTime(statement.textView(0));
}

std::optional<DateTime> Snoozes::next(const std::optional<DateTime>& after) const {
    if (!hasTable()) return std::nullopt;
    SqlStatement statement = db_.prepare("select min(Due) from snooze where Due > ?");
    statement.bind(1, after ? minuteText(*after) : std::string());
    if (!statement.step() || statement.isNull(0)) return std::nullopt;
    return parseDateTime(statement.textView(0));
}

std::vector<Snoozes::Due> Snoozes::dueBy(const DateTime& minute) const {
    std::vector<Due> due;
    if (!hasTable()) return due;
    SqlStatement statement = db_.prepare(
        "select snooze.TaskRow, snooze.Due, tasks.Task, tasks.Date, tasks.StateKey from snooze "
        "join tasks on tasks.rowid = snooze.TaskRow where snooze.Due <= ? order by snooze.Due, snooze.TaskRow");
    statement.bind(1, minuteText(minute));
    while (statement.step()) {
        const std::optional<DateTime> at = parseDateTime(statement.textView(1));
        if (!at) continue;
        due.push_back({statement.integer(0), *at, std::string(statement.textView(2)),
                       Date::fromIso(statement.textView(3)), statement.textView(4) == keys::Done});
    }
    return due;
}

void Snoozes::removeDueBy(const DateTime& minute) {
    if (!hasTable()) return;
    SqlStatement statement = db_.prepare("delete from snooze where Due <= ?");
    statement.bind(1, minuteText(minute));
    statement.step();
}

}  // namespace torvalet
