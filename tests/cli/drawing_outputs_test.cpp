// The tool's pass drawings and PDF report: written where asked, the same
// from compute and from report, and failures named with path and reason.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/pass_schedule.h"
#include "export/dxf_drawing.h"
#include "storage/project_file.h"
#include "tool_run.h"

namespace rolvanta {
namespace {

using testing::readFileBytes;
using testing::runTool;
using testing::TemporaryFolder;
using testing::ToolRun;
TEST(ToolDrawings, ComeFromComputeAndFromReportAlike) {
    TemporaryFolder out;
    const std::string section = "--section 'MB 100,100,4,75,7.2,9,4.5,98,11.5,1000' --passes 7";
    ASSERT_EQ(runTool("compute " + section + " --save " + out / "beam.rol" + " --dxf " +
                      out / "all.dxf" + " --dxf-dir " + out / "passes")
                  .exitCode,
              0);
    Project project{};
    ASSERT_FALSE(readProjectFile(out / "beam.rol", project));
    EXPECT_EQ(readFileBytes(out / "all.dxf"), formatPassDrawingsDxf(project));
    for (int position = 0; position < 6; ++position) {
        EXPECT_EQ(readFileBytes(out / "passes" + "/" + passLayerName(position) + ".dxf"),
                  formatPassDrawingDxf(project, position))
            << position;
    }

    ASSERT_EQ(runTool("report " + out / "beam.rol" + " --dxf " + out / "again.dxf").exitCode, 0);
    EXPECT_EQ(readFileBytes(out / "again.dxf"), readFileBytes(out / "all.dxf"));
    EXPECT_EQ(out.listing(), "again.dxf\nall.dxf\nbeam.rol\npasses\n");
}

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
TEST(ToolDrawings, WriteThePdfReportWithoutADisplay) {
    TemporaryFolder out;
    const std::string section = "compute --section 'MB 100,100,4,75,7.2,9,4.5,98,11.5,1000' ";
    ASSERT_EQ(runTool(section + "--passes 13 --pdf " + out / "beam.pdf").exitCode, 0);
    EXPECT_EQ(readFileBytes(out / "beam.pdf").rfind("%PDF-", 0), 0u);
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
