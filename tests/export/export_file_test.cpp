// Writing an export: a failure names the path and the reason and leaves
// the old file as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "export/export_file.h"
#include "support/child_process.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

using testing::readFileBytes;
using testing::TemporaryFolder;

TEST(ExportFile, InAReadOnlyFolderNamesPathAndReasonAndKeepsTheOldFile) {
    TemporaryFolder folder;
    const std::string path = folder / "passes.dxf";
    testing::writeFileBytes(path, "old drawing");
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
    const int result = testing::runInChild(testing::unprivileged(), [&] {
        const ExportResult written = writeExportFile(path, "new drawing");
        return !written.ok && written.message() == "cannot write " + path + ": Permission denied"
                   ? 0
                   : 1;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readFileBytes(path), "old drawing");
    EXPECT_EQ(folder.listing(), "passes.dxf\n");
}

TEST(ExportFile, ReplacesTheOldFileWhole) {
    TemporaryFolder folder;
    const std::string path = folder / "report.pdf";
    testing::writeFileBytes(path, "a much longer old report");
    EXPECT_TRUE(writeExportFile(path, "new").ok);
    EXPECT_EQ(readFileBytes(path), "new");
    const ExportResult missing = writeExportFile(folder / "no/such/folder.pdf", "x");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, "No such file or directory");
}

}  // namespace
}  // namespace rolvanta
