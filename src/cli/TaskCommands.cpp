#include "cli/TaskCommands.h"

#include <ostream>

#include "app/Organizer.h"
#include "base/Errors.h"
#include "base/Json.h"
#include "base/Text.h"
#include "cli/UsageError.h"
#include "tasks/LookupKey.h"
#include "tasks/TaskSchema.h"

namespace torvalet::cli {

namespace {

// A value inside a tab-separated line: the characters that would break the line or the columns
// are written as escapes.
void appendEscaped(std::string& out, std::string_view text) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* escape = nullptr;
        switch (text[i]) {
        case '\t': escape = "\\t"; break;
        case '\n': escape = "\\n"; break;
        case '\r': escape = "\\r"; break;
        case '\\': escape = "\\\\"; break;
        default: continue;
        }
        out.append(text.data() + start, i - start);
        out += escape;
        start = i + 1;
    }
    out.append(text.data() + start, text.size() - start);
}

// One task row as a line of tab-separated values or as a JSON object; `valueOf(c)` gives the
// text of column c of the sixteen.
template <class ValueOf>
void appendRow(std::string& out, bool json, bool firstRow, ValueOf&& valueOf) {
    const auto& columns = taskColumns();
    if (json) out += firstRow ? "\n {" : ",\n {";
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::string_view value = valueOf(static_cast<int>(c));
        if (!json) {
            if (c) out += '\t';
            appendEscaped(out, value);
            continue;
        }
        if (c) out += ", ";
        out += jsonString(columns[c].name);
        out += ": ";
        out +=
            columns[c].kind == ColumnKind::Number ? jsonNumber(sqlValueNumber(std::string(value))) : jsonString(value);
    }
    out += json ? "}" : "\n";
}

int keyNumber(const std::map<std::string, std::string>& options, const std::string& option) {
    const auto found = options.find(option);
    if (found == options.end()) return 0;
    const std::string& text = found->second;
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(text) == 0)
        throw UsageError{option + " takes a key number from 1 up, not \"" + text + "\""};
    return std::stoi(text);
}

Date dateOption(const std::map<std::string, std::string>& options) {
    const auto found = options.find("--date");
    if (found == options.end()) return {};
    const Date date = Date::fromIso(found->second);
    if (date.isNull()) throw UsageError{"--date takes YYYY-MM-DD, not \"" + found->second + "\""};
    // The task's final day is the day after: it must be a date too.
    const Date next = date.addDays(1);
    if (next.isNull() || next.year() > 9999) throw UsageError{"--date " + found->second + " has no day after it"};
    return date;
}

std::string timeOption(const std::map<std::string, std::string>& options) {
    const auto found = options.find("--time");
    if (found == options.end()) return {};
    const std::string& time = found->second;
    if (time.size() != 5 || !parseDateTime("2000-01-01 " + time))
        throw UsageError{"--time takes HH:MM, not \"" + time + "\""};
    return time;
}

}  // namespace

int tasksCommand(const Services& services, const std::filesystem::path& home, bool json, std::ostream& out) {
    Organizer organizer(services, home);
    organizer.openStore(false);
    Database& db = *organizer.store().database();
    // The rows pass once, in order: a small page cache does, and mapped pages would count as ours.
    db.execute("PRAGMA mmap_size=0");
    db.execute("PRAGMA cache_size=-2048");
    SqlStatement rows =
        db.prepare(organizer.tasks().context.list.statement(TaskList::orderList(organizer.settings().taskOrder)));
    if (rows.columnCount() != static_cast<int>(taskColumns().size()))
        throw StoreError("The table tasks does not have the columns of a task list");
    std::string buffer = json ? "[" : "";
    std::string number;
    bool first = true;
    while (rows.step()) {
        appendRow(buffer, json, first, [&](int c) -> std::string_view {
            if (rows.isText(c)) return rows.textView(c);
            number = sqlValueText(rows.column(c));
            return number;
        });
        first = false;
        if (buffer.size() >= 1 << 16) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    if (json) buffer += first ? "]\n" : "\n]\n";
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.flush();
    return out ? 0 : 1;
}

void checkAddArguments(const std::string& text, const std::map<std::string, std::string>& options) {
    if (validUtf8(text) != text) throw UsageError{"TEXT is not valid UTF-8"};
    dateOption(options);
    timeOption(options);
    for (const char* key : {"--type", "--state", "--prio"}) keyNumber(options, key);
}

int addCommand(const Services& services, const std::filesystem::path& home, const std::string& text,
               const std::map<std::string, std::string>& options, std::ostream& out, std::ostream& err) {
    checkAddArguments(text, options);
    const Date date = dateOption(options);
    const std::string time = timeOption(options);
    const int type = keyNumber(options, "--type"), state = keyNumber(options, "--state");
    const int prio = keyNumber(options, "--prio");

    Organizer organizer(services, home);
    organizer.openStore();
    organizer.tasks().commands.addTask({text, date, time, type, state, prio});
    const Query& tasks = organizer.store().listRows;

    const auto width = static_cast<std::size_t>(columnDef(TaskColumn::Task).width);
    if (utf8Length(text) > width)
        err << "torvalet-cli: the text was cut to its first " << width << " characters, the width of its column\n";
    std::string line;
    std::string value;
    appendRow(line, false, true, [&](int c) -> std::string_view {
        value = tasks.text(taskColumns()[static_cast<std::size_t>(c)].name);
        return value;
    });
    out << line;
    organizer.store().disconnect();
    return 0;
}

}  // namespace torvalet::cli
