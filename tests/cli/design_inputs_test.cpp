// The tool's own part: its options, their usage errors, its exits and
// streams; the rules the values then meet are tested in project/.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/catalogue_table.h"
#include "project/mill_inputs.h"
#include "storage/design_file.h"
#include "support/golden_file.h"
#include "tool_run.h"

namespace rolvanta::cli {
namespace {

using testing::replaced;
using testing::runTool;
using testing::ToolRun;

// Every refused command line of tests/data/cli-refusals.txt comes back with
// its exit status and one line on standard error that names what is wrong;
// nothing is written.
TEST(CommandLine, RefusalsComeBackInOneLineNamingTheOption) {
    const std::string data = std::string(ROLVANTA_SOURCE_DIR) + "/tests/data";
    const std::string bin = std::filesystem::path(ROLVANTA_CLI).parent_path().string();
    testing::TemporaryFolder out;
    std::string transcript;
    std::ifstream cases(data + "/cli-refusals.txt");
    for (std::string arguments; std::getline(cases, arguments);) {
        if (arguments.empty() || arguments[0] == '#') continue;
        const ToolRun run =
            runTool(replaced(replaced(arguments, "@OUT@", out.path()), "@DATA@", data), out.path());
        ASSERT_NE(run.exitCode, 124) << arguments << ": the tool did not come back";
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << arguments << ", one line";
        EXPECT_EQ(run.output, "") << arguments;
        transcript += arguments + "\n=> " + std::to_string(run.exitCode) + " " +
                      replaced(replaced(replaced(run.errors, out.path(), "@OUT@"), data, "@DATA@"),
                               bin, "@BIN@");
    }
    testing::expectGolden("cli-refusals.txt", transcript);
    EXPECT_EQ(out.listing(), "") << "nothing was written";
}

// The exit status and how each stream begins. A design's warnings go to
// standard error, and --strict makes them exit 3; a tool built without Qt
// has no --pdf, and tells that first; "-" is standard output, for the PDF
// as for the DXF, and no file is named "-".
TEST(CommandLine, ExitsAndWritesAsItsOptionsSay) {
    const std::string mb200 = "compute --section 'MB 200,200,5.7,100,10,11,5.5,98,24.2,1000' ";
    const std::string section = "compute --section 'MB 100,100,4,75,7.2,9,4.5,98,11.5,1000' ";
    const std::string report = "ROLVANTA\r\nResults Of Project - ";
    const std::string overlap =
        "rolvanta-cli: warning: Pass 13: the dead flange roots overlap across the web";
    const struct {
        std::string arguments;
        int exitCode;
        std::string output, errors;
    } cases[] = {
        {"--version", 0, "rolvanta-cli " ROLVANTA_VERSION "\n", ""},
        {"", 2, "", "rolvanta-cli: a command is needed: compute, report, mill or catalogue"},
#ifdef ROLVANTA_CLI_PDF
        {"compute --dxf --pdf '' --dead-limits", 2, "", "rolvanta-cli: --dxf needs a value"},
        {section + "--pdf -", 0, "%PDF-", ""},
#else
        {"compute --dxf --pdf '' --dead-limits", 2, "", "rolvanta-cli: compute: unknown option"},
#endif
        {section + "--dxf -", 0, "999\ndxflib", ""},
        {mb200 + "--passes 13", 0, report, overlap},
        {mb200 + "--passes 13 --strict", 3, report, overlap},
        {mb200 + "--passes 9 --strict", 0, report, ""},
        // A section at the bounds of its fields, a name in UTF-8 taken into
        // Windows-1252.
        {"compute --section 'MB 100,100,4,75,7.2,0,0,90,11.5,1000'", 0, report, ""},
        {"compute --section 'Tr\xC3\xA4ger 20,100,4,75,11,9,4.5,120,11.5,1000'", 0,
         report + "Tr\xE4ger 20\r\n", ""},
    };
    testing::TemporaryFolder folder;
    for (const auto& c : cases) {
        const ToolRun run = runTool(c.arguments, folder.path());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(run.output.substr(0, c.output.size()), c.output) << c.arguments;
        EXPECT_EQ(run.errors.substr(0, c.errors.size()), c.errors) << c.arguments;
        EXPECT_EQ(run.errors.empty(), c.errors.empty()) << c.arguments << ": " << run.errors;
    }
    EXPECT_EQ(folder.listing(), "");
}

// A mill of other passes is fitted and saved with the design, and the tool
// says so (what it writes with a mill: the golden cases).
TEST(ToolMill, AMillOfOtherPassesIsFittedAndSavedWithTheDesign) {
    testing::TemporaryFolder out;
    ASSERT_EQ(runTool("mill example --passes 5 -o " + out / "five.rolmill").exitCode, 0);
    const ToolRun run =
        runTool("compute --section 'MB 100,100,4,75,7.2,9,4.5,98,11.5,1000' --passes 7 --mill " +
                out / "five.rolmill" + " --save " + out / "beam.rolx");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors, "rolvanta-cli: The mill has 7 stands now: 2 copied from the last\n");
    Project saved{};
    ASSERT_EQ(readDesignFile(out / "beam.rolx", saved), std::nullopt);
    Mill fitted = exampleMill(5);
    fitMillToPasses(fitted, 7);
    ASSERT_TRUE(saved.mill.has_value());
    EXPECT_TRUE(*saved.mill == fitted);
}

// The columns of the shipped table are mapped as the golden catalogue shows;
// here a table written otherwise: a byte-order mark, CRLF, a blank line,
// columns in another order, quoted fields and blanks around a number.
TEST(BeamTable, AcceptsTheWaysTablesAreWritten) {
    const std::string table =
        "\xEF\xBB\xBF"
        "designation,flange_slope_deg,toe_radius_mm,root_radius_mm,flange_thickness_mm,"
        "web_thickness_mm,flange_width_mm,depth_mm,area_cm2,mass_kg_per_m\r\n\r\n"
        "\"WB 600, heavy\", 96 ,9,18,23.6,11.8,250,600,185,145\r\n"
        "\"Say \"\"I\"\"\",96,9,18,23.6,11.8,250,600,185,145\r\n";
    std::vector<ProfileRecord> records;
    std::string error;
    ASSERT_TRUE(readBeamTable(table, records, error)) << error;
    ASSERT_EQ(records.size(), 2u);
    EXPECT_STREQ(records[0].name, "WB 600, heavy");
    EXPECT_EQ(records[0].flangeSlope, 96.0f);
    EXPECT_EQ(records[0].webWidth, 600.0f);
    EXPECT_STREQ(records[1].name, "Say \"I\"");
}

TEST(BeamTable, RefusesWhatIsNotATableOfBeams) {
    const std::string header =
        "series,designation,mass_kg_per_m,area_cm2,depth_mm,flange_width_mm,web_thickness_mm,"
        "flange_thickness_mm,root_radius_mm,toe_radius_mm,flange_slope_deg\n";
    std::string errors;
    for (const std::string& table :
         {std::string(), std::string("designation,depth_mm\nA,1\n"),
          header + "MB,MB 200,24.2,30.8,200,100,5.7,10,11,5.5,98\nMB,MB 225,heavy,39.7,"
                   "225,110,6.5,11.8,12,6,98\n",
          header + "MB,MB 200,24.2,30.8,200mm,100,5.7,10,11,5.5,98\n",  // a number's tail
          header + "MB,MB 200,24.2,30.8,1e39,100,5.7,10,11,5.5,98\n",   // beyond a float
          header + "MB,MB 200,24.2\n", header + "MB,,24.2,30.8,200,100,5.7,10,11,5.5,98\n"}) {
        std::vector<ProfileRecord> records;
        std::string error;
        EXPECT_FALSE(readBeamTable(table, records, error)) << table;
        errors += error + "\n";
    }
    testing::expectGolden("beam-table-refusals.txt", errors);
}

// "catalogue add" follows the Custom Profiles dialog's rule; the command
// line's answer to the same-name question is --replace (its refusal without
// one is among the refused command lines).
TEST(CatalogueCommand, AddsATypedSectionAndReplacesANameOnlyWhenAsked) {
    testing::TemporaryFolder folder;
    const std::string add = "catalogue add --catalogue " + folder / "beams.dat" + " --section ";
    EXPECT_EQ(testing::runTool(add + "'MB 100,100,4,75,7.2,9,4.5,98,11.5,1000'").exitCode, 0);
    EXPECT_EQ(testing::runTool(add + "'MB 100,110,4,75,7.2,9,4.5,98,11.5,1000' --replace").exitCode,
              0);
    const auto records = decodeProfileRecords(testing::readFileBytes(folder / "beams.dat"));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_STREQ(records[0].name, "MB 100");
    EXPECT_EQ(records[0].webWidth, 110.0f);
}

}  // namespace
}  // namespace rolvanta::cli
