#include "tasks/StoreSnapshot.h"

#include <cstdlib>
#include <string>

#include "base/Errors.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

fs::path logOf(const fs::path& storeFile) { return storeFile.string() + "-wal"; }

}  // namespace

bool StoreSnapshot::hasLog(const fs::path& storeFile) {
    std::error_code error;
    const auto size = fs::file_size(logOf(storeFile), error);
    return !error && size > 0;
}

StoreSnapshot::StoreSnapshot(const fs::path& storeFile) {
    std::string pattern = (fs::temp_directory_path() / "torvalet-store-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw StoreError("Cannot copy the task store \"" + storeFile.string() + "\"");
    folder_ = pattern;
    file_ = folder_ / storeFile.filename();
    std::error_code error;
    fs::copy_file(storeFile, file_, error);
    if (!error && hasLog(storeFile)) fs::copy_file(logOf(storeFile), logOf(file_), error);
    if (error) {
        fs::remove_all(folder_, error);
        throw StoreError("Cannot copy the task store \"" + storeFile.string() + "\": " + error.message());
    }
}

StoreSnapshot::~StoreSnapshot() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

}  // namespace torvalet
