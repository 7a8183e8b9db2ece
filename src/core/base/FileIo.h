#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace torvalet {

// True when something exists at the path; false also when that cannot be told.
bool fileExists(const std::filesystem::path& path);

// True when nothing at all is at the path: not a file, nor a link that leads nowhere or round in
// a loop, nor anything that cannot be looked at. Only then is a file made there without its old
// content having been read.
bool nothingAt(const std::filesystem::path& path);

// A regular file read from its start, in pieces. Only regular files are opened: a pipe, a device
// or a folder in the file's place is refused at once, never waited on. Throws FileError "Cannot
// open file "<path>". <reason>" when it cannot be opened or read.
class FileReader {
public:
    explicit FileReader(const std::filesystem::path& path);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // The file's size when it was opened; it may still grow or shrink while it is read.
    std::size_t sizeAtOpen() const { return sizeAtOpen_; }
    // Reads up to `count` bytes into `into`; returns how many, 0 at the end of the file.
    std::size_t read(char* into, std::size_t count);

private:
    std::filesystem::path path_;
    int fd_ = -1;
    std::size_t sizeAtOpen_ = 0;
};

// The whole file as bytes (see FileReader). Only regular files are read: a pipe, a device or a folder in the
// file's place is refused at once, never waited on. Throws FileError "Cannot open file "<path>".
// <reason>" when it cannot be read.
std::string readFileBytes(const std::filesystem::path& path);

// The file that `path` leads to once every symbolic link on its last part is followed; `path`
// itself when it is no link. A link whose target does not exist leads to that target.
std::filesystem::path followLinks(const std::filesystem::path& path);

// Writes the bytes to a temporary file beside the file that `path` leads to (see followLinks),
// flushes it to disk, renames it over that file and flushes the folder, so that the old file
// stays whole until the new one is complete and a link stays a link. A replaced file keeps its
// permissions; a new one gets those of any file the process makes (0666 less the umask). Throws
// FileError "Cannot create file "<path>". <reason>" on any failure, leaving the old file as it
// was, and FileLeftAloneError when what is in the file's place is not the program's to replace
// (not a regular file, a loop of links, a file without write permission).
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// The name of the temporary files that a save of `fileName` makes: "." + fileName +
// ".torvalet-save." + six random characters.
bool isSaveLeftover(std::string_view name);
// Removes from `folder` the temporary files of saves that were killed before their rename, and
// the "NAME.XXXXXX" files that earlier versions left beside each of `formerNames`. Returns how
// many were removed; a file that cannot be removed is left alone.
int removeSaveLeftovers(const std::filesystem::path& folder, std::span<const std::string> formerNames = {});
// Removes the temporary files of killed saves of this one file only (for a file kept in a folder
// that other programs use, reached through a link).
int removeSaveLeftoversOf(const std::filesystem::path& file);

}  // namespace torvalet
