#include "app/HelpCommands.h"

#include <cstdio>

#include "base/FileIo.h"
#include "model/Language.h"
#include "model/Settings.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"

namespace torvalet {

std::optional<std::string> HelpCommands::helpFile(int language) {
    if (language == 0) return "Help/en.chm";
    if (Language(language).takesRussianMessages()) return "Help/ru.chm";
    return std::nullopt;
}

std::optional<std::string> HelpCommands::manualFile(int language) {
    if (language == 0) return "Help/en_index.htm";
    if (language == 1) return "Help/ru_index.htm";
    return std::nullopt;
}

void HelpCommands::openHelp() { openDocument(helpFile(settings_.language)); }

void HelpCommands::openManual() { openDocument(manualFile(settings_.language)); }

void HelpCommands::openHomePage() {
    openRequest({DesktopRequest::Kind::Browse, homePage, {}, home_.string()}, homePage);
}

void HelpCommands::openReadMe() { openDocument("ReadMe.txt"); }

void HelpCommands::mailSupport() {
    openRequest({DesktopRequest::Kind::Mail, std::string("mailto:") + supportAddress, {}, home_.string()},
                supportAddress);
}

void HelpCommands::openPrivateInfo() { openNotes("Private.txt"); }

void HelpCommands::openUsefulInfo() { openNotes("Useful.txt"); }

std::string HelpCommands::dayFolder(Date today) {
    char name[24];
    std::snprintf(name, sizeof name, "Days/%04d-%02d-%02d", today.year(), today.month(), today.day());
    return name;
}

void HelpCommands::createDayFolder(Date today) {
    const std::filesystem::path folder = home_ / dayFolder(today);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder)) {
        ui_.showMessage("Cannot create the folder \"" + folder.string() + "\": " + error.message());
        return;
    }
    openDayFolder(today);
}

void HelpCommands::openDayFolder(Date today) {
    const std::filesystem::path folder = home_ / dayFolder(today);
    if (!std::filesystem::is_directory(folder)) {
        ui_.showMessage("The day folder \"" + folder.string() + "\" is not there: Create Day Folder makes it.");
        return;
    }
    openRequest({DesktopRequest::Kind::ShowFolder, folder.string(), {}, home_.string()}, folder.string());
}

void HelpCommands::openNotes(const std::string& relative) {
    const std::filesystem::path file = home_ / relative;
    if (!fileExists(file)) {
        try {
            writeFileAtomic(file, "");
        } catch (const std::exception& e) {
            ui_.showMessage(e.what());
            return;
        }
    }
    openRequest({DesktopRequest::Kind::Open, file.string(), {}, home_.string()}, file.string());
}

void HelpCommands::openRequest(const DesktopRequest& request, const std::string& what) {
    if (!shell_.open(request)) ui_.showMessage("Cannot open \"" + what + "\"");
}

void HelpCommands::openDocument(const std::optional<std::string>& relative) {
    if (!relative) return;
    const std::filesystem::path file = home_ / *relative;
    if (!fileExists(file)) {
        ui_.showMessage("The file \"" + file.string() + "\" is not there.");
        return;
    }
    openRequest({DesktopRequest::Kind::Open, file.string(), {}, home_.string()}, file.string());
}

}  // namespace torvalet
