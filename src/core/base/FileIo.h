#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace torvalet {

// True when something exists at the path; false also when that cannot be told.
bool fileExists(const std::filesystem::path& path);

// The whole file as bytes. Throws FileError "Cannot open file "<path>". <reason>" when it cannot be read.
std::string readFileBytes(const std::filesystem::path& path);

// Writes the bytes to a temporary file in the same folder, flushes it to disk and renames it
// over `path`, so that the old file stays whole until the new one is complete.
// Throws FileError "Cannot create file "<path>". <reason>" on any failure, leaving the old file as it was.
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

}  // namespace torvalet
