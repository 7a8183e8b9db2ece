#pragma once

#include <optional>
#include <string>

namespace torvalet {

// The value of an environment variable; nothing when it is unset or empty.
std::optional<std::string> environmentVariable(const char* name);

}  // namespace torvalet
