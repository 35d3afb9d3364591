#include "storage/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>

namespace rolvanta {

namespace {

// Closes a descriptor when it goes out of scope, unless released.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and says whether the close succeeded: on some file systems
    // the close is where a failed write shows.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A name no other writer uses at the same moment: the process id, a counter
// and the clock. O_EXCL makes sure of it; a clash just tries the next one.
std::string temporaryNameFor(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return folderOf(target) + "/." + fileNameOf(target) + ".tmp-" + std::to_string(::getpid()) +
           "-" + std::to_string(counter++) + "-" + std::to_string(ticks % 1000000 + attempt);
}

// Saving through a link replaces the file it names, not the link.
std::string resolveLink(const std::string& path) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return path;
    return resolved;
}

bool writeInPlace(const std::string& path, std::string_view bytes) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (!file.valid()) return false;
    return writeAll(file.get(), bytes) && file.close();
}

}  // namespace

FileReadStatus readWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    bytes.clear();
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid()) {
        return errno == ENOENT || errno == ENOTDIR ? FileReadStatus::Missing
                                                   : FileReadStatus::Failed;
    }
    struct stat info;
    if (::fstat(file.get(), &info) != 0 || S_ISDIR(info.st_mode)) return FileReadStatus::Failed;

    // The size is only a hint (a pipe has none, a file may grow): read until
    // the end, one byte past the size so that the end shows without a regrow.
    std::size_t capacity = 65536;
    if (S_ISREG(info.st_mode)) {
        const auto size = static_cast<std::size_t>(info.st_size);
        if (size > maxBytes) return FileReadStatus::TooLarge;
        capacity = size + 1;
    }
    std::string content;
    content.resize(capacity);
    std::size_t filled = 0;
    for (;;) {
        if (filled == content.size()) content.resize(content.size() * 2);
        const ssize_t got = ::read(file.get(), content.data() + filled, content.size() - filled);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return FileReadStatus::Failed;
        }
        filled += static_cast<std::size_t>(got);
        if (filled > maxBytes) return FileReadStatus::TooLarge;
    }
    content.resize(filled);
    bytes = std::move(content);
    return FileReadStatus::Ok;
}

bool replaceFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    const std::string target = resolveLink(path);

    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A device or a pipe cannot be renamed over; it is written as it is.
    if (exists && !S_ISREG(old.st_mode)) {
        return !S_ISDIR(old.st_mode) && writeInPlace(target, bytes);
    }
    // A file the user may not write stays as it is, although its folder
    // would let a new file take its place.
    if (exists && ::access(target.c_str(), W_OK) != 0) return false;

    std::string temporary;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryNameFor(target, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    Descriptor file(fd);

    const bool written = (!exists || ::fchmod(file.get(), old.st_mode & 07777) == 0) &&
                         writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    if (!file.close() || !written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace rolvanta
