#pragma once

#include <string>

namespace torvalet {

// An "open" request handed to the desktop, with the texts the behaviour builds
// ("IEXPLORE.EXE" with " -new " + the address, "explorer.exe" with "/n, /e," + the folder, "mailto:..." ...).
struct OpenRequest {
    std::string file;
    std::string parameters;
    std::string directory;

    friend bool operator==(const OpenRequest&, const OpenRequest&) = default;
};

class Shell {
public:
    virtual ~Shell() = default;
    // False when the desktop refused the request.
    virtual bool open(const OpenRequest& request) = 0;
};

}  // namespace torvalet
