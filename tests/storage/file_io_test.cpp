#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "storage/file_io.h"
#include "support/child_process.h"
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
        FileReadStatus expected;
        std::string bytes;
    } cases[] = {
        {"whole file with a NUL inside", folder / "data", kAnyFileSize, FileReadStatus::Ok,
         withNul},
        {"empty file", folder / "empty", kAnyFileSize, FileReadStatus::Ok, ""},
        {"exactly at the limit", folder / "data", 3, FileReadStatus::Ok, withNul},
        {"past the limit", folder / "data", 2, FileReadStatus::TooLarge, ""},
        {"no such file", folder / "none", kAnyFileSize, FileReadStatus::Missing, ""},
        {"no such folder", folder / "none/data", kAnyFileSize, FileReadStatus::Missing, ""},
        {"a folder", folder / "sub", kAnyFileSize, FileReadStatus::Failed, ""},
        {"a pipe-like device", "/dev/null", kAnyFileSize, FileReadStatus::Ok, ""},
    };
    for (const auto& c : cases) {
        std::string bytes = "left over";
        EXPECT_EQ(readWholeFile(c.path, bytes, c.maxBytes), c.expected) << c.name;
        EXPECT_EQ(bytes, c.bytes) << c.name;
    }
}

TEST(ReplaceFile, ReplacesTheFileItNamesKeepingItsPermissions) {
    TemporaryFolder folder;
    const std::string path = folder / "beam.rol";
    ASSERT_TRUE(replaceFile(path, "first, longer content"));
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(symlink("beam.rol", (folder / "link.rol").c_str()), 0);
    ASSERT_TRUE(replaceFile(folder / "link.rol", "second"));

    EXPECT_EQ(readFileBytes(path), "second");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.rol"));
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.listing(), "beam.rol\nlink.rol\n") << "no temporary file is left behind";
}

TEST(ReplaceFile, FailsWithoutHarmWhereItCannotWrite) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder / "sub");
    for (const std::string& path :
         {std::string(), folder / "none/beam.rol", folder / "sub", std::string("/dev/full")}) {
        EXPECT_FALSE(replaceFile(path, "bytes")) << "'" << path << "'";
    }
    EXPECT_EQ(folder.listing(), "sub\n");
}

// Each failure leaves the old file as it was and no temporary file behind.
TEST(ReplaceFile, FailureLeavesTheOldFileAsItWas) {
    const struct {
        const char* name;
        mode_t folderMode;
        mode_t fileMode;  // the old file
        testing::ChildLimits limits;
    } cases[] = {
        // The old file is writable, so a write in place would destroy it.
        {"read-only folder", 0555, 0666, testing::unprivileged()},
        {"read-only file", 0777, 0444, testing::unprivileged()},
        {"disk full halfway", 0777, 0666, testing::fileSizeLimit(4096)},
    };
    for (const auto& c : cases) {
        TemporaryFolder folder;
        const std::string path = folder / "beam.rol";
        writeFileBytes(path, kOld);
        ASSERT_EQ(chmod(path.c_str(), c.fileMode), 0);
        ASSERT_EQ(chmod(folder.path().c_str(), c.folderMode), 0);
        const std::string large(64 * 1024, 'x');
        EXPECT_EQ(runInChild(c.limits, [&] { return replaceFile(path, large) ? 0 : 1; }), 1)
            << c.name;
        EXPECT_EQ(readFileBytes(path), kOld) << c.name;
        EXPECT_EQ(folder.listing(), "beam.rol\n") << c.name;
    }
}

}  // namespace
}  // namespace rolvanta
