#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include "platform/Shell.h"

namespace torvalet::ui {

// What the desktop is asked to do for one "open" request.
struct DesktopAction {
    enum Kind { Refuse, OpenUrl, StartProgram, StartBrowser };
    Kind kind = Refuse;
    QUrl url;               // OpenUrl: a web or mail address, or a local file or folder
    QString program;        // StartProgram
    QStringList arguments;  // StartProgram: the parameters split as a command line, never given to a shell
    QString folder;         // StartProgram, StartBrowser: the folder it runs in

    bool operator==(const DesktopAction&) const = default;
};

// Hands "open" requests to the desktop. The browser requests ("IEXPLORE.EXE" with " -new " and
// an address) and "mailto:" go to the default handlers, a file manager request ("explorer.exe"
// with "/n, /e," and a folder) and every folder to the file manager, documents to the program
// for their type, and programs are started detached with their parameters, in the request's
// folder. Relative names are found in that folder, then (for programs) along PATH. What cannot
// be opened is said in a box that does not wait.
class QtShell : public Shell {
public:
    bool open(const OpenRequest& request) override;

    static DesktopAction plan(const OpenRequest& request);
    static bool carryOut(const DesktopAction& action);

private:
    static void tellRefused(const OpenRequest& request);
};

}  // namespace torvalet::ui
