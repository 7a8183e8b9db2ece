#include "shell/AppFolderLock.h"

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
    const int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) throw FileError("Cannot create file \"" + file_.string() + "\". " + std::strerror(errno));
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

}  // namespace torvalet
