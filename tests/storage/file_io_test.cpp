#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "storage/file_io.h"
#include "storage/project_file.h"
#include "storage/results_report.h"
#include "support/child_process.h"
#include "support/golden_file.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

using testing::readFileBytes;
using testing::runInChild;
using testing::TemporaryFolder;
using testing::writeFileBytes;

const std::string kOld = "the previous file, which must survive";

TEST(ReadWholeFile, TellsMissingFromUnreadable) {
    TemporaryFolder folder;
    const std::string withNul("a\0b", 3);
    writeFileBytes(folder / "data", withNul);
    writeFileBytes(folder / "empty", "");
    std::filesystem::create_directory(folder / "sub");

    const struct {
        const char* name;
        std::string path;
        std::size_t maxBytes;
        std::optional<StorageFailure> expected;
        std::string bytes;
    } cases[] = {
        {"whole file with a NUL inside", folder / "data", kAnyFileSize, std::nullopt, withNul},
        {"empty file", folder / "empty", kAnyFileSize, std::nullopt, ""},
        {"exactly at the limit", folder / "data", 3, std::nullopt, withNul},
        {"past the limit", folder / "data", 2, StorageFailure::TooLarge, ""},
        {"no such file", folder / "none", kAnyFileSize, StorageFailure::Missing, ""},
        {"no such folder", folder / "none/data", kAnyFileSize, StorageFailure::Missing, ""},
        {"a folder", folder / "sub", kAnyFileSize, StorageFailure::CannotRead, ""},
        {"a pipe-like device", "/dev/null", kAnyFileSize, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        std::string bytes = "left over";
        const StorageResult error = readWholeFile(c.path, bytes, c.maxBytes);
        EXPECT_EQ(error ? std::optional(error->what) : std::nullopt, c.expected) << c.name;
        if (error) {
            EXPECT_EQ(error->path, c.path) << c.name;
        }
        EXPECT_EQ(bytes, c.bytes) << c.name;
    }
}

TEST(ReplaceFile, ReplacesTheFileItNamesKeepingItsPermissions) {
    TemporaryFolder folder;
    const std::string path = folder / "beam.rol";
    ASSERT_FALSE(replaceFile(path, "first, longer content"));
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(symlink("beam.rol", (folder / "link.rol").c_str()), 0);
    ASSERT_FALSE(replaceFile(folder / "link.rol", "second"));

    EXPECT_EQ(readFileBytes(path), "second");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.rol"));
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.listing(), "beam.rol\nlink.rol\n") << "no temporary file is left behind";
}

// Each failure is told with the path and the system's reason, and leaves
// the old file as it was and no temporary file behind. A folder in the way
// is WriteFileSet's case below, the message's form too.
TEST(ReplaceFile, FailsWithoutHarmWhereItCannotWrite) {
    const struct {
        const char* name;
        std::string path;  // FOLDER stands for the test's folder
        mode_t folderMode;
        mode_t fileMode;  // of the old file there, 0 for none
        testing::ChildLimits limits;
    } cases[] = {
        {"no path", "", 0777, 0, {}},
        {"no such folder", "FOLDER/none/beam.rol", 0777, 0, {}},
        {"a full device", "/dev/full", 0777, 0, {}},
        // The old file is writable, so a write in place would destroy it.
        {"read-only folder", "FOLDER/beam.rol", 0555, 0666, testing::unprivileged()},
        {"read-only file", "FOLDER/beam.rol", 0777, 0444, testing::unprivileged()},
        {"disk full halfway", "FOLDER/beam.rol", 0777, 0666, testing::fileSizeLimit(4096)},
    };
    for (const auto& c : cases) {
        TemporaryFolder folder;
        const std::string path = testing::replaced(c.path, "FOLDER", folder.path());
        if (c.fileMode != 0) writeFileBytes(path, kOld), chmod(path.c_str(), c.fileMode);
        ASSERT_EQ(chmod(folder.path().c_str(), c.folderMode), 0);
        const auto toldAsIs = [&] {
            const StorageResult error = replaceFile(path, std::string(64 * 1024, 'x'));
            return error && error->what == StorageFailure::CannotWrite && error->path == path &&
                   !error->reason.empty();
        };
        EXPECT_EQ(runInChild(c.limits, [&] { return toldAsIs() ? 0 : 1; }), 0) << c.name;
        EXPECT_EQ(c.fileMode != 0 ? readFileBytes(path) : kOld, kOld) << c.name;
        EXPECT_EQ(folder.listing(), c.fileMode != 0 ? "beam.rol\n" : "") << c.name;
    }
    // The project file and the report are written through it.
    EXPECT_TRUE(writeProjectFile("/dev/full", Project{}));
    EXPECT_TRUE(writeResultsReport("/dev/full", "full", Project{}, {}));
}

// A process id that no process has: a child that has ended and been reaped.
pid_t endedProcess() {
    const pid_t pid = fork();
    if (pid == 0) _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}

TEST(ReplaceFile, RemovesWhatDeadWritersLeftBesideItsTargetAndNothingElse) {
    TemporaryFolder folder;
    const std::string dead = std::to_string(endedProcess());
    const struct {
        std::string name;
        bool removed;
    } entries[] = {
        {".beam.rol.tmp-" + dead + "-3-123456", true},
        {".beam.rol.tmp-1-0-5", false},  // pid 1 runs
        {".beam.rol.tmp-" + std::to_string(getpid()) + "-0-5", false},
        {".beam.rol.tmp-" + dead + "-3", false},
        {".beam.rol.tmp-" + dead + "-3-12x", false},
        {".beam.rol.tmp--3-1", false},
        {".beam.rolx.tmp-" + dead + "-3-1", false},
        {"beam.rol.tmp-" + dead + "-3-1", false},
    };
    for (const auto& entry : entries) writeFileBytes(folder / entry.name, "left over");
    ASSERT_FALSE(replaceFile(folder / "beam.rol", "saved"));
    for (const auto& entry : entries) {
        EXPECT_EQ(std::filesystem::exists(folder / entry.name), !entry.removed) << entry.name;
    }
}

TEST(WriteFileSet, WritesEveryFileOrNone) {
    TemporaryFolder folder;
    const std::string passes = folder / "passes";
    // A set killed while being written left its temporary folder.
    const std::string leftover =
        folder / (".passes.tmp-" + std::to_string(endedProcess()) + "-0-1");
    std::filesystem::create_directory(leftover);
    writeFileBytes(leftover + "/a", "half");
    ASSERT_FALSE(writeFileSet(passes, {{"a", "1"}, {"b", "2"}}));
    EXPECT_EQ(folder.listing(), "passes\n");
    EXPECT_EQ(readFileBytes(passes + "/a") + readFileBytes(passes + "/b"), "12");

    // In a folder that exists: a file that cannot be written stops the set
    // before any file is replaced; the folder's other files stay.
    std::filesystem::create_directory(passes + "/c");
    const StorageResult stopped = writeFileSet(passes, {{"a", "new"}, {"c", "3"}});
    ASSERT_TRUE(stopped);
    EXPECT_EQ(describeStorageError(*stopped),
              "cannot write " + passes + "/c: Is a directory; no file of the set was written");
    EXPECT_EQ(readFileBytes(passes + "/a"), "1");
    EXPECT_EQ(TemporaryFolder::listingOf(passes), "a\nb\nc\n");

    // A new folder appears only whole.
    const StorageResult failed = writeFileSet(folder / "new", {{"a", "1"}, {"no/b", "2"}});
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->path, folder / "new/no/b");
    EXPECT_EQ(folder.listing(), "passes\n");
}

}  // namespace
}  // namespace rolvanta
