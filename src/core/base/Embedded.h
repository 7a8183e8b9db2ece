#pragma once

#include <string_view>
#include <vector>

namespace torvalet::embedded {

// A data file compiled into the program (the sound cues a new application folder receives).
struct File {
    std::string_view name;
    std::string_view bytes;
};

const std::vector<File>& all();

}  // namespace torvalet::embedded
