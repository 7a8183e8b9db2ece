#include "base/FileIo.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <random>
#include <utility>

#include <sys/stat.h>

#include "base/Errors.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view saveMark = ".torvalet-save.";
constexpr std::size_t randomPart = 6;  // letters and digits

std::string reason(int error) { return std::strerror(error); }

FileError cannotOpen(const fs::path& path, const std::string& why) {
    return FileError("Cannot open file \"" + path.string() + "\". " + why);
}

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

bool isRandomPart(std::string_view text) {
    return text.size() == randomPart &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// "NAME.XXXXXX" for one of the names.
bool isFormerLeftover(std::string_view name, std::span<const std::string> formerNames) {
    if (name.size() <= randomPart + 1 || name[name.size() - randomPart - 1] != '.') return false;
    const std::string_view base = name.substr(0, name.size() - randomPart - 1);
    return isRandomPart(name.substr(name.size() - randomPart)) &&
           std::find(formerNames.begin(), formerNames.end(), base) != formerNames.end();
}

bool isRegularFile(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Why a file cannot be opened, in plain words where the system's are obscure.
std::string openFailure(const fs::path& path, int error) {
    if (error == ELOOP) return "It is a loop of symbolic links.";
    struct stat info {};
    if (error == ENOENT && ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
        return "It is a symbolic link to \"" + followLinks(path).string() + "\", which is not there.";
    return reason(error);
}

// A new file of a save, named as isSaveLeftover knows it. Opened as open(2) makes files, so that
// the umask (and a default access list of the folder) applies as to any other new file.
int createSaveFile(const fs::path& target, std::string& name) {
    static constexpr char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string part(randomPart, 'X');
        for (char& c : part) c = letters[pick(random)];
        name = (target.parent_path() / ("." + target.filename().string() + std::string(saveMark) + part)).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes a rename in the folder survive a power cut. Folders that cannot be synced (some file
// systems refuse) hold the file all the same.
int syncFolder(const fs::path& folder) {
    Descriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) return 0;
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS) return errno;
    return 0;
}

}  // namespace

bool fileExists(const fs::path& path) {
    std::error_code ignored;
    return fs::exists(path, ignored);
}

bool nothingAt(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

FileReader::FileReader(const fs::path& path) : path_(path) {
    // Without O_NONBLOCK, opening a pipe waits for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) throw cannotOpen(path, openFailure(path, errno));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) throw cannotOpen(path, reason(errno));
    if (S_ISDIR(info.st_mode)) throw cannotOpen(path, reason(EISDIR));
    if (!S_ISREG(info.st_mode)) throw cannotOpen(path, "It is not a regular file.");
    sizeAtOpen_ = static_cast<std::size_t>(info.st_size);
    fd_ = fd.release();
}

FileReader::~FileReader() { ::close(fd_); }

std::size_t FileReader::read(char* into, std::size_t count) {
    for (;;) {
        const ssize_t got = ::read(fd_, into, count);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) throw cannotOpen(path_, reason(errno));
    }
}

std::string readFileBytes(const fs::path& path) {
    FileReader file(path);
    // Read straight into the text, one byte longer than the file so that its end shows at once;
    // a file that grows meanwhile is read to its new end.
    std::string bytes(file.sizeAtOpen() + 1, '\0');
    std::size_t size = 0;
    for (;;) {
        if (size == bytes.size()) bytes.resize(bytes.size() * 2);
        const std::size_t got = file.read(bytes.data() + size, bytes.size() - size);
        if (got == 0) break;
        size += got;
    }
    bytes.resize(size);
    return bytes;
}

fs::path followLinks(const fs::path& path) {
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096), '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0) return current;
        target.resize(static_cast<std::size_t>(length));
        const fs::path next(target);
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

void writeFileAtomic(const fs::path& path, std::string_view bytes) {
    const auto fail = [&](int error) {
        return FileError("Cannot create file \"" + path.string() + "\". " + reason(error));
    };
    const auto leftAlone = [&](const std::string& why) {
        return FileLeftAloneError("Cannot create file \"" + path.string() + "\". " + why + " It is left as it is.");
    };
    const fs::path target = followLinks(path);
    struct stat old {};
    const bool replacing = ::lstat(target.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) throw fail(errno);
    if (replacing) {
        if (S_ISLNK(old.st_mode)) throw leftAlone("It is a loop of symbolic links.");
        if (!S_ISREG(old.st_mode)) throw leftAlone("It is not a regular file.");
        // The write permission, not only what this user may do: a file made read-only stays so
        // also for a program run by the administrator.
        if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) throw leftAlone("It is read-only.");
    }
    std::string temp;
    Descriptor fd(createSaveFile(target, temp));
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
    if (replacing && ::fchmod(fd.get(), old.st_mode & 07777) != 0) throw abandon(errno);
    if (::fsync(fd.get()) != 0) throw abandon(errno);
    if (::close(fd.release()) != 0) throw abandon(errno);
    if (::rename(temp.c_str(), target.c_str()) != 0) throw abandon(errno);
    if (const int error = syncFolder(target.parent_path())) throw fail(error);
}

bool isSaveLeftover(std::string_view name) {
    if (!name.starts_with('.') || name.size() <= saveMark.size() + randomPart + 1) return false;
    const std::string_view tail = name.substr(name.size() - randomPart - saveMark.size());
    return tail.starts_with(saveMark) && isRandomPart(tail.substr(saveMark.size()));
}

int removeSaveLeftovers(const fs::path& folder, std::span<const std::string> formerNames) {
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!isSaveLeftover(name) && !isFormerLeftover(name, formerNames)) continue;
        if (isRegularFile(it->path()) && ::unlink(it->path().c_str()) == 0) ++removed;
    }
    return removed;
}

int removeSaveLeftoversOf(const fs::path& file) {
    const std::string prefix = "." + file.filename().string() + std::string(saveMark);
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(file.parent_path(), error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) || !isSaveLeftover(name)) continue;
        if (isRegularFile(it->path()) && ::unlink(it->path().c_str()) == 0) ++removed;
    }
    return removed;
}

}  // namespace torvalet
