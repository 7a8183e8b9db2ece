#pragma once

#include <string>

namespace torvalet::cli {

// A command line the companion cannot follow: reported with a hint to --help, exit status 2.
struct UsageError {
    std::string message;
};

}  // namespace torvalet::cli
