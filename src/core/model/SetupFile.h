#pragma once

#include <filesystem>

#include "base/ProfileFile.h"

namespace torvalet {

// The settings file "torvalet.ini" of an application folder.
class SetupFile {
public:
    static constexpr const char* fileName = "torvalet.ini";

    explicit SetupFile(const std::filesystem::path& applicationFolder);

    const std::filesystem::path& path() const { return path_; }
    // The file's contents; a missing file reads as empty. Throws FileError when it cannot be read.
    ProfileFile read() const;
    // Replaces the file as a whole (temporary file, then rename). Throws FileError on failure.
    void write(const ProfileFile& file) const;

private:
    std::filesystem::path path_;
};

}  // namespace torvalet
