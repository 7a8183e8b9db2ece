#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace torvalet {

// Where the application folder is: $TORVALET_HOME when set; else the executable's folder when it
// holds "torvalet.ini" or "Data" (a portable copy); else $XDG_DATA_HOME/torvalet (~/.local/share/torvalet).
struct AppFolderEnvironment {
    std::optional<std::string> torvaletHome;
    std::optional<std::string> xdgDataHome;
    std::optional<std::string> home;
    std::filesystem::path executableFolder;

    static AppFolderEnvironment current(const std::filesystem::path& executableFolder);
};

std::filesystem::path resolveApplicationFolder(const AppFolderEnvironment& environment);

// The folders and files of the application folder.
struct AppPaths {
    std::filesystem::path home;

    std::filesystem::path data() const { return home / "Data"; }
    std::filesystem::path lang() const { return home / "Lang"; }
    std::filesystem::path sounds() const { return home / "Sounds"; }
    std::filesystem::path logs() const { return home / "Logs"; }
    std::filesystem::path tasks() const { return home / "Tasks"; }
    std::filesystem::path settings() const { return home / "torvalet.ini"; }
    std::filesystem::path messagePad() const { return home / "msgpad.txt"; }
};

}  // namespace torvalet
