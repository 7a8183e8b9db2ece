#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace torvalet::cli {

// The headless companion: runs the organiser's core on an application folder without windows.
// Returns the exit status: 0 success, 1 data could not be read or written, 2 usage error.
int runCompanion(const std::vector<std::string>& args, const std::string& executableFolder, std::ostream& out,
                 std::ostream& err);

}  // namespace torvalet::cli
