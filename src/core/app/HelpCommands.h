#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/Date.h"

namespace torvalet {

class Shell;
struct DesktopRequest;
class UserInterface;
struct Settings;

// The commands of the Help and Service menus that open documents and folders: the help and the
// manual of the language in force (from the application folder's "Help"), the read-me, the home
// page and a mail to support; the private and useful information files in the text editor; the
// folder of the day.
class HelpCommands {
public:
    static constexpr const char* homePage = "https://torvalet.org/";
    static constexpr const char* supportAddress = "support@torvalet.org";

    HelpCommands(Shell& shell, UserInterface& ui, const Settings& settings, std::filesystem::path home)
        : shell_(shell), ui_(ui), settings_(settings), home_(std::move(home)) {}

    // "Help/en.chm" for English, "Help/ru.chm" for Russian and Macedonian; nothing for Hellenic.
    void openHelp();
    // "Help/en_index.htm" for English, "Help/ru_index.htm" for Russian; nothing for the others.
    void openManual();
    void openHomePage();
    // "ReadMe.txt" of the application folder.
    void openReadMe();
    void mailSupport();
    // "Private.txt" and "Useful.txt" of the application folder, made empty when missing.
    void openPrivateInfo();
    void openUsefulInfo();
    // "Days/YYYY-MM-DD" of the application folder: made then shown in the file
    // manager; opening a day folder that was not made is reported.
    void createDayFolder(Date today);
    void openDayFolder(Date today);
    static std::string dayFolder(Date today);

    // The help document of a language, relative to the application folder, if it has one.
    static std::optional<std::string> helpFile(int language);
    static std::optional<std::string> manualFile(int language);

private:
    // Opens a document of the application folder; a missing one or a refusal is reported.
    void openDocument(const std::optional<std::string>& relative);
    void openNotes(const std::string& relative);
    void openRequest(const DesktopRequest& request, const std::string& what);

    Shell& shell_;
    UserInterface& ui_;
    const Settings& settings_;
    std::filesystem::path home_;
};

}  // namespace torvalet
