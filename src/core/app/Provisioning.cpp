#include "app/Provisioning.h"

#include <exception>
#include <vector>

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

// One failure as it was raised; several as one FileError that gives each message on a line.
void raiseTogether(const std::vector<std::exception_ptr>& failures) {
    if (failures.empty()) return;
    if (failures.size() == 1) std::rethrow_exception(failures.front());
    std::string messages;
    for (const std::exception_ptr& failure : failures) {
        try {
            std::rethrow_exception(failure);
        } catch (const Error& error) {
            messages += (messages.empty() ? "" : "\n") + std::string(error.what());
        }
    }
    throw FileError(messages);
}

bool isEmptyFolder(const fs::path& folder) {
    std::error_code error;
    return fs::is_empty(folder, error) && !error;
}

}  // namespace

// Each step is tried whatever the others did: a language file that cannot be written leaves the
// store and the tree files to be made all the same. The failures are raised together at the end.
void provisionApplicationFolder(const AppPaths& paths, const std::function<void()>& provisionTrees) {
    makeFolder(paths.home);
    std::vector<std::exception_ptr> failures;
    const auto step = [&failures](const std::function<void()>& run) {
        try {
            run();
        } catch (const Error&) {
            failures.push_back(std::current_exception());
        }
    };
    std::error_code ignored;
    const bool newData = !fs::exists(paths.data(), ignored) || isEmptyFolder(paths.data());
    for (const fs::path& folder : {paths.data(), paths.lang(), paths.sounds(), paths.logs(), paths.tasks()})
        step([&folder] { makeFolder(folder); });
    if (newData) step([&paths] { TaskStore::create(paths.data()); });
    // The installed program's shipped files first; the compiled-in ones fill what it does not ship.
    step([&paths] { copyShippedData(shippedDataFolder(), paths); });
    step([&paths] { copyMissing(embedded::soundCues(), paths.sounds()); });
    step([&paths] { copyMissing(embedded::languageFiles(), paths.lang()); });
    if (newData && provisionTrees) step(provisionTrees);
    // The guide is a courtesy: a folder that cannot take it still starts.
    try {
        copyMissing(embedded::documents(), paths.home);
    } catch (const FileError&) {
    }
    raiseTogether(failures);
}

}  // namespace torvalet
