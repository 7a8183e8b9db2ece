#pragma once

#include <filesystem>

namespace torvalet {

// A private copy of a store file with its write-ahead log, for reading a store whose folder
// cannot be written: there the engine cannot build the log's index, and opening the file as
// unchangeable would hide the rows that are still in the log. The copy goes when this does.
class StoreSnapshot {
public:
    // Throws StoreError when the copy cannot be made.
    explicit StoreSnapshot(const std::filesystem::path& storeFile);
    ~StoreSnapshot();
    StoreSnapshot(const StoreSnapshot&) = delete;
    StoreSnapshot& operator=(const StoreSnapshot&) = delete;

    const std::filesystem::path& file() const { return file_; }

    // True when the store has a write-ahead log that holds anything.
    static bool hasLog(const std::filesystem::path& storeFile);

private:
    std::filesystem::path folder_;
    std::filesystem::path file_;
};

}  // namespace torvalet
