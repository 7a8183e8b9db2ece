#pragma once

#include <string>

namespace torvalet {

// What the organiser asks the desktop to do. The organiser decides the kind from what it opens;
// the desktop decides how each kind is carried out.
struct DesktopRequest {
    enum class Kind {
        Browse,        // target: a web address, in a new browser window; empty: the browser on its own
        ShowFolder,    // target: a folder in the file manager; empty: the file manager on its own
        Mail,          // target: a "mailto:" address, with the addresses, subject and body as written
        Open,          // target: a document, folder, program or address, opened by what it is
        CopyDiskette,  // the desktop's diskette copy; no target
    };

    Kind kind = Kind::Open;
    std::string target;
    // Open: the parameters a program is started with, as one command line.
    std::string arguments;
    // The folder the request runs in: relative targets are found there, programs start there.
    std::string folder;

    friend bool operator==(const DesktopRequest&, const DesktopRequest&) = default;
};

inline const char* kindName(DesktopRequest::Kind kind) {
    switch (kind) {
    case DesktopRequest::Kind::Browse: return "browse";
    case DesktopRequest::Kind::ShowFolder: return "show folder";
    case DesktopRequest::Kind::Mail: return "mail";
    case DesktopRequest::Kind::Open: return "open";
    case DesktopRequest::Kind::CopyDiskette: return "copy diskette";
    }
    return "unknown request";
}

// "open notes.txt --flag" and the like: the kind, the target and the arguments, for logs and for
// what a test reports.
inline std::string describe(const DesktopRequest& request) {
    std::string text = kindName(request.kind);
    if (!request.target.empty()) text += ' ' + request.target;
    if (!request.arguments.empty()) text += ' ' + request.arguments;
    return text;
}

class Shell {
public:
    virtual ~Shell() = default;
    // Starts what the request names and returns at once. False when the desktop refused it.
    virtual bool open(const DesktopRequest& request) = 0;
};

}  // namespace torvalet
