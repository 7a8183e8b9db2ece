#include "shell/UserListFile.h"

#include <cstdlib>
#include <sstream>

#include "base/FileIo.h"

namespace torvalet {

namespace fs = std::filesystem;

UserListFile::UserListFile(fs::path folder) : folder_(std::move(folder)) {}

fs::path UserListFile::defaultFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) return fs::path(config) / "torvalet";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".config" / "torvalet";
}

std::vector<std::string> UserListFile::readList(const std::string& name) const {
    std::vector<std::string> items;
    std::error_code ignored;
    if (!fs::exists(folder_ / (name + ".list"), ignored)) return items;
    std::istringstream in(readFileBytes(folder_ / (name + ".list")));
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) items.push_back(line);
    return items;
}

void UserListFile::writeList(const std::string& name, const std::vector<std::string>& items) {
    std::error_code ignored;
    fs::create_directories(folder_, ignored);
    std::string text;
    for (const std::string& item : items) text += item + "\n";
    writeFileAtomic(folder_ / (name + ".list"), text);
}

}  // namespace torvalet
