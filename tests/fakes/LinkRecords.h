#pragma once

#include <cstdint>
#include <string>

#include "trees/LinkRecord.h"

namespace torvalet::testing {

// A link of that kind (its number in the link file), address, working folder and parameters.
inline LinkRecord linkOf(std::int32_t kind, const std::string& url, const std::string& dir = {},
                         const std::string& params = {}) {
    LinkRecord link;
    link.kind = kind;
    link.url = url;
    link.dir = dir;
    link.params = params;
    return link;
}

}  // namespace torvalet::testing
