#include "shell/HelpCommands.h"

#include "base/FileIo.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"
#include "shell/Settings.h"

namespace torvalet {

std::optional<std::string> HelpCommands::helpFile(int language) {
    if (language == 0) return "Help/en.chm";
    if (language == 1 || language == 2) return "Help/ru.chm";
    return std::nullopt;
}

std::optional<std::string> HelpCommands::manualFile(int language) {
    if (language == 0) return "Help/en_index.htm";
    if (language == 1) return "Help/ru_index.htm";
    return std::nullopt;
}

void HelpCommands::TorvaletHelp1Click() { openDocument(helpFile(settings_.iLanguage)); }

void HelpCommands::mManualClick() { openDocument(manualFile(settings_.iLanguage)); }

void HelpCommands::mHomepageClick() {
    if (!shell_.open({ShellText::browser, std::string(ShellText::newWindow) + homePage, home_.string()}))
        ui_.showMessage(std::string("Cannot open ") + homePage);
}

void HelpCommands::openDocument(const std::optional<std::string>& relative) {
    if (!relative) return;
    const std::filesystem::path file = home_ / *relative;
    if (!fileExists(file)) {
        ui_.showMessage("The help file \"" + file.string() + "\" is not there.");
        return;
    }
    if (!shell_.open({file.string(), "", home_.string()})) ui_.showMessage("Cannot open \"" + file.string() + "\"");
}

}  // namespace torvalet
