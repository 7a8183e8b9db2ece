#include <filesystem>
#include <iostream>

#include "cli/Companion.h"

int main(int argc, char** argv) {
    std::error_code ignored;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", ignored);
    return torvalet::cli::runCompanion(std::vector<std::string>(argv + 1, argv + argc),
                                       executable.parent_path().string(), std::cout, std::cerr);
}
