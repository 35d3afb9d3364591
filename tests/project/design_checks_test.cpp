#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "project/design_checks.h"
#include "project/design_inputs.h"
#include "project/project_life.h"
#include "project/schedule_rows.h"
#include "project/schedule_table.h"
#include "support/example_section.h"
#include "support/golden_file.h"
#include "support/medium_beam_200.h"

namespace rolvanta {
namespace {

// The worked example's rows, elongations and the bar in are pinned by
// schedule-table.txt below.
TEST(ScheduleRows, NoneBeforeCompute) {
    Project project = testing::computedProject();
    project.flags.computed = false;  // records from an earlier design
    EXPECT_TRUE(scheduleRows(project).empty());
    EXPECT_TRUE(checkDesign(project).empty());
}

using Found = std::vector<std::pair<int, DesignRule>>;

Found found(const std::vector<DesignWarning>& warnings) {
    Found passes;
    for (const DesignWarning& w : warnings) passes.push_back({w.pass, w.rule});
    return passes;
}

TEST(DesignChecks, EachRuleTripsOnItsPassOnly) {
    const struct {
        const char* name;
        std::function<void(Project&)> change;
        Found expected;
    } cases[] = {
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
    // With MB 200 in 13 passes, whose pass 13 has its dead flange roots overlap.
    Project mb200;
    startUpProject(mb200);
    beginNewProject(mb200);
    ASSERT_NO_FATAL_FAILURE(testing::takeMediumBeam200InThirteenPasses(mb200));
    ASSERT_EQ(computeProject(mb200), MissingStep::Nothing);
    std::string texts;
    for (const DesignWarning& w : warnings) texts += w.text + "\n";
    for (const DesignWarning& w : checkDesign(mb200)) texts += w.text + "\n";
    testing::expectGolden("design-warnings.txt", texts);
    // The note says where to look.
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
    testing::expectGolden("schedule-table.txt", tabSeparatedText(scheduleTable(project)));
    EXPECT_TRUE(scheduleTable(project).rows[2].marked);
    EXPECT_FALSE(scheduleTable(project).rows[1].marked);
    EXPECT_EQ(scheduleTable(project).hint, "");
    // Without rows, the table says what fills them.
    project.flags = {};
    project.flags.projectStarted = project.flags.customEntered = true;
    EXPECT_EQ(scheduleTable(project).hint, "Compute the schedule (Solve \u203A Compute)");
    project.section.passCount = 0;
    EXPECT_EQ(scheduleTable(project).hint, "Run Setup first (Inputs \u203A Setup)");
}

}  // namespace
}  // namespace rolvanta
