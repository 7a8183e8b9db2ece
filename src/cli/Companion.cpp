#include "cli/Companion.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>

#include "app/AppFolderLock.h"
#include "app/Organizer.h"
#include "base/Errors.h"
#include "base/FileIo.h"
#include "base/Json.h"
#include "base/Version.h"
#include "cli/HeadlessServices.h"
#include "cli/HotKeyCommand.h"
#include "cli/ReminderCommands.h"
#include "cli/TaskCommands.h"
#include "cli/UsageError.h"
#include "model/AppFolder.h"
#include "model/SetupFile.h"
#include "tasks/TaskStore.h"
#include "trees/TreeDump.h"
#include "trees/TreeFiles.h"

namespace torvalet::cli {

namespace {

const char* const usage =
    "Usage: torvalet-cli [--home DIR] [--now \"YYYY-MM-DD HH:MM\"] [--date-format PATTERN] [--yes] COMMAND\n"
    "\n"
    "Commands:\n"
    "  start                 run the start-up sequence and then the close sequence, without windows\n"
    "                        (a folder without the organiser's files is provisioned first)\n"
    "  tasks [--json]        print the task list, one row per line (tab-separated columns; a tab, line\n"
    "                        feed, carriage return or backslash in a value is written \\t, \\n, \\r, \\\\),\n"
    "                        or as JSON\n"
    "  add TEXT... [--date YYYY-MM-DD] [--time HH:MM] [--type N] [--state N] [--prio N] [-- TEXT...]\n"
    "                        insert one task as \"Insert\" and saving would; N is a key number;\n"
    "                        every word after add that is not one of these options is text, also\n"
    "                        one like --help, and so is every word after --; the words are joined\n"
    "                        by spaces;\n"
    "                        a TEXT longer than its column (180 characters) is cut, and said so\n"
    "  tick [--since \"YYYY-MM-DD HH:MM\"]\n"
    "                        the start-up sequence, one tick of the reminder clock at --now, the close\n"
    "                        sequence; prints every notice as its message pad or balloon line. The tick\n"
    "                        catches up on the reminders due since the clock's last tick (or since\n"
    "                        --since): those at most MaxLateMinutes old ring late, older ones are\n"
    "                        summed up; their counts end the output\n"
    "  analyze calendar|contacts  turn the due events or contact days into reminder tasks\n"
    "  tree FILE [--json]    decode a tree file (goals*.dat, *.goto, contacts.co, calendar.clnd,\n"
    "                        phrases.phr): every node in tree order, or as JSON\n"
    "  hotkey TEXT           the value and canonical text of a hot key text such as Ctrl+Alt+L\n"
    "\n"
    "Options:\n"
    "  --home DIR            the application folder (default: the one the organiser uses)\n"
    "  --now \"YYYY-MM-DD HH:MM\"  the wall clock (default: the real one)\n"
    "  --date-format PATTERN the short date format, e.g. dd.MM.yyyy or M/d/yyyy (default: the system's)\n"
    "  --yes                 answer Yes to every question (default: No)\n"
    "  --help                this text\n"
    "  --                    what follows is no option\n"
    "  --version             the program's version\n"
    "\n"
    "Exit status: 0 success, 1 data could not be read or written, 2 usage error.\n";

struct Invocation {
    std::optional<std::string> home;
    HeadlessOptions options;
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // command options with a value
    bool json = false;
    bool help = false;
    bool version = false;
};

bool isAddOption(const std::string& arg) {
    return arg == "--date" || arg == "--time" || arg == "--type" || arg == "--state" || arg == "--prio";
}

// The text of "add": its words joined by spaces.
std::string addText(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

Invocation parse(const std::vector<std::string>& args) {
    Invocation call;
    const auto valueOf = [&](std::size_t& i) -> const std::string& {
        if (i + 1 >= args.size()) throw UsageError{args[i] + " needs a value"};
        return args[++i];
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // After "--", and after "add" every word that is not one of its options, is no option.
        const bool word = optionsEnded || (call.command == "add" && !isAddOption(arg) && arg != "--");
        if (word && call.command.empty()) {
            call.command = arg;
        } else if (word) {
            call.positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--home") {
            call.home = valueOf(i);
        } else if (arg == "--now") {
            call.options.now = parseDateTime(valueOf(i));
            if (!call.options.now) throw UsageError{"--now takes \"YYYY-MM-DD HH:MM\", not \"" + args[i] + "\""};
        } else if (arg == "--date-format") {
            call.options.dateFormat = valueOf(i);
        } else if (arg == "--yes") {
            call.options.yes = true;
        } else if (arg == "--help") {
            call.help = true;
        } else if (arg == "--version") {
            call.version = true;
        } else if (arg == "--json") {
            call.json = true;
        } else if (arg == "--date" || arg == "--time" || arg == "--type" || arg == "--state" || arg == "--prio" ||
                   arg == "--since") {
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

// How a command that writes may use the folder: it holds the folder's lock, another program
// holds it (busy), or it cannot be held or written (the reason says why).
struct FolderHold {
    std::unique_ptr<AppFolderLock> lock;
    bool busy = false;
    std::string readOnlyReason;
};

FolderHold holdFolder(const std::filesystem::path& home) {
    FolderHold hold{std::make_unique<AppFolderLock>(home), false, {}};
    try {
        if (!hold.lock->tryLock()) return {nullptr, true, {}};
    } catch (const Error& error) {
        return {nullptr, false, error.what()};
    }
    if (!AppFolderLock::canWrite(home)) hold.readOnlyReason = "permission denied";
    return hold;
}

// The code page of the application folder's settings, in which its tree files are written; an
// unknown one passes the bytes through, as start-up does, and says so.
TextCodec codecOf(const std::filesystem::path& home, std::ostream& err) {
    if (!std::filesystem::exists(home / SetupFile::fileName)) return TextCodec();
    try {
        std::string message;
        TextCodec codec = settingsCodec(SetupFile(home).read(), &message);
        if (!message.empty()) err << message << '\n';
        return codec;
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return TextCodec();
    }
}

int treeCommand(const Invocation& call, const std::filesystem::path& home, std::ostream& out, std::ostream& err) {
    if (call.positional.size() != 1) throw UsageError{"tree takes one FILE"};
    const std::string& file = call.positional[0];
    const auto family = recordFamilyOfFile(std::filesystem::path(file).filename().string());
    if (!family)
        throw UsageError{"cannot tell the kind of tree from the name \"" + file +
                         "\" (goals*.dat, *.goto, *.co, *.clnd, *.phr)"};
    const std::string bytes = readFileBytes(file);
    const TextCodec codec = codecOf(home, err);
    const TreeDump dump = call.json ? dumpTreeJson(bytes, *family, codec) : dumpTreeText(bytes, *family, codec);
    out << dump.output;
    if (!dump.error) return 0;
    err << dump.errorLine() << '\n';
    return 1;
}

// A folder that cannot be held or written is started read-only, as the window does: nothing is
// saved, and the files that would have been are named. A folder that could not be given all it
// lacks (a language file, say: the captions are built in) is started all the same, as the window
// does, and what failed is reported.
int startCommand(const Services& services, HeadlessUserInterface& ui, const std::filesystem::path& home,
                 std::ostream& err) {
    std::filesystem::create_directories(home);
    const FolderHold hold = holdFolder(home);
    if (hold.busy) {
        err << AppFolderLock::busyMessage(home) << '\n';
        return 1;
    }
    const bool readOnly = !hold.readOnlyReason.empty();
    if (readOnly) {
        services.ui.showMessage(AppFolderLock::readOnlyMessage(home, hold.readOnlyReason));
    } else {
        try {
            Organizer::provision(AppPaths{home});
        } catch (const Error& error) {
            services.ui.showMessage(error.what());
        }
    }
    Organizer organizer(services, home);
    organizer.setReadOnly(readOnly);
    organizer.start();
    organizer.firstShow();
    organizer.close();
    return ui.messageCount() ? 1 : 0;
}

// Holds the folder for a command that changes the store: only a folder that holds a store is
// used, so a wrong --home leaves nothing behind; nullptr with a message when the folder is busy or
// cannot be written.
std::unique_ptr<AppFolderLock> holdForWrite(const std::filesystem::path& home, std::ostream& err) {
    const auto store = TaskStore::storeFile(AppPaths{home}.data());
    if (!std::filesystem::exists(store)) throw StoreError("The task store \"" + store.string() + "\" does not exist");
    FolderHold hold = holdFolder(home);
    if (hold.busy || !hold.readOnlyReason.empty()) {
        err << (hold.busy ? AppFolderLock::busyMessage(home)
                          : "Cannot write to \"" + home.string() + "\": " + hold.readOnlyReason)
            << '\n';
        return nullptr;
    }
    return std::move(hold.lock);
}

}  // namespace

int runCompanion(const std::vector<std::string>& args, const std::string& executableFolder, std::ostream& out,
                 std::ostream& err) {
    try {
        const Invocation call = parse(args);
        if (call.version) {
            out << "torvalet-cli " << programVersion() << '\n';
            return 0;
        }
        if (call.help) {
            out << usage;
            return 0;
        }
        if (call.command.empty() || call.command == "help") {
            (call.command.empty() && args.empty() ? err : out) << usage;
            return call.command.empty() && args.empty() ? 2 : 0;
        }
        if (call.command == "hotkey" && call.positional.size() == 1) return hotKeyCommand(call.positional[0], out);
        if (call.command == "hotkey") throw UsageError{"hotkey takes one TEXT"};
        const std::filesystem::path home = homeOf(call, executableFolder);
        HeadlessServices headless(call.options, err);
        if (call.command == "tasks") return tasksCommand(headless.services, home, call.json, out);
        if (call.command == "add") {
            if (call.positional.empty()) throw UsageError{"add takes a TEXT"};
            checkAddArguments(addText(call.positional), call.values);
        }
        if (call.command == "tree") return treeCommand(call, home, out, err);
        if (call.command == "start") return startCommand(headless.services, headless.ui, home, err);
        const bool analyze = call.command == "analyze";
        const std::string analysis = analyze && call.positional.size() == 1 ? call.positional[0] : "";
        if (analyze && analysis != "calendar" && analysis != "contacts")
            throw UsageError{"analyze takes calendar or contacts"};
        if (call.command != "add" && call.command != "tick" && !analyze)
            throw UsageError{"unknown command " + call.command};
        if (call.command != "tick" && call.values.count("--since")) throw UsageError{"--since goes with tick"};
        const auto lock = holdForWrite(home, err);
        if (!lock) return 1;
        if (call.command == "tick") {
            std::optional<DateTime> since;
            if (const auto value = call.values.find("--since"); value != call.values.end()) {
                since = parseDateTime(value->second);
                if (!since) throw UsageError{"--since takes \"YYYY-MM-DD HH:MM\", not \"" + value->second + "\""};
            }
            return tickCommand(headless, home, out, since);
        }
        if (analyze) return analyzeCommand(headless, analysis, home, out, err);
        return addCommand(headless.services, home, addText(call.positional), call.values, out, err);
    } catch (const UsageError& error) {
        err << "torvalet-cli: " << error.message << "\nRun \"torvalet-cli --help\" for the commands and options.\n";
        return 2;
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
}

}  // namespace torvalet::cli
