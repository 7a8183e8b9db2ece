#include "base/Version.h"

namespace torvalet {

std::string_view programVersion() { return TORVALET_VERSION; }

std::string programVersionCaption() {
    return std::string("Torvalet ") + TORVALET_VERSION + " (" + TORVALET_RELEASE_DATE + ")";
}

}  // namespace torvalet
