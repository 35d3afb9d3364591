// The tool's PDF report. Its drawings are pinned by the golden cases, "-"
// by the runs of design_inputs_test.cpp, a failed set by the refusals.

#include <gtest/gtest.h>

#include <string>

#include "support/child_process.h"
#include "support/golden_file.h"
#include "tool_run.h"

namespace rolvanta {
namespace {

using testing::readFileBytes;
using testing::runTool;
using testing::TemporaryFolder;

#ifdef ROLVANTA_CLI_PDF
// The PDF is dated by SOURCE_DATE_EPOCH, its header and its creation date,
// so that two runs in any time zone give the same bytes; its text, as
// poppler reads it (with any complaint about the file), is the expected
// one, tests/data/expected/report-pdf.txt (pdftotext -raw -enc UTF-8).
TEST(ToolDrawings, WriteThePdfReportWithoutADisplay) {
    TemporaryFolder out, again;
    const std::string design = "compute --profile 'MB 200' --passes 13 --mill '" ROLVANTA_SOURCE_DIR
                               "/tests/data/expected/mill-example.rolmill' --pdf ";
    const std::string epoch = "-u ROLVANTA_REPORT_TIME SOURCE_DATE_EPOCH=1796642460 TZ=";
    ASSERT_EQ(runTool(design + out / "beam.pdf", "", epoch + "UTC").exitCode, 0);
    ASSERT_EQ(runTool(design + again / "beam.pdf", "", epoch + "Asia/Kolkata").exitCode, 0);
    const std::string pdf = readFileBytes(out / "beam.pdf");
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_TRUE(pdf == readFileBytes(again / "beam.pdf")) << "two runs differ";
    EXPECT_NE(pdf.find("/CreationDate (D:20261207112100)"), std::string::npos);
    const std::string text =
        testing::commandOutput("pdftotext -raw -enc UTF-8 '" + out / "beam.pdf" + "' - 2>&1");
    // The face's ligatures as letters.
    EXPECT_EQ(testing::replaced(testing::replaced(text, "\uFB01", "fi"), "\uFB02", "fl"),
              readFileBytes(ROLVANTA_SOURCE_DIR "/tests/data/expected/report-pdf.txt"));
}
#else
TEST(ToolDrawings, SayWhyThereIsNoPdfWithoutQt) {
    const testing::ToolRun run = runTool("compute --help");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output.find("--pdf FILE"), std::string::npos);
    EXPECT_NE(run.output.find("has no --pdf"), std::string::npos);
}
#endif

}  // namespace
}  // namespace rolvanta
