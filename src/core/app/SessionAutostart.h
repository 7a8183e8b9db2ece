#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace torvalet {

// Starting the organiser with the desktop session: a desktop entry named after the program's launcher
// in the user's autostart folder ($XDG_CONFIG_HOME/autostart, else ~/.config/autostart).
class SessionAutostart {
public:
    static constexpr const char* entryName = "org.torvalet.Torvalet.desktop";

    // `executable` is the program the session starts; `torvaletHome`, when given, the application
    // folder it is to open, passed on as $TORVALET_HOME.
    SessionAutostart(std::filesystem::path autostartFolder, std::filesystem::path executable,
                     std::optional<std::filesystem::path> torvaletHome = std::nullopt);
    // The current user's autostart folder, from the environment.
    static std::filesystem::path userFolder(const std::optional<std::string>& xdgConfigHome,
                                            const std::optional<std::string>& home);
    // The current user's entry, starting the program on the folder that $TORVALET_HOME names now.
    static SessionAutostart forCurrentUser(std::filesystem::path executable);

    std::filesystem::path entryFile() const { return folder_ / entryName; }
    // True when the entry is there and not hidden (Hidden=true, or a desktop's own switch turned off).
    bool enabled() const;
    // Writes the entry (creating the folder) or removes it. Throws FileError.
    void setEnabled(bool on) const;
    // The entry's text.
    std::string entryText() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path executable_;
    std::optional<std::filesystem::path> torvaletHome_;
};

// One argument of a desktop entry's Exec key, quoted and escaped where it needs to be.
std::string desktopExecArgument(const std::string& argument);

}  // namespace torvalet
