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
    writeFileBytes(folder / "data", std::string("a\0b", 3));
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
         std::string("a\0b", 3)},
        {"empty file", folder / "empty", kAnyFileSize, FileReadStatus::Ok, ""},
        {"exactly at the limit", folder / "data", 3, FileReadStatus::Ok, std::string("a\0b", 3)},
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

TEST(ReplaceFile, CreatesAndReplacesWholeFiles) {
    TemporaryFolder folder;
    const std::string path = folder / "beam.rol";
    ASSERT_TRUE(replaceFile(path, "first, longer content"));
    ASSERT_TRUE(replaceFile(path, "second"));
    EXPECT_EQ(readFileBytes(path), "second");
    EXPECT_EQ(folder.listing(), "beam.rol\n") << "no temporary file is left behind";
}

TEST(ReplaceFile, KeepsThePermissionsOfTheOldFile) {
    TemporaryFolder folder;
    const std::string path = folder / "beam.rol";
    writeFileBytes(path, kOld);
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(replaceFile(path, "new"));
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(ReplaceFile, WritesThroughALinkToTheFileItNames) {
    TemporaryFolder folder;
    writeFileBytes(folder / "target.txt", kOld);
    ASSERT_EQ(symlink("target.txt", (folder / "link.txt").c_str()), 0);
    ASSERT_TRUE(replaceFile(folder / "link.txt", "new"));
    EXPECT_EQ(readFileBytes(folder / "target.txt"), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.txt"));
}

TEST(ReplaceFile, FailsWithoutHarmWhereItCannotWrite) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder / "sub");
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"empty path", ""},
        {"missing folder", folder / "none/beam.rol"},
        {"a folder in the way", folder / "sub"},
        {"a full device", "/dev/full"},
    };
    for (const auto& c : cases) EXPECT_FALSE(replaceFile(c.path, "bytes")) << c.name;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "sub"));
    EXPECT_EQ(folder.listing(), "sub\n");
}

TEST(ReplaceFile, ReadOnlyFolderLeavesTheOldFileAsItWas) {
    TemporaryFolder folder;
    const std::string path = folder / "beam.rol";
    writeFileBytes(path, kOld);
    // The old file itself is writable: only the folder refuses new files, so
    // a write in place would have destroyed it.
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);

    const int result =
        runInChild(testing::unprivileged(), [&] { return replaceFile(path, "new") ? 0 : 1; });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(readFileBytes(path), kOld);
    EXPECT_EQ(folder.listing(), "beam.rol\n");
}

TEST(ReplaceFile, ReadOnlyFileIsNotReplaced) {
    TemporaryFolder folder;
    const std::string path = folder / "beam.rol";
    writeFileBytes(path, kOld);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    ASSERT_EQ(chmod(folder.path().c_str(), 0777), 0);

    const int result =
        runInChild(testing::unprivileged(), [&] { return replaceFile(path, "new") ? 0 : 1; });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(readFileBytes(path), kOld);
}

TEST(ReplaceFile, DiskFullHalfwayLeavesTheOldFileAsItWas) {
    TemporaryFolder folder;
    const std::string path = folder / "beam.rol";
    writeFileBytes(path, kOld);
    const std::string large(64 * 1024, 'x');

    const int result =
        runInChild(testing::fileSizeLimit(4096), [&] { return replaceFile(path, large) ? 0 : 1; });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(readFileBytes(path), kOld);
    EXPECT_EQ(folder.listing(), "beam.rol\n") << "the cut temporary file is removed";
}

}  // namespace
}  // namespace rolvanta
