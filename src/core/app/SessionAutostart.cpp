#include "app/SessionAutostart.h"

#include <sstream>

#include "base/Environment.h"
#include "base/Errors.h"
#include "base/FileIo.h"
#include "base/Text.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

// Whether the keys of the main group of a desktop entry switch it off.
bool hiddenEntry(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    bool mainGroup = false;
    while (std::getline(lines, line)) {
        line = trimmed(line);
        if (!line.empty() && line.front() == '[') mainGroup = line == "[Desktop Entry]";
        const auto equals = line.find('=');
        if (!mainGroup || equals == std::string::npos) continue;
        const std::string key = trimmed(line.substr(0, equals)), value = trimmed(line.substr(equals + 1));
        if ((key == "Hidden" && value == "true") || (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return true;
    }
    return false;
}

// The escapes of a desktop entry's string values.
std::string escapedValue(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

SessionAutostart::SessionAutostart(fs::path autostartFolder, fs::path executable, std::optional<fs::path> torvaletHome)
    : folder_(std::move(autostartFolder)), executable_(std::move(executable)), torvaletHome_(std::move(torvaletHome)) {}

fs::path SessionAutostart::userFolder(const std::optional<std::string>& xdgConfigHome,
                                      const std::optional<std::string>& home) {
    // A relative $XDG_CONFIG_HOME is invalid and ignored.
    if (xdgConfigHome && fs::path(*xdgConfigHome).is_absolute()) return fs::path(*xdgConfigHome) / "autostart";
    return fs::path(home.value_or(".")) / ".config" / "autostart";
}

SessionAutostart SessionAutostart::forCurrentUser(fs::path executable) {
    std::optional<fs::path> torvaletHome;
    if (const auto home = environmentVariable("TORVALET_HOME")) torvaletHome = fs::absolute(*home);
    return {userFolder(environmentVariable("XDG_CONFIG_HOME"), environmentVariable("HOME")), std::move(executable),
            std::move(torvaletHome)};
}

bool SessionAutostart::enabled() const {
    if (!fileExists(entryFile())) return false;
    try {
        return !hiddenEntry(readFileBytes(entryFile()));
    } catch (const FileError&) {
        return false;
    }
}

void SessionAutostart::setEnabled(bool on) const {
    if (on) {
        std::error_code error;
        fs::create_directories(folder_, error);
        if (error) throw FileError("Cannot create folder \"" + folder_.string() + "\". " + error.message());
        writeFileAtomic(entryFile(), entryText());
        return;
    }
    std::error_code error;
    fs::remove(entryFile(), error);
    if (error) throw FileError("Cannot delete file \"" + entryFile().string() + "\". " + error.message());
}

std::string SessionAutostart::entryText() const {
    std::string text =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Torvalet\n"
        "GenericName=Personal Organizer\n"
        "Comment=Dated tasks and reminders, goals, links, contacts, phrases and recurring events\n";
    std::string exec;
    if (torvaletHome_) exec = "env " + desktopExecArgument("TORVALET_HOME=" + torvaletHome_->string()) + " ";
    exec += desktopExecArgument(executable_.string());
    text += "Exec=" + escapedValue(exec) + "\n";
    text += "Icon=org.torvalet.Torvalet\nTerminal=false\n";
    return text;
}

std::string desktopExecArgument(const std::string& argument) {
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string percentEscaped;
    for (const char c : argument) percentEscaped += c == '%' ? std::string("%%") : std::string(1, c);
    if (!argument.empty() && argument.find_first_of(reserved) == std::string::npos) return percentEscaped;
    std::string quoted = "\"";
    for (const char c : percentEscaped) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace torvalet
