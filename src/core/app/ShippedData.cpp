#include "app/ShippedData.h"

#include "base/FileIo.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

void copyMissingFiles(const fs::path& from, const fs::path& to) {
    std::error_code error;
    for (fs::directory_iterator entry(from, error), end; !error && entry != end; entry.increment(error)) {
        if (!entry->is_regular_file(error)) continue;
        const fs::path target = to / entry->path().filename();
        if (nothingAt(target)) writeFileAtomic(target, readFileBytes(entry->path()));
    }
}

}  // namespace

fs::path shippedDataFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const fs::path shipped = (executable.parent_path() / TORVALET_SHIPPED_DATA).lexically_normal();
    return fs::is_directory(shipped, error) ? shipped : fs::path();
}

void copyShippedData(const fs::path& shipped, const AppPaths& paths) {
    if (shipped.empty()) return;
    copyMissingFiles(shipped / "Lang", paths.lang());
    copyMissingFiles(shipped / "Sounds", paths.sounds());
}

}  // namespace torvalet
