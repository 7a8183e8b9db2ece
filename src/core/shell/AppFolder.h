#pragma once

#include <filesystem>
#include <functional>
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

// Gives the application folder what it lacks: the folders "Data" (with a new store when the folder is
// new or empty), "Lang", "Sounds" (with the program's cue files), "Logs" and "Tasks". Never replaces a
// file that exists. A new folder (one whose "Data" was missing or empty) also gets its tree files from
// `provisionTrees`. Throws FileError or StoreError.
void provisionApplicationFolder(const AppPaths& paths, const std::function<void()>& provisionTrees);

}  // namespace torvalet
