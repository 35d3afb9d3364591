#include "storage/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <langinfo.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>

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

constexpr std::string_view kTemporaryMark = ".tmp-";

// A name no other writer uses at the same moment: ".NAME.tmp-PID-COUNT-CLOCK",
// the process id, a counter and the clock. O_EXCL (or mkdir) makes sure of
// it; a clash just tries the next one.
std::string temporaryNameFor(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return folderOf(target) + "/." + fileNameOf(target) + std::string(kTemporaryMark) +
           std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
           std::to_string(ticks % 1000000 + attempt);
}

// The process that made entry as a temporary file of name, when entry has
// exactly the form temporaryNameFor gives it; else 0.
pid_t writerOfTemporary(std::string_view entry, std::string_view name) {
    const std::string prefix = "." + std::string(name) + std::string(kTemporaryMark);
    if (entry.substr(0, prefix.size()) != prefix) return 0;
    entry.remove_prefix(prefix.size());
    long long numbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? entry.find('-') : entry.size();
        if (end == 0 || end == std::string_view::npos || end > 18) return 0;
        for (const char c : entry.substr(0, end)) {
            if (c < '0' || c > '9') return 0;
            numbers[i] = numbers[i] * 10 + (c - '0');
        }
        entry.remove_prefix(std::min(end + 1, entry.size()));
    }
    const long long pid = numbers[0];
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() ? static_cast<pid_t>(pid) : 0;
}

// A process of this id runs (EPERM: it runs as another user). This process
// is counted as running: another of its threads may be writing.
bool processRuns(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

// Empties and removes a temporary folder of a file set; only its files go.
void removeTemporaryFolder(const std::string& path) {
    if (DIR* dir = ::opendir(path.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string inside = path + "/" + entry->d_name;
            struct stat info;
            if (::lstat(inside.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
                ::unlink(inside.c_str());
            }
        }
        ::closedir(dir);
    }
    ::rmdir(path.c_str());
}

// Removes the temporary files and folders of target that processes which no
// longer run left in its folder: a write killed before its rename. A
// process of the same id on another machine that shares the folder would
// lose its temporary file, and its rename would then fail and say so; no
// finished file is ever touched.
void removeLeftoversOf(const std::string& target) {
    const std::string folder = folderOf(target);
    const std::string name = fileNameOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(dir)) {
        const pid_t writer = writerOfTemporary(entry->d_name, name);
        if (writer != 0 && !processRuns(writer)) leftovers.push_back(folder + "/" + entry->d_name);
    }
    ::closedir(dir);
    for (const std::string& leftover : leftovers) {
        struct stat info;
        if (::lstat(leftover.c_str(), &info) != 0) continue;
        if (S_ISREG(info.st_mode)) ::unlink(leftover.c_str());
        if (S_ISDIR(info.st_mode)) removeTemporaryFolder(leftover);
    }
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

namespace {

// A file written complete beside its target, waiting for its rename; or,
// for a device or a pipe, already written in place (no temporary file).
struct StagedFile {
    std::string path;  // as the caller named it, for the messages
    std::string target;
    std::string temporary;
};

StorageResult stageFile(const std::string& path, std::string_view bytes, StagedFile& staged) {
    if (path.empty()) return failed(StorageFailure::CannotWrite, path, ENOENT);
    const std::string target = resolveLink(path);
    auto cannotWrite = [&](int error) { return failed(StorageFailure::CannotWrite, path, error); };
    staged = {path, target, {}};

    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A device or a pipe cannot be renamed over; it is written as it is.
    if (exists && S_ISDIR(old.st_mode)) return cannotWrite(EISDIR);
    if (exists && !S_ISREG(old.st_mode)) return writeInPlace(target, bytes);
    // A file the user may not write stays as it is, although its folder
    // would let a new file take its place.
    if (exists && ::access(target.c_str(), W_OK) != 0) return cannotWrite(errno);

    removeLeftoversOf(target);
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
    if (error != 0) {
        ::unlink(temporary.c_str());
        return cannotWrite(error);
    }
    staged.temporary = temporary;
    return std::nullopt;
}

void discardStaged(const StagedFile& staged) {
    if (!staged.temporary.empty()) ::unlink(staged.temporary.c_str());
}

StorageResult putInPlace(const StagedFile& staged) {
    if (staged.temporary.empty() ||
        ::rename(staged.temporary.c_str(), staged.target.c_str()) == 0) {
        return std::nullopt;
    }
    const int error = errno;
    discardStaged(staged);
    return failed(StorageFailure::CannotWrite, staged.path, error);
}

// The set's failure: its file and reason, and that none of it was written.
StorageError setNotWritten(StorageError error) {
    error.reason += "; no file of the set was written";
    return error;
}

// A set in a folder that exists: every file complete beside its target
// before any of them is renamed.
StorageResult writeSetInFolder(const std::string& folder, const std::vector<NamedFile>& files) {
    std::vector<StagedFile> staged;
    for (const NamedFile& file : files) {
        StagedFile one;
        if (StorageResult error = stageFile(folder + "/" + file.name, file.bytes, one)) {
            for (const StagedFile& done : staged) discardStaged(done);
            return setNotWritten(std::move(*error));
        }
        staged.push_back(std::move(one));
    }
    for (std::size_t i = 0; i < staged.size(); ++i) {
        if (StorageResult error = putInPlace(staged[i])) {
            for (std::size_t j = i + 1; j < staged.size(); ++j) discardStaged(staged[j]);
            if (i > 0)
                error->reason += "; the " + std::to_string(i) + " files before it were replaced";
            return error;
        }
    }
    return std::nullopt;
}

}  // namespace

StorageResult replaceFile(const std::string& path, std::string_view bytes) {
    StagedFile staged;
    if (StorageResult error = stageFile(path, bytes, staged)) return error;
    return putInPlace(staged);
}

StorageResult writeFileSet(const std::string& folder, const std::vector<NamedFile>& files) {
    struct stat info;
    if (::stat(folder.c_str(), &info) == 0) {
        if (!S_ISDIR(info.st_mode)) {
            return setNotWritten(failed(StorageFailure::CannotWrite, folder, ENOTDIR));
        }
        return writeSetInFolder(folder, files);
    }
    // A new folder appears whole: made under a temporary name, filled, renamed.
    const std::string target =
        folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
    removeLeftoversOf(target);
    std::string temporary;
    bool made = false;
    for (unsigned attempt = 0; attempt < 100 && !made; ++attempt) {
        temporary = temporaryNameFor(target, attempt);
        made = ::mkdir(temporary.c_str(), 0777) == 0;
        if (!made && errno != EEXIST) {
            return setNotWritten(failed(StorageFailure::CannotWrite, folder, errno));
        }
    }
    if (!made) return setNotWritten(failed(StorageFailure::CannotWrite, folder, EEXIST));
    for (const NamedFile& file : files) {
        if (StorageResult error = replaceFile(temporary + "/" + file.name, file.bytes)) {
            removeTemporaryFolder(temporary);
            error->path = folder + "/" + file.name;
            return setNotWritten(std::move(*error));
        }
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        removeTemporaryFolder(temporary);
        return setNotWritten(failed(StorageFailure::CannotWrite, folder, error));
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

LocalTime universalTime(long long secondsSinceEpoch) {
    const auto moment = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm utc{};
    if (gmtime_r(&moment, &utc) == nullptr) return {};
    return {utc.tm_mday, utc.tm_mon + 1, utc.tm_year + 1900, utc.tm_hour, utc.tm_min, utc.tm_sec};
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace rolvanta
