#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "engine/mill_loads.h"
#include "project/design_checks.h"
#include "project/load_checks.h"
#include "project/loads_table.h"
#include "project/schedule_rows.h"
#include "project/schedule_table.h"
#include "support/golden_file.h"
#include "support/medium_beam_mill.h"
#include "support/mill_loads_fixture.h"

namespace rolvanta {
namespace {

using Found = std::vector<std::pair<int, DesignRule>>;

Found found(const std::vector<DesignWarning>& warnings) {
    Found passes;
    for (const DesignWarning& w : warnings) passes.push_back({w.pass, w.rule});
    return passes;
}

std::vector<bool> marked(const ScheduleTable& table) {
    std::vector<bool> rows;
    for (const ScheduleTable::Row& row : table.rows) rows.push_back(row.marked);
    return rows;
}

// The worked example's rows, elongations and the bar in are pinned by
// schedule-table.txt below.
TEST(ScheduleRows, NoneBeforeCompute) {
    Project project = testing::computedProject();
    project.flags.computed = false;  // records from an earlier design
    EXPECT_TRUE(scheduleRows(project).empty());
    EXPECT_TRUE(checkDesign(project).empty());
}

// A change to a good project, and the warnings it must give: (pass, rule).
struct RuleCase {
    const char* name;
    std::function<void(Project&)> change;
    Found expected;
};

TEST(DesignChecks, EachRuleTripsOnItsPassOnly) {
    const RuleCase cases[] = {
        {"the worked example", [](Project&) {}, {}},
        {"dead flange roots overlap",
         [](Project& p) { p.passes.records[1].deadFlangeRoot = 60; },
         {{3, DesignRule::OutlineCrosses}}},
        {"live flange tips meet",
         [](Project& p) { p.passes.records[0].liveFlangeTip = p.passes.records[0].passWidth / 2; },
         {{2, DesignRule::OutlineCrosses}}},
        {"a web thinner than nothing folds the outline",
         [](Project& p) { p.passes.records[2].webThickness = -30; },
         {{4, DesignRule::OutlineCrosses}, {4, DesignRule::NotPositive}}},
        {"a zero web area",
         [](Project& p) { p.passes.records[2].webArea = 0; },
         {{4, DesignRule::NotPositive}}},
        {"a pass larger than the pass before it",
         [](Project& p) { p.passes.records[1].crossSectionArea = 1800; },
         {{3, DesignRule::ElongationBelowOne}}},
        {"the first pass larger than the bar in",
         [](Project& p) { p.passes.records[4].crossSectionArea = 1900; },
         {{5, DesignRule::ElongationBelowOne}}},
        {"a bar in whose roots overlap, and no elongation checked from it",
         [](Project& p) {
             p.passes.records[4].deadFlangeRoot = 60;
             p.passes.records[4].crossSectionArea = 1900;
         },
         {{6, DesignRule::OutlineCrosses}}},
        {"the web stretched beyond its ceiling",
         [](Project& p) {
             p.coefficients.webElongation[3] = 1.7f;
             computeDesign(p);
         },
         {{4, DesignRule::ElongationAboveCeiling}}},
    };
    for (const auto& c : cases) {
        Project project = testing::computedProject();
        c.change(project);
        EXPECT_EQ(found(checkDesign(project)), c.expected) << c.name;
    }
}

TEST(DesignChecks, NameThePassAndTheRuleInPlainWords) {
    Project project = testing::computedProject();
    project.passes.records[1].deadFlangeRoot = 60;
    project.passes.records[1].crossSectionArea = 1800;
    const std::vector<DesignWarning> warnings = checkDesign(project);
    ASSERT_EQ(warnings.size(), 2u);
    std::string texts;
    for (const DesignWarning& w : warnings) texts += w.text + "\n";
    // MB 200 in 13 passes, whose pass 13 has its dead flange roots overlap.
    for (const DesignWarning& w : checkDesign(testing::computedMediumBeam200(13))) {
        texts += w.text + "\n";
    }
    testing::expectGolden("design-warnings.txt", texts);
    const DesignWarning load{9, DesignRule::Bite, "Pass 9: ..."};
    const struct {
        std::vector<DesignWarning> warnings;
        const char* note;
    } notes[] = {
        {{}, ""},
        {{warnings[0]}, "1 warning: see the Schedule Table"},
        {warnings, "2 warnings: see the Schedule Table"},
        {{warnings[0], warnings[1], load}, "3 warnings: see the Schedule Table and Mill Loads"},
        {{load, load}, "2 warnings: see Mill Loads"},
    };
    for (const auto& c : notes) EXPECT_EQ(warningsNote(c.warnings), c.note);
}

TEST(ScheduleTable, CopiesAsTabSeparatedTextWithUnitsInTheHeadings) {
    Project project = testing::computedProject();
    project.passes.records[1].deadFlangeRoot = 60;
    const ScheduleTable table = scheduleTable(project);
    testing::expectGolden("schedule-table.txt", tabSeparatedText(table));
    EXPECT_EQ(marked(table), (std::vector<bool>{false, false, true, false, false, false}));
    EXPECT_EQ(table.hint, "");
    // Without rows, the table says what fills them.
    project.flags = {};
    project.flags.projectStarted = project.flags.customEntered = true;
    EXPECT_EQ(scheduleTable(project).hint, "Compute the schedule (Solve \u203A Compute)");
    project.section.passCount = 0;
    EXPECT_EQ(scheduleTable(project).hint, "Run Setup first (Inputs \u203A Setup)");
}

// MB 200 in 9 passes on the plausible mill, where stands[j] rolls Pass 9 - j
// and nothing is wrong; each case changes the mill or the schedule, computes
// the loads again and finds its rule on its pass only.
TEST(LoadChecks, EachRuleTripsOnItsPassOnly) {
    using R = DesignRule;
    const auto limitAt = [](std::optional<double> MillStand::*limit, int j, double factor) {
        return [=](Project& p) {
            const PassLoads& l = p.loads[j];
            const double value = limit == &MillStand::maxForce_kN     ? l.force_kN
                                 : limit == &MillStand::maxTorque_kNm ? l.torque_kNm
                                                                      : l.motorPower_kW;
            p.mill->stands[j].*limit = value * factor;
        };
    };
    // A web 40 mm thick entering stand 1 of 250 mm: a bite of 22.8° at 1150 °C.
    const auto thickWeb = [](Project& p) {
        p.passes.records[8].webThickness = 40;
        p.mill->stands[0].diameter_mm = 250;
    };
    const RuleCase cases[] = {
        {"the plausible mill", [](Project&) {}, {}},
        {"a force just within the stand's limit", limitAt(&MillStand::maxForce_kN, 0, 1.01), {}},
        {"a force above it", limitAt(&MillStand::maxForce_kN, 0, 0.9), {{9, R::ForceLimit}}},
        {"a torque just within", limitAt(&MillStand::maxTorque_kNm, 4, 1.01), {}},
        {"a torque above", limitAt(&MillStand::maxTorque_kNm, 4, 0.9), {{5, R::TorqueLimit}}},
        {"a motor just within its rating", limitAt(&MillStand::motor_kW, 8, 1.01), {}},
        {"a motor above", limitAt(&MillStand::motor_kW, 8, 0.9), {{1, R::MotorLimit}}},
        {"steel rolls grip a thick web (20.8° < 22.8° < 25.4°)", thickWeb, {}},
        {"chilled iron rolls do not",
         [&](Project& p) {
             thickWeb(p);
             p.mill->rollMaterial = RollMaterial::ChilledIron;
         },
         {{9, R::Bite}}},
        {"a bar entering at 1100 °C finishes 56 K cold",
         [](Project& p) { p.mill->entryTemperature_C = 1100; },
         {{1, R::FinishingTemperature}}},
        {"a bar entering at 1250 °C, above Shida's data for two passes",
         [](Project& p) { p.mill->entryTemperature_C = 1250; },
         {{9, R::FlowStressRange}, {8, R::FlowStressRange}}},
        {"Pass 3 at 600 rpm, above Shida's rates",
         [](Project& p) { p.mill->stands[6].rpm = 600; },
         {{3, R::FlowStressRange}}},
        {"S355J2: Pass 1's strain 0.032 below the set's data",
         [](Project& p) {
             p.mill->steel.model = FlowStressModel::HenselSpittel;
             p.mill->steel.set = HenselSpittelSet::S355J2;
         },
         {{1, R::FlowStressRange}}},
        {"carbon 1.2 % at the top of Shida's data",
         [](Project& p) { p.mill->steel.carbon_pct = 1.2; },
         {}},
        {"carbon 1.4 %, once for the mill",
         [](Project& p) { p.mill->steel.carbon_pct = 1.4; },
         {{0, R::FlowStressRange}}},
        {"Pass 3 wider than Pass 2 leaves it: loads below the ideal work",
         [](Project& p) { p.passes.records[1].passWidth = 230; },
         {{2, R::HomogeneousEfficiency}}},
        {"Pass 3 with a thicker web than Pass 4",
         [](Project& p) { p.passes.records[1].webThickness = 9; },
         {{3, R::MillInput}, {3, R::FlowStressRange}}},
        {"rolls of 72 mm radius over legs of 71.2 mm",
         [](Project& p) { p.mill->stands[0].diameter_mm = 144; },
         {}},
        {"rolls of 70 mm radius",
         [](Project& p) { p.mill->stands[0].diameter_mm = 140; },
         {{9, R::MillInput}}},
        {"a distance to the next pass instead of a time",
         [](Project& p) {
             p.mill->stands[3].interpass_s.reset();
             p.mill->stands[3].distance_m = 20;
         },
         {}},
        {"neither", [](Project& p) { p.mill->stands[3].interpass_s.reset(); }, {{6, R::MillInput}}},
    };
    for (const auto& c : cases) {
        Project project = testing::mediumBeam200OnItsMill(9);
        c.change(project);
        project.loads = computeMillLoads(*project.mill, project.section, project.passes);
        EXPECT_EQ(found(checkLoads(project)), c.expected) << c.name;
    }
}

TEST(LoadChecks, TextsNameThePassWhatAndHowMuch) {
    Project project = testing::mediumBeam200OnItsMill(9);
    Mill& mill = *project.mill;
    mill.steel.carbon_pct = 1.4;
    mill.stands[0].maxForce_kN = 2000;
    mill.stands[1].maxTorque_kNm = 150;
    mill.stands[2].motor_kW = 1800;
    mill.stands[3].interpass_s.reset();
    PassLoads* l = project.loads.data();
    l[0].force_kN = 2310, l[0].forceUse_pct = 115.6;
    l[1].torque_kNm = 162.34, l[1].torqueUse_pct = 108.2;
    l[2].motorPower_kW = 2100, l[2].motorUse_pct = 116.7;
    l[4].biteAngle_deg = 24.08, l[4].biteAngleLimit_deg = 21.3;
    l[5].entryTemperature_C = 1234;
    l[6].homogeneousEfficiency = 1.123;
    l[7].elongation = 0.98;
    l[8].exitTemperature_C = 912.3;
    std::string all;
    for (const DesignWarning& warning : checkLoads(project)) all += warning.text + "\n";
    project.mill->stands[0].diameter_mm = 140;
    all += checkLoads(project)[1].text + "\n";
    testing::expectGolden("load-warnings.txt", all);
}

TEST(LoadChecks, FollowTheDesignChecksAndNeedLoads) {
    Project project = testing::mediumBeam200OnItsMill(13);
    project.mill->stands[0].maxForce_kN = 1000;
    project.loads = computeMillLoads(*project.mill, project.section, project.passes);
    // Pass 13's dead flange roots, and both flanges' roots of the bar in.
    const Found design = {{13, DesignRule::OutlineCrosses},
                          {14, DesignRule::OutlineCrosses},
                          {14, DesignRule::OutlineCrosses}};
    Found all = design;
    all.push_back({13, DesignRule::ForceLimit});
    EXPECT_EQ(found(checkProject(project)), all);

    project.loads.clear();
    EXPECT_TRUE(checkLoads(project).empty());
    EXPECT_EQ(found(checkProject(project)), design);
}

// Every column with its unit and fixed decimals, in rolling order; the load
// warnings in the row of their pass and marked, the design warnings left to
// the Schedule Table. Below the table, the mill's heading for each steel
// model, then what the table says is missing, step by step.
TEST(LoadsTable, CopiesEveryPassWithItsLoadWarningsHeadsTheMillAndSaysWhatIsMissing) {
    Project project = testing::millLoadsProject();
    const std::vector<DesignWarning> warnings = {
        {3, DesignRule::ForceLimit, "Pass 3: roll force 871 kN above the stand's 800 kN (109 %)"},
        {3, DesignRule::Bite, "Pass 3: the rolls cannot grip the web"},
        {2, DesignRule::ElongationAboveCeiling, "Pass 2: the web stretched 1.7 times"},
    };
    const ScheduleTable table = loadsTable(project, warnings);
    EXPECT_EQ(marked(table), (std::vector<bool>{false, false, true, false, false}));
    EXPECT_EQ(millLoadsHint(project), "");
    std::string shown = tabSeparatedText(table);
    project.mill->example = true;
    shown += millHeading(*project.mill) + "\n";
    project.mill->steel = {FlowStressModel::HenselSpittel, 0.2, HenselSpittelSet::S355J2};
    shown += millHeading(*project.mill) + "\n";
    project.loads.clear();
    shown += millLoadsHint(project) + "\n";
    project.flags = {};
    project.flags.projectStarted = project.flags.standardChosen = true;
    shown += millLoadsHint(project) + "\n";
    project.mill.reset();
    shown += millLoadsHint(project) + "\n";
    EXPECT_EQ(loadsTable(project).rows.size(), 0u);
    testing::expectGolden("loads-table.txt", shown);
}

}  // namespace
}  // namespace rolvanta
