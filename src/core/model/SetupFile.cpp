#include "model/SetupFile.h"

#include <system_error>

#include "base/FileIo.h"

namespace torvalet {

SetupFile::SetupFile(const std::filesystem::path& applicationFolder) : path_(applicationFolder / fileName) {}

ProfileFile SetupFile::read() const {
    std::error_code error;
    const bool present = std::filesystem::exists(path_, error);
    if (!present && !error) return {};
    return ProfileFile::parse(readFileBytes(path_));
}

void SetupFile::write(const ProfileFile& file) const { writeFileAtomic(path_, file.bytes()); }

}  // namespace torvalet
