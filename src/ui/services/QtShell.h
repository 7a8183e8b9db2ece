#pragma once

#include "platform/Shell.h"

namespace torvalet::ui {

// Hands "open" requests to the desktop: web addresses and mail to the default handlers, folders to
// the file manager, programs and files with their parameters to a process started without a shell.
class QtShell : public Shell {
public:
    bool open(const OpenRequest& request) override;
};

}  // namespace torvalet::ui
