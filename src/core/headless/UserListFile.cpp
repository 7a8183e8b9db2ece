#include "headless/UserListFile.h"

#include <sstream>

#include "base/Environment.h"
#include "base/FileIo.h"

namespace torvalet {

namespace fs = std::filesystem;

UserListFile::UserListFile(fs::path folder) : folder_(std::move(folder)) {}

fs::path UserListFile::defaultFolder() {
    if (auto config = environmentVariable("XDG_CONFIG_HOME")) return fs::path(*config) / "torvalet";
    return fs::path(environmentVariable("HOME").value_or(".")) / ".config" / "torvalet";
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
