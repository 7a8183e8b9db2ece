#pragma once

#include <optional>
#include <ostream>

namespace torvalet::ui {

// Answers --help and --version before the application object exists, so that they work without a
// display. Returns the exit status when one of them was asked for, nullopt to start the program.
std::optional<int> answerInformationOptions(int argc, char** argv, std::ostream& out);

// Gives the running application its version, its desktop entry's name and its icon.
void setProgramIdentity();

}  // namespace torvalet::ui
