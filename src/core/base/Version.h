#pragma once

#include <string>
#include <string_view>

namespace torvalet {

// The program's version ("MAJOR.MINOR.PATCH"), set once for the whole build by the project.
std::string_view programVersion();
// The product name, its version and its release date: "Torvalet 0.1.0 (2026-12-10)".
std::string programVersionCaption();

}  // namespace torvalet
