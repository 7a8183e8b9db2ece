#include "model/AppFolder.h"

#include "base/Environment.h"

namespace torvalet {

namespace fs = std::filesystem;

AppFolderEnvironment AppFolderEnvironment::current(const fs::path& executableFolder) {
    return {environmentVariable("TORVALET_HOME"), environmentVariable("XDG_DATA_HOME"), environmentVariable("HOME"),
            executableFolder};
}

fs::path resolveApplicationFolder(const AppFolderEnvironment& environment) {
    if (environment.torvaletHome) return fs::absolute(*environment.torvaletHome);
    const fs::path& portable = environment.executableFolder;
    std::error_code ignored;
    if (!portable.empty() && (fs::exists(portable / "torvalet.ini", ignored) || fs::exists(portable / "Data", ignored)))
        return portable;
    if (environment.xdgDataHome) return fs::path(*environment.xdgDataHome) / "torvalet";
    return fs::path(environment.home.value_or(".")) / ".local" / "share" / "torvalet";
}

}  // namespace torvalet
