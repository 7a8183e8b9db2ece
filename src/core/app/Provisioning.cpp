#include "app/Provisioning.h"

#include "app/Embedded.h"
#include "app/ShippedData.h"
#include "base/Errors.h"
#include "base/FileIo.h"
#include "tasks/TaskStore.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

void makeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) throw FileError("Cannot create folder \"" + folder.string() + "\". " + error.message());
}

void copyMissing(const std::vector<embedded::File>& files, const fs::path& folder) {
    for (const embedded::File& embedded : files) {
        const fs::path file = folder / std::string(embedded.name);
        if (nothingAt(file)) writeFileAtomic(file, embedded.bytes);
    }
}

bool isEmptyFolder(const fs::path& folder) {
    std::error_code error;
    return fs::is_empty(folder, error) && !error;
}

}  // namespace

void provisionApplicationFolder(const AppPaths& paths, const std::function<void()>& provisionTrees) {
    makeFolder(paths.home);
    std::error_code ignored;
    const bool newData = !fs::exists(paths.data(), ignored) || isEmptyFolder(paths.data());
    for (const fs::path& folder : {paths.data(), paths.lang(), paths.sounds(), paths.logs(), paths.tasks()})
        makeFolder(folder);
    if (newData) TaskStore::create(paths.data());
    // The installed program's shipped files first; the compiled-in ones fill what it does not ship.
    copyShippedData(shippedDataFolder(), paths);
    copyMissing(embedded::soundCues(), paths.sounds());
    copyMissing(embedded::languageFiles(), paths.lang());
    if (newData && provisionTrees) provisionTrees();
    // The guide is a courtesy: a folder that cannot take it still starts.
    try {
        copyMissing(embedded::documents(), paths.home);
    } catch (const FileError&) {
    }
}

}  // namespace torvalet
