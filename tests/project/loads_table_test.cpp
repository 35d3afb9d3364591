#include <gtest/gtest.h>

#include "project/loads_table.h"
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
    EXPECT_EQ(tabSeparatedText(table),
              "Pass\tStand\tDiameter [mm]\tSpeed [rpm]\tTemperature In [°C]\tTemperature Out "
              "[°C]\tStrain\tStrain Rate [1/s]\tMean Flow Stress [MPa]\tContact Length "
              "[mm]\tBite Angle [°]\tBite Limit [°]\tForce [kN]\tForce Low [kN]\tTorque "
              "[kN·m]\tRoll Power [kW]\tMotor Power [kW]\tForce Use [%]\tTorque Use [%]\tMotor "
              "Use [%]\tExit Speed [m/s]\tInterpass [s]\tInterpass Drop [K]\tWarnings\n"
              "5\tBD1\t650\t60.0\t1150.0\t1141.3\t0.412\t3.85\t88.4\t42.6\t15.20\t25.00\t905\t760"
              "\t38.2\t481\t578\t75.4\t63.7\t38.5\t2.31\t8.0\t-24.6\t\n"
              "4\tR2\t550\t90.0\t1116.7\t1110.2\t0.355\t6.12\t95.1\t35.8\t13.40\t26.00\t842\t712"
              "\t29.6\t558\t660\t84.2\t74.0\t55.0\t2.90\t6.0\t-18.3\t\n"
              "3\tR3\t550\t120.0\t1091.9\t1087.5\t0.301\t9.40\t104.7\t30.1\t12.10\t26.74\t871\t748"
              "\t24.9\t626\t741\t108.9\t83.0\t\t3.60\t5.0\t-15.2\troll force 871 kN above the "
              "stand's 800 kN (109 %); the rolls cannot grip the web\n"
              "2\tI4\t500\t150.0\t1072.3\t1069.0\t0.248\t12.80\t111.2\t25.4\t10.60\t27.33\t640\t575"
              "\t16.3\t512\t603\t91.4\t81.5\t60.3\t4.20\t4.0\t-12.5\t\n"
              "1\tF5\t480\t180.0\t1056.5\t1054.1\t0.153\t14.10\t113.9\t19.2\t8.10\t27.80\t455\t430"
              "\t9.1\t343\t404\t75.8\t60.7\t44.9\t4.80\t\t\t\n");
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
