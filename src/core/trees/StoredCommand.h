#pragma once

#include <string>

#include "platform/Shell.h"

namespace torvalet {

// The request for a file or program with its parameters as the user stored them in a link or a
// task, run in `folder`. Profiles made on Windows name the browser ("IEXPLORE.EXE" with "-new"
// and an address, or alone) and the file manager ("explorer.exe" with "/n, /e," and a folder, or
// alone) as programs, and a "mailto:" address as a file: those become the requests to browse,
// show the folder and mail. Everything else is opened by what it is, with the parameters.
DesktopRequest storedCommand(const std::string& file, const std::string& parameters, const std::string& folder);

}  // namespace torvalet
