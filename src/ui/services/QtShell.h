#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include "platform/Shell.h"

namespace torvalet::ui {

// What the desktop is asked to do for one request.
struct DesktopAction {
    enum Kind { Refuse, OpenUrl, StartProgram, StartBrowser };
    Kind kind = Refuse;
    QUrl url;               // OpenUrl: a web or mail address, or a local file or folder
    QString program;        // StartProgram
    QStringList arguments;  // StartProgram: the parameters split as a command line, never given to a shell
    QString folder;         // StartProgram, StartBrowser: the folder it runs in

    bool operator==(const DesktopAction&) const = default;
};

// Carries desktop requests out. Addresses and mail go to the default handlers (the browser on
// its own is the default browser's program), folders to the file manager (on its own, it shows
// the home folder), documents to the program for their type, and programs are started detached
// with their parameters, in the request's folder. Relative names are found in that folder, then
// (for programs) along PATH. There is no diskette copy to start. What cannot be done is said in
// a box that does not wait.
class QtShell : public Shell {
public:
    bool open(const DesktopRequest& request) override;

    static DesktopAction plan(const DesktopRequest& request);
    static bool carryOut(const DesktopAction& action);

private:
    static void tellRefused(const DesktopRequest& request);
};

}  // namespace torvalet::ui
