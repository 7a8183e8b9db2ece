#include "base/Environment.h"

#include <cstdlib>

namespace torvalet {

std::optional<std::string> environmentVariable(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::string(value);
}

}  // namespace torvalet
