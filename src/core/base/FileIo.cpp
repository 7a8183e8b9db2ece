#include "base/FileIo.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include <sys/stat.h>

#include "base/Errors.h"

namespace torvalet {

namespace {

std::string reason(int error) { return std::strerror(error); }

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

}  // namespace

bool fileExists(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

std::string readFileBytes(const std::filesystem::path& path) {
    const auto fail = [&](int error) {
        return FileError("Cannot open file \"" + path.string() + "\". " + reason(error));
    };
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) throw fail(errno);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw fail(errno);
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
    const auto fail = [&](int error) {
        return FileError("Cannot create file \"" + path.string() + "\". " + reason(error));
    };
    std::string temp = path.string() + ".XXXXXX";
    Descriptor fd(::mkstemp(temp.data()));
    if (fd.get() < 0) throw fail(errno);
    const auto abandon = [&](int error) {
        ::unlink(temp.c_str());
        return fail(error);
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(fd.get(), bytes.data() + written, bytes.size() - written);
        if (put < 0) {
            if (errno == EINTR) continue;
            throw abandon(errno);
        }
        written += static_cast<std::size_t>(put);
    }
    // Keep the permissions of the file being replaced; a new file gets the usual 0644.
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (::fchmod(fd.get(), mode) != 0 || ::fsync(fd.get()) != 0) throw abandon(errno);
    if (::close(fd.release()) != 0) throw abandon(errno);
    if (::rename(temp.c_str(), path.c_str()) != 0) throw abandon(errno);
}

}  // namespace torvalet
