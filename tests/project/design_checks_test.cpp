#include <gmock/gmock.h>
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
#include "support/medium_beam_200.h"

namespace rolvanta {
namespace {

Project computedExample() { return testing::computedProject(5); }

TEST(ScheduleRows, ElongationsOfTheWorkedExample) {
    const std::vector<ScheduleRow> rows = scheduleRows(computedExample());
    ASSERT_EQ(rows.size(), 6u);
    const double tolerance = 5e-5;
    // Pass 1: web 4 x 101.2 and four legs of 7.2 x 35.5.
    EXPECT_EQ(rows[0].pass, 1);
    EXPECT_NEAR(rows[0].values.crossSectionArea, 404.8 + 4 * 255.6, 1e-3);
    EXPECT_NEAR(*rows[0].elongation, 1473.2079 / 1427.2, tolerance);
    // Pass 2 (record 0) comes from pass 3 (record 1).
    EXPECT_EQ(rows[1].pass, 2);
    EXPECT_NEAR(*rows[1].elongation, 1566.2843 / 1473.2079, tolerance);
    EXPECT_NEAR(*rows[1].reductionPercent, (1566.2843 - 1473.2079) / 1566.2843 * 100, 1e-3);
    EXPECT_NEAR(*rows[1].totalElongation, 2398.4492 / 1473.2079, tolerance);
    // Pass 5, the mill's first pass, is made from the bar in (record 4),
    // which no pass makes.
    EXPECT_EQ(rows[4].pass, 5);
    EXPECT_NEAR(*rows[4].elongation, 2398.4492 / 2009.1539, tolerance);
    EXPECT_FALSE(rows[4].barIn);
    EXPECT_TRUE(rows[5].barIn);
    EXPECT_EQ(rows[5].pass, 6);
    EXPECT_FALSE(rows[5].elongation);
    EXPECT_FALSE(rows[5].reductionPercent);
    EXPECT_EQ(*rows[5].totalElongation, 1.0);
    // The product of the pass elongations is the total elongation.
    double product = 1;
    for (int i = 0; i < 5; ++i) product *= *rows[i].elongation;
    EXPECT_NEAR(product, *rows[0].totalElongation, tolerance);
}

TEST(ScheduleRows, NoneBeforeCompute) {
    Project project = computedExample();
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
        Project project = computedExample();
        c.change(project);
        EXPECT_EQ(found(checkDesign(project)), c.expected) << c.name;
    }
}

TEST(DesignChecks, NameThePassAndTheRuleInPlainWords) {
    Project project = computedExample();
    project.passes.records[1].deadFlangeRoot = 60;
    project.passes.records[1].crossSectionArea = 1800;
    const std::vector<DesignWarning> warnings = checkDesign(project);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].text,
              "Pass 3: the dead flange roots overlap across the web (2 \u00d7 60.0 mm on a "
              "98.2 mm pass width)");
    EXPECT_EQ(warnings[1].text,
              "Pass 3: the elongation 0.967 is below 1.0: the pass before it, pass 4, is "
              "smaller (1739.7 against 1800.0 mm\u00b2)");
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

TEST(DesignChecks, MediumBeam200InThirteenPasses) {
    Project project;
    startUpProject(project);
    beginNewProject(project);
    ASSERT_NO_FATAL_FAILURE(testing::takeMediumBeam200InThirteenPasses(project));
    ASSERT_EQ(computeProject(project), MissingStep::Nothing);

    std::vector<std::string> texts;
    for (const DesignWarning& w : checkDesign(project)) texts.push_back(w.text);
    EXPECT_THAT(texts, ::testing::ElementsAre(
                           "Pass 13: the dead flange roots overlap across the web (2 \u00d7 "
                           "82.9 mm on a 112.1 mm pass width)",
                           "Bar in: the dead flange roots overlap across the web (2 \u00d7 "
                           "71.4 mm on a 98.1 mm pass width)",
                           "Bar in: the live flange roots overlap across the web (2 \u00d7 "
                           "90.3 mm on a 98.1 mm pass width)"));
}

TEST(ScheduleTable, CopiesAsTabSeparatedTextWithUnitsInTheHeadings) {
    Project project = computedExample();
    project.passes.records[1].deadFlangeRoot = 60;
    const std::string text = tabSeparatedText(scheduleTable(project));
    const std::string expected =
        "Pass\tPass Width [mm]\tWeb Thickness [mm]\tWeb Area [mm\u00b2]\t"
        "Live Flange Height [mm]\tLive Flange Thickness [mm]\tLive Flange Area [mm\u00b2]\t"
        "Dead Flange Height [mm]\tDead Flange Thickness [mm]\tDead Flange Area [mm\u00b2]\t"
        "Cross Sectional Area [mm\u00b2]\tElongation\tReduction [%]\tTotal Elongation\t"
        "Warnings\n"
        "1\t101.200\t4.000\t404.800\t35.500\t7.200\t255.600\t35.500\t7.200\t255.600\t"
        "1427.200\t1.032\t3.12\t1.681\t\n"
        "2\t100.188\t4.040\t404.800\t42.500\t6.375\t270.936\t34.500\t7.631\t263.268\t"
        "1473.208\t1.063\t5.94\t1.628\t\n"
        "3\t98.176\t4.288\t420.992\t41.500\t7.042\t292.227\t41.500\t6.757\t280.419\t"
        "1566.284\t1.111\t9.97\t1.531\tthe dead flange roots overlap across the web "
        "(2 \u00d7 60.0 mm on a 98.2 mm pass width)\n";
    EXPECT_EQ(text.substr(0, expected.size()), expected);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    EXPECT_EQ(text.substr(text.rfind('\n', text.size() - 2) + 1, 7), "Bar in\t");
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
