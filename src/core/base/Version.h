#pragma once

#include <string_view>

namespace torvalet {

// The program's version ("MAJOR.MINOR.PATCH"), set once for the whole build by the project.
std::string_view programVersion();

}  // namespace torvalet
