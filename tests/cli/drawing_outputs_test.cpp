// The tool's pass drawings and PDF report: written where asked, the same
// from compute and from report, and failures named with path and reason.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

#include "support/child_process.h"
#include "tool_run.h"

namespace rolvanta {
namespace {

using testing::readFileBytes;
using testing::runTool;
using testing::TemporaryFolder;
using testing::ToolRun;
// What compute and report write with --dxf and --dxf-dir, alike, is pinned
// by the golden cases worked-example and saved-report.

// The drawings per pass are one set: a file that cannot be written stops
// it before any is replaced, and the tool says so.
TEST(ToolDrawings, AFolderOfDrawingsIsWrittenWholeOrNotAtAll) {
    TemporaryFolder out;
    const std::string passes = out / "passes";
    std::filesystem::create_directories(passes + "/PASS_05.dxf");
    testing::writeFileBytes(passes + "/PASS_02.dxf", "old");
    const ToolRun run =
        runTool("compute --section 'MB 100,100,4,75,7.2,9,4.5,98,11.5,1000' --passes 7 --dxf-dir " +
                passes);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors, "rolvanta-cli: cannot write " + passes +
                              "/PASS_05.dxf: Is a directory; no file of the set was written\n");
    EXPECT_EQ(readFileBytes(passes + "/PASS_02.dxf"), "old");
    EXPECT_EQ(TemporaryFolder::listingOf(passes), "PASS_02.dxf\nPASS_05.dxf\n");
}

#ifdef ROLVANTA_CLI_PDF
// "-" is standard output, for the PDF as for the DXF: no file named "-".
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
    std::string text =
        testing::commandOutput("pdftotext -raw -enc UTF-8 '" + out / "beam.pdf" + "' - 2>&1");
    // The face's ligatures as letters.
    for (const auto& [from, to] : {std::pair{"\uFB01", "fi"}, {"\uFB02", "fl"}}) {
        for (std::size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, std::strlen(from), to);
    }
    EXPECT_EQ(text, readFileBytes(ROLVANTA_SOURCE_DIR "/tests/data/expected/report-pdf.txt"));

    const std::string section = "compute --section 'MB 100,100,4,75,7.2,9,4.5,98,11.5,1000' ";
    const ToolRun piped = runTool(section + "--pdf -", out.path());
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.output.rfind("%PDF-", 0), 0u);
    const ToolRun dxf = runTool(section + "--dxf -", out.path());
    EXPECT_EQ(dxf.exitCode, 0);
    EXPECT_EQ(dxf.output.rfind("999\ndxflib", 0), 0u) << dxf.output.substr(0, 40);
    EXPECT_EQ(out.listing(), "beam.pdf\n");
}
#else
TEST(ToolDrawings, SayWhyThereIsNoPdfWithoutQt) {
    const ToolRun run = runTool("compute --help");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output.find("--pdf FILE"), std::string::npos);
    EXPECT_NE(run.output.find("has no --pdf"), std::string::npos);
}
#endif

}  // namespace
}  // namespace rolvanta
