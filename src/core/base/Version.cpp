#include "base/Version.h"

namespace torvalet {

std::string_view programVersion() { return TORVALET_VERSION; }

}  // namespace torvalet
