#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace torvalet {

class Shell;
class UserInterface;
struct Settings;

// The commands of the Help menu that open documents: the help and the manual of the language in
// force (from the application folder's "Help"), and the program's home page.
class HelpCommands {
public:
    static constexpr const char* homePage = "https://torvalet.org/";

    HelpCommands(Shell& shell, UserInterface& ui, const Settings& settings, std::filesystem::path home)
        : shell_(shell), ui_(ui), settings_(settings), home_(std::move(home)) {}

    // "Help/en.chm" for English, "Help/ru.chm" for Russian and Macedonian; nothing for Hellenic.
    void TorvaletHelp1Click();
    // "Help/en_index.htm" for English, "Help/ru_index.htm" for Russian; nothing for the others.
    void mManualClick();
    void mHomepageClick();

    // The help document of a language, relative to the application folder, if it has one.
    static std::optional<std::string> helpFile(int language);
    static std::optional<std::string> manualFile(int language);

private:
    // Opens a document of the application folder; a missing one or a refusal is reported.
    void openDocument(const std::optional<std::string>& relative);

    Shell& shell_;
    UserInterface& ui_;
    const Settings& settings_;
    std::filesystem::path home_;
};

}  // namespace torvalet
