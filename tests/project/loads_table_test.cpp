#include <gtest/gtest.h>

#include "project/loads_table.h"
#include "support/golden_file.h"
#include "support/mill_loads_fixture.h"

namespace rolvanta {
namespace {

// Every column with its unit and fixed decimals, in rolling order; the load
// warnings in the row of their pass and marked, the design warnings left to
// the Schedule Table.
TEST(LoadsTable, CopiesEveryPassInRollingOrderWithItsLoadWarnings) {
    const Project project = testing::millLoadsProject();
    const std::vector<DesignWarning> warnings = {
        {3, DesignRule::ForceLimit, "Pass 3: roll force 871 kN above the stand's 800 kN (109 %)"},
        {3, DesignRule::Bite, "Pass 3: the rolls cannot grip the web"},
        {2, DesignRule::ElongationAboveCeiling, "Pass 2: the web stretched 1.7 times"},
    };
    const ScheduleTable table = loadsTable(project, warnings);
    testing::expectGolden("loads-table.txt", tabSeparatedText(table));
    std::vector<bool> marked;
    for (const ScheduleTable::Row& row : table.rows) marked.push_back(row.marked);
    EXPECT_EQ(marked, (std::vector<bool>{false, false, true, false, false}));
}

TEST(LoadsTable, HeadsTheMillAndSaysWhatIsMissing) {
    Project project = testing::millLoadsProject();
    project.mill->example = true;
    EXPECT_EQ(millHeading(*project.mill),
              "Mill: Fixture mill (example) · Steel: Shida, 0.20 % C · Entry 1150 °C");
    project.mill->steel = {FlowStressModel::HenselSpittel, 0.2, HenselSpittelSet::S355J2};
    EXPECT_EQ(millHeading(*project.mill),
              "Mill: Fixture mill (example) · Steel: Hensel-Spittel S355J2 · Entry 1150 °C");

    EXPECT_EQ(millLoadsHint(project), "");
    project.loads.clear();
    EXPECT_EQ(millLoadsHint(project), "Compute the schedule (Solve › Compute)");
    project.flags = {};
    project.flags.projectStarted = project.flags.standardChosen = true;
    EXPECT_EQ(millLoadsHint(project), "Run Setup first (Inputs › Setup)");
    project.mill.reset();
    EXPECT_EQ(millLoadsHint(project),
              "Give the mill first (Inputs › Mill; Example Mill fills one)");
    EXPECT_EQ(loadsTable(project).rows.size(), 0u);
}

}  // namespace
}  // namespace rolvanta
