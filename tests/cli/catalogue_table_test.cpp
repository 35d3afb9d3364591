#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/catalogue_table.h"
#include "support/golden_file.h"
#include "tool_run.h"

namespace rolvanta::cli {
namespace {

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
