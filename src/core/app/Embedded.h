#pragma once

#include <string_view>
#include <vector>

namespace torvalet::embedded {

// A data file compiled into the program: what a new application folder receives when no
// installed copy of the data is found.
struct File {
    std::string_view name;
    std::string_view bytes;
};

// The sound cues of "Sounds".
const std::vector<File>& soundCues();
// The language files of "Lang".
const std::vector<File>& languageFiles();
// The documents of the application folder itself ("ReadMe.txt").
const std::vector<File>& documents();

}  // namespace torvalet::embedded
