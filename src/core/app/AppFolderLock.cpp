#include "app/AppFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/Errors.h"

namespace torvalet {

AppFolderLock::AppFolderLock(std::filesystem::path home) : file_(std::move(home) / ".torvalet.lock") {}

AppFolderLock::~AppFolderLock() { unlock(); }

bool AppFolderLock::tryLock() {
    if (fd_ >= 0) return true;
    int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // A lock file that another user left (after a run with sudo), or a folder in its place, locks
    // as well when opened for reading.
    const int createError = errno;
    if (fd < 0 && createError != ENOENT) fd = ::open(file_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw FileError("Cannot create file \"" + file_.string() + "\". " + std::strerror(createError));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd_, 0) == 0 && ::write(fd_, pid.data(), pid.size()) < 0) {
        // The pid is only a hint for people looking at the folder.
    }
    return true;
}

void AppFolderLock::unlock() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

std::string AppFolderLock::busyMessage(const std::filesystem::path& home) {
    return "Torvalet is already running on \"" + home.string() + "\". Close it first.";
}

bool AppFolderLock::canWrite(const std::filesystem::path& home) { return ::access(home.c_str(), W_OK | X_OK) == 0; }

std::string AppFolderLock::readOnlyMessage(const std::filesystem::path& home, const std::string& reason) {
    return "The application folder \"" + home.string() + "\" cannot be written" +
           (reason.empty() ? "" : ": " + reason) + ". Torvalet opens it read-only and saves nothing.";
}

}  // namespace torvalet
