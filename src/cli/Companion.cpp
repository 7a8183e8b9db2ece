#include "cli/Companion.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <map>
#include <optional>
#include <ostream>

#include "base/Errors.h"
#include "base/FileIo.h"
#include "base/Json.h"
#include "cli/HeadlessServices.h"
#include "cli/ReminderCommands.h"
#include "shell/AppFolder.h"
#include "shell/AppFolderLock.h"
#include "shell/Organizer.h"
#include "shell/SetupFile.h"
#include "trees/TreeDump.h"
#include "trees/TreeFiles.h"
#include "tasks/LookupKey.h"
#include "tasks/TaskSchema.h"

namespace torvalet::cli {

namespace {

const char* const usage =
    "Usage: torvalet-cli [--home DIR] [--now \"YYYY-MM-DD HH:MM\"] [--date-format PATTERN] [--yes] COMMAND\n"
    "\n"
    "Commands:\n"
    "  start                 run the start-up sequence and then the close sequence, without windows\n"
    "                        (a folder without the organiser's files is provisioned first)\n"
    "  tasks [--json]        print the task list, one row per line (tab-separated columns), or as JSON\n"
    "  add TEXT [--date YYYY-MM-DD] [--time HH:MM] [--type N] [--state N] [--prio N]\n"
    "                        insert one task as \"Insert\" and saving would; N is a key number\n"
    "  tick                  the start-up sequence, one tick of the reminder clock at --now, the close\n"
    "                        sequence; prints every notice as its message pad or balloon line\n"
    "  analyze calendar|contacts  turn the due events or contact days into reminder tasks\n"
    "  tree FILE [--json]    decode a tree file (goals*.dat, *.goto, contacts.co, calendar.clnd,\n"
    "                        phrases.phr): every node in tree order, or as JSON\n"
    "\n"
    "Options:\n"
    "  --home DIR            the application folder (default: the one the organiser uses)\n"
    "  --now \"YYYY-MM-DD HH:MM\"  the wall clock (default: the real one)\n"
    "  --date-format PATTERN the short date format, e.g. dd.MM.yyyy or M/d/yyyy (default: the system's)\n"
    "  --yes                 answer Yes to every question (default: No)\n"
    "  --help                this text\n"
    "\n"
    "Exit status: 0 success, 1 data could not be read or written, 2 usage error.\n";

struct UsageError {
    std::string message;
};

struct Invocation {
    std::optional<std::string> home;
    HeadlessOptions options;
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // command options with a value
    bool json = false;
};

Invocation parse(const std::vector<std::string>& args) {
    Invocation call;
    const auto valueOf = [&](std::size_t& i) -> const std::string& {
        if (i + 1 >= args.size()) throw UsageError{args[i] + " needs a value"};
        return args[++i];
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--home") {
            call.home = valueOf(i);
        } else if (arg == "--now") {
            call.options.now = parseDateTime(valueOf(i));
            if (!call.options.now) throw UsageError{"--now takes \"YYYY-MM-DD HH:MM\", not \"" + args[i] + "\""};
        } else if (arg == "--date-format") {
            call.options.dateFormat = valueOf(i);
        } else if (arg == "--yes") {
            call.options.yes = true;
        } else if (arg == "--json") {
            call.json = true;
        } else if (arg == "--date" || arg == "--time" || arg == "--type" || arg == "--state" || arg == "--prio") {
            call.values[arg] = valueOf(i);
        } else if (arg.rfind("--", 0) == 0) {
            throw UsageError{"unknown option " + arg};
        } else if (call.command.empty()) {
            call.command = arg;
        } else {
            call.positional.push_back(arg);
        }
    }
    return call;
}

std::filesystem::path homeOf(const Invocation& call, const std::string& executableFolder) {
    if (call.home) return std::filesystem::absolute(*call.home);
    return resolveApplicationFolder(AppFolderEnvironment::current(executableFolder));
}

std::string columnValue(const Query& tasks, int row, const ColumnDef& column, bool json) {
    const std::string text = tasks.textAt(row, column.name);
    if (!json) return text;
    if (column.kind == ColumnKind::Number) return jsonNumber(sqlValueNumber(text));
    return jsonString(text);
}

void printTasks(Query& tasks, bool json, std::ostream& out) {
    if (json) out << "[";
    for (int row = 0; row < tasks.rowCount(); ++row) {
        if (json) out << (row ? ",\n " : "\n ") << "{";
        bool first = true;
        for (const ColumnDef& column : taskColumns()) {
            if (json)
                out << (first ? "" : ", ") << jsonString(column.name) << ": " << columnValue(tasks, row, column, true);
            else
                out << (first ? "" : "\t") << columnValue(tasks, row, column, false);
            first = false;
        }
        out << (json ? "}" : "\n");
    }
    if (json) out << (tasks.rowCount() ? "\n]\n" : "]\n");
}

int keyNumber(const Invocation& call, const std::string& option) {
    const auto found = call.values.find(option);
    if (found == call.values.end()) return 0;
    const std::string& text = found->second;
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(text) == 0)
        throw UsageError{option + " takes a key number from 1 up, not \"" + text + "\""};
    return std::stoi(text);
}

