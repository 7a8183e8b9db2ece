#pragma once

#include <filesystem>

#include "platform/PerUserStore.h"

namespace torvalet {

// Per-user lists kept as text files, one item per line, in the user's configuration folder
// ($XDG_CONFIG_HOME/torvalet or ~/.config/torvalet), outside the application folder.
class UserListFile : public PerUserStore {
public:
    explicit UserListFile(std::filesystem::path folder);
    static std::filesystem::path defaultFolder();

    std::vector<std::string> readList(const std::string& name) const override;
    void writeList(const std::string& name, const std::vector<std::string>& items) override;

private:
    std::filesystem::path folder_;
};

}  // namespace torvalet
