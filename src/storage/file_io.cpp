#include "storage/file_io.h"

#include <fcntl.h>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace rolvanta {

std::string describeStorageError(const StorageError& error) {
    const char* verb = "cannot read ";
    switch (error.what) {
        case StorageFailure::Missing:
        case StorageFailure::CannotRead:
        case StorageFailure::TooLarge:
            verb = "cannot read ";
            break;
        case StorageFailure::NotValid:
            return error.path + ": " + error.reason;
        case StorageFailure::CannotWrite:
            verb = "cannot write ";
            break;
        case StorageFailure::Refused:
            verb = "cannot store ";
            break;
    }
    return verb + error.path + ": " + error.reason;
}

namespace {

// The system's reason for the last failed call.
std::string systemReason(int error) { return std::strerror(error); }

StorageError failed(StorageFailure what, const std::string& path, int error) {
    return {what, path, systemReason(error)};
}

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

// 0, or the errno of the failed write.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
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

StorageResult writeInPlace(const std::string& path, std::string_view bytes) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (!file.valid()) return failed(StorageFailure::CannotWrite, path, errno);
    if (const int error = writeAll(file.get(), bytes)) {
        return failed(StorageFailure::CannotWrite, path, error);
    }
    if (!file.close()) return failed(StorageFailure::CannotWrite, path, errno);
    return std::nullopt;
}

}  // namespace

StorageResult readWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    bytes.clear();
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid()) {
        const int error = errno;
        return failed(error == ENOENT || error == ENOTDIR ? StorageFailure::Missing
                                                          : StorageFailure::CannotRead,
                      path, error);
    }
    struct stat info;
    if (::fstat(file.get(), &info) != 0) return failed(StorageFailure::CannotRead, path, errno);
    if (S_ISDIR(info.st_mode)) return failed(StorageFailure::CannotRead, path, EISDIR);

    const StorageError tooLarge{StorageFailure::TooLarge, path,
                                "larger than " + std::to_string(maxBytes) + " bytes"};
    // The size is only a hint (a pipe has none, a file may grow): read until
    // the end, one byte past the size so that the end shows without a regrow.
    std::size_t capacity = 65536;
    if (S_ISREG(info.st_mode)) {
        const auto size = static_cast<std::size_t>(info.st_size);
        if (size > maxBytes) return tooLarge;
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
            return failed(StorageFailure::CannotRead, path, errno);
        }
        filled += static_cast<std::size_t>(got);
        if (filled > maxBytes) return tooLarge;
    }
    content.resize(filled);
    bytes = std::move(content);
    return std::nullopt;
}

StorageResult replaceFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return failed(StorageFailure::CannotWrite, path, ENOENT);
    const std::string target = resolveLink(path);
    auto cannotWrite = [&](int error) { return failed(StorageFailure::CannotWrite, path, error); };

    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A device or a pipe cannot be renamed over; it is written as it is.
    if (exists && S_ISDIR(old.st_mode)) return cannotWrite(EISDIR);
    if (exists && !S_ISREG(old.st_mode)) return writeInPlace(target, bytes);
    // A file the user may not write stays as it is, although its folder
    // would let a new file take its place.
    if (exists && ::access(target.c_str(), W_OK) != 0) return cannotWrite(errno);

    std::string temporary;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryNameFor(target, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return cannotWrite(errno);
    }
    if (fd < 0) return cannotWrite(EEXIST);
    Descriptor file(fd);

    int error = 0;
    if (exists && ::fchmod(file.get(), old.st_mode & 07777) != 0) error = errno;
    if (error == 0) error = writeAll(file.get(), bytes);
    if (error == 0 && ::fsync(file.get()) != 0) error = errno;
    if (!file.close() && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return cannotWrite(error);
    }
    return std::nullopt;
}

StorageResult writeStandardOutput(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        return failed(StorageFailure::CannotWrite, "standard output", errno);
    }
    return std::nullopt;
}

bool fileExists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

std::string programDirectory() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return ".";
    const std::string program(path, static_cast<std::size_t>(length));
    const std::size_t slash = program.find_last_of('/');
    return slash == std::string::npos ? "." : program.substr(0, slash);
}

std::string findShippedFile(const std::string& programDir, const std::string& name) {
    const std::string beside = programDir + "/" + name;
    if (fileExists(beside)) return beside;
    return programDir + "/../share/rolvanta/" + name;
}

bool standardOutputIsTerminal() { return ::isatty(STDOUT_FILENO) == 1; }

bool terminalUsesUtf8() {
    // The character set the user's locale gives; the program itself keeps
    // the "C" locale for numbers, so the environment's is asked for here.
    const char* previous = std::setlocale(LC_CTYPE, nullptr);
    const std::string kept = previous ? previous : "C";
    std::setlocale(LC_CTYPE, "");
    const std::string codeset = nl_langinfo(CODESET);
    std::setlocale(LC_CTYPE, kept.c_str());
    return codeset == "UTF-8" || codeset == "utf8";
}

LocalTime localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return {};
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900,
            local.tm_hour, local.tm_min,     local.tm_sec};
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace rolvanta
