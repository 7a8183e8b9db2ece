#pragma once

#include <filesystem>
#include <string>

namespace torvalet {

// Keeps one program at a time on an application folder. The lock is an advisory lock on a file
// in the folder: the system drops it when its holder ends, so a program that died leaves no lock.
class AppFolderLock {
public:
    explicit AppFolderLock(std::filesystem::path home);
    ~AppFolderLock();
    AppFolderLock(const AppFolderLock&) = delete;
    AppFolderLock& operator=(const AppFolderLock&) = delete;

    // True when this process now holds the folder; false when another one does.
    // Throws FileError when the lock file cannot be made.
    bool tryLock();
    void unlock();
    bool isLocked() const { return fd_ >= 0; }

    // The message a second program shows when the folder is held.
    static std::string busyMessage(const std::filesystem::path& home);
    // True when files can be made and replaced in the folder.
    static bool canWrite(const std::filesystem::path& home);
    // What a program says when it opens a folder that it may not write (it cannot hold the lock,
    // or the folder is read-only): it goes on without saving anything.
    static std::string readOnlyMessage(const std::filesystem::path& home, const std::string& reason);

private:
    std::filesystem::path file_;
    int fd_ = -1;
};

}  // namespace torvalet
