#pragma once

#include <string>

namespace torvalet {

// An "open" request handed to the desktop: a file, program or address, its parameters, and the
// folder it runs in. The organiser builds the texts as its Windows ancestor handed them to the
// shell; a shell implementation recognises these:
namespace ShellText {
inline constexpr const char* browser = "IEXPLORE.EXE";  // with newWindow + the address as parameters
inline constexpr const char* newWindow = " -new ";
inline constexpr const char* fileManager = "explorer.exe";  // with folderSwitches + the folder
inline constexpr const char* folderSwitches = "/n, /e,";
inline constexpr const char* mailTo = "mailto:";
}  // namespace ShellText

struct OpenRequest {
    std::string file;
    std::string parameters;
    std::string directory;

    friend bool operator==(const OpenRequest&, const OpenRequest&) = default;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Starts what the request names and returns at once. False when the desktop refused it.
    virtual bool open(const OpenRequest& request) = 0;
};

}  // namespace torvalet