// Takes the folder for a command that writes; nullptr with a message when the organiser holds it.
std::unique_ptr<AppFolderLock> lockFolder(const std::filesystem::path& home, std::ostream& err) {
    std::filesystem::create_directories(home);
    auto lock = std::make_unique<AppFolderLock>(home);
    if (lock->tryLock()) return lock;
    err << AppFolderLock::busyMessage(home) << '\n';
    return nullptr;
}

// The code page of the application folder's settings, in which its tree files are written.
TextCodec codecOf(const std::filesystem::path& home) {
    const ProfileFile settings = SetupFile(home).read();
    return TextCodec(settings.readString("General", "CodePage", ""));
}

int treeCommand(const Invocation& call, const std::filesystem::path& home, std::ostream& out, std::ostream& err) {
    if (call.positional.size() != 1) throw UsageError{"tree takes one FILE"};
    const std::string& file = call.positional[0];
    const auto family = recordFamilyOfFile(std::filesystem::path(file).filename().string());
    if (!family)
        throw UsageError{"cannot tell the kind of tree from the name \"" + file +
                         "\" (goals*.dat, *.goto, *.co, *.clnd, *.phr)"};
    const std::string bytes = readFileBytes(file);
    const TextCodec codec = std::filesystem::exists(home) ? codecOf(home) : TextCodec();
    const TreeDump dump = call.json ? dumpTreeJson(bytes, *family, codec) : dumpTreeText(bytes, *family, codec);
    out << dump.output;
    if (!dump.error) return 0;
    err << dump.errorLine() << '\n';
    return 1;
}

int startCommand(const Services& services, HeadlessUserInterface& ui, const std::filesystem::path& home) {
    Organizer::provision(AppPaths{home});
    Organizer organizer(services, home);
    organizer.start();
    organizer.firstShow();
    organizer.close();
    return ui.messageCount() ? 1 : 0;
}

int tasksCommand(const Services& services, const std::filesystem::path& home, bool json, std::ostream& out) {
    Organizer organizer(services, home);
    organizer.openStore();
    printTasks(organizer.store().tasksQ, json, out);
    return 0;
}

int addCommand(const Services& services, const Invocation& call, const std::filesystem::path& home,
               std::ostream& out) {
    if (call.positional.size() != 1) throw UsageError{"add takes one TEXT"};
    Date date;
    if (call.values.count("--date")) {
        date = Date::fromIso(call.values.at("--date"));
        if (date.isNull()) throw UsageError{"--date takes YYYY-MM-DD, not \"" + call.values.at("--date") + "\""};
    }
    std::string time;
    if (call.values.count("--time")) {
        time = call.values.at("--time");
        const auto moment = parseDateTime("2000-01-01 " + time);
        if (time.size() != 5 || !moment) throw UsageError{"--time takes HH:MM, not \"" + time + "\""};
    }
    const int type = keyNumber(call, "--type"), state = keyNumber(call, "--state"), prio = keyNumber(call, "--prio");

    Organizer organizer(services, home);
    organizer.openStore();
    Query& tasks = organizer.store().tasksQ;
    if (!date.isNull()) organizer.listState().calendar.select(date, date.addDays(1));
    tasks.insert();
    organizer.listState().pendingInsertTime.clear();
    tasks.setText("Task", call.positional[0]);
    if (!time.empty()) tasks.setText("Time", time);
    tasks.setText("TypeKey", type ? makeLookupKey(type) : "");
    tasks.setText("StateKey", state ? makeLookupKey(state) : "");
    tasks.setText("Prior_key", prio ? makeLookupKey(prio) : "");
    tasks.post();
    for (const ColumnDef& column : taskColumns()) out << (&column == &taskColumns().front() ? "" : "\t") << tasks.text(column.name);
    out << '\n';
    organizer.store().disconnect();
    return 0;
}

}  // namespace

int runCompanion(const std::vector<std::string>& args, const std::string& executableFolder, std::ostream& out,
                 std::ostream& err) {
    try {
        const Invocation call = parse(args);
        if (call.command.empty() || call.command == "help" ||
            std::find(args.begin(), args.end(), "--help") != args.end()) {
            (call.command.empty() && args.empty() ? err : out) << usage;
            return call.command.empty() && args.empty() ? 2 : 0;
        }
        const std::filesystem::path home = homeOf(call, executableFolder);
        HeadlessServices headless(call.options, err);
        if (call.command == "tasks") return tasksCommand(headless.services, home, call.json, out);
        if (call.command == "tree") return treeCommand(call, home, out, err);
        const bool analyze = call.command == "analyze";
        const std::string analysis = analyze && call.positional.size() == 1 ? call.positional[0] : "";
        if (analyze && analysis != "calendar" && analysis != "contacts")
            throw UsageError{"analyze takes calendar or contacts"};
        if (call.command != "start" && call.command != "add" && call.command != "tick" && !analyze)
            throw UsageError{"unknown command " + call.command};
        const auto lock = lockFolder(home, err);
        if (!lock) return 1;
        if (call.command == "start") return startCommand(headless.services, headless.ui, home);
        if (call.command == "tick") return tickCommand(headless, home, out);
        if (analyze) return analyzeCommand(headless, analysis, home, out, err);
        return addCommand(headless.services, call, home, out);
    } catch (const UsageError& error) {
        err << "torvalet-cli: " << error.message << "\nRun \"torvalet-cli --help\" for the commands and options.\n";
        return 2;
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
}

}  // namespace torvalet::cli
