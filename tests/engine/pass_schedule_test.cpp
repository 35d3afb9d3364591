#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/coefficient_rules.h"
#include "engine/hot_section.h"
#include "engine/pass_fields.h"
#include "engine/pass_schedule.h"
#include "engine/section_outline.h"
#include "support/example_section.h"
#include "support/golden_file.h"

namespace rolvanta {
namespace {

using testing::computedProject;
using testing::exampleProject;
using testing::exampleSection;
using testing::sameBytes;

// The worked example's schedule is pinned, every field to nine digits, by
// the command-line tool's golden files (worked-example.csv and .json), the
// pass widths of 5 to 13 passes by its other cases; a second Compute giving
// the same bytes by the project's ChangedInputs test.

// ---- the schedule ----

// Records and width reductions from the pass count up are never written,
// nor is the first web elongation read.
TEST(ComputePassSchedule, WritesAndReadsOnlyTheEntriesOfItsPasses) {
    for (const int n : {0, 13}) {
        Project project = exampleProject(n);
        PassRecord marker;
        for (const PassField& field : kPassFields) marker.*field.member = -7.25f;
        for (auto& record : project.passes.records) record = marker;
        for (float& entry : project.coefficients.widthReduction) entry = 99.0f;
        computeDesign(project);
        for (int k = n; k < kPassTableSize; ++k) {
            EXPECT_TRUE(sameBytes(project.passes.records[k], marker)) << n << " passes, " << k;
            EXPECT_EQ(project.coefficients.widthReduction[k], 99.0f) << n << " passes, " << k;
        }
    }
    Project project = exampleProject(1000);
    computeDesign(project);  // must not write past record 14 (the sanitizers watch)
    EXPECT_NE(project.passes.records[14].webArea, 0.0f);
    Project changed = exampleProject();
    changed.coefficients.webElongation[0] = 7.0f;
    computeDesign(changed);
    EXPECT_TRUE(sameBytes(changed.passes, computedProject().passes)) << "the first web entry";
}

TEST(ComputePassSchedule, ZeroDivisorsStoreZero) {
    const struct {
        const char* name;
        void (*change)(Project&);
    } cases[] = {
        {"zero flange thickness", [](Project& p) { p.section.flangeThickness = 0.0f; }},
        {"zero flange height", [](Project& p) { p.section.flangeHeight = p.section.webThickness; }},
        {"zero coefficients",
         [](Project& p) {
             for (float& c : p.coefficients.deadFlangeElongation) c = 0.0f;
             for (float& c : p.coefficients.liveFlangeElongation) c = 0.0f;
         }},
        {"web narrower than the reductions",
         [](Project& p) { setFinishedWebWidth(p.section, 3.0f); }},
        {"flange heights stepping to zero",
         [](Project& p) {
             p.section.flangeHeight = 6.0f;  // legs of 1 mm
             for (float& s : p.coefficients.liveHeightStep) s = -1.0f;
             for (float& s : p.coefficients.deadHeightStep) s = -1.0f;
         }},
        {"all zero", [](Project& p) { std::memset(&p.section, 0, sizeof p.section); }},
    };
    for (const auto& c : cases) {
        Project project = exampleProject(13);
        c.change(project);
        computeDesign(project);
        for (int k = 0; k < 13; ++k) {
            for (const PassField& field : kPassFields) {
                EXPECT_TRUE(std::isfinite(project.passes.records[k].*field.member))
                    << c.name << ", record " << k << ", " << field.name;
            }
        }
    }
    Project project = exampleProject();
    project.section.flangeThickness = 0.0f;
    computeDesign(project);
    const PassRecord& r = project.passes.records[0];
    for (const float quotient :
         {r.deadFlangeRoot, r.liveFlangeRoot, r.deadFlangeTip, r.liveFlangeTip}) {
        EXPECT_EQ(quotient, 0.0f) << "roots and tips over a zero flange thickness";
    }
}

// ---- the hot section ----

// Compute always expands the finished web width, kept aside in `coldWebWidth`,
// so that it can run again; a section from an older file keeps none there.
// The expansion at 850, 1000, 1100 and 1200 °C is pinned by the tool's
// golden files (their Pass 1 lines).
TEST(ComputeHotDimensions, ExpandsTheFinishedWebWidth) {
    BeamSection section = exampleSection();
    section.temperature = 0.0f;  // no setup
    computeHotDimensions(section);
    EXPECT_EQ(section.webWidth, 100.0f);
    section.temperature = 1000.0f;
    section.coldWebWidth = 0.0f;  // an older file
    for (int run = 0; run < 2; ++run) {
        computeHotDimensions(section);
        EXPECT_NEAR(section.webWidth, 101.2, 5e-5) << "run " << run;
        EXPECT_EQ(finishedWebWidth(section), 100.0f) << "run " << run;
    }
}

// No taper at 90°, a taper the other way thins the root; a degenerate
// section still gives finite numbers.
TEST(ComputeHotDimensions, RootAndTipFollowTheTaper) {
    BeamSection section = exampleSection();
    section.flangeSlope = 90.0f;
    computeHotDimensions(section);
    EXPECT_EQ(section.slopeAngle, 0.0f);
    EXPECT_TRUE(section.rootThickness == 7.2f && section.tipThickness == 7.2f);
    section.flangeSlope = 86.0f;
    computeHotDimensions(section);
    EXPECT_NEAR(section.rootThickness, 7.2 + 17.75 * std::tan(-0.0698132), 5e-5);
    for (const float slope : {0.0f, 90.0f, 180.0f, 270.0f, -1e30f, 1e30f}) {
        section.flangeSlope = slope;
        section.flangeThickness = 0.0f;
        computeHotDimensions(section);
        EXPECT_TRUE(std::isfinite(section.slopeAngle) && std::isfinite(section.rootThickness) &&
                    std::isfinite(section.tipThickness))
            << "slope " << slope;
    }
}

// ---- the coefficients ----

constexpr float kUntouched = 9.5f;

CoefficientSet markedSet() {
    CoefficientSet set;
    float* entries = set.webElongation;
    for (int i = 0; i < 90; ++i) entries[i] = kUntouched;
    return set;
}

// The row holds `written` in its first entries and is untouched after them.
void expectRow(const float (&row)[kPassTableSize], const std::vector<float>& written,
               const std::string& what) {
    for (int k = 0; k < kPassTableSize; ++k) {
        const float expected = k < int(written.size()) ? written[k] : kUntouched;
        EXPECT_NEAR(row[k], expected, 1e-5) << what << ", entry " << k;
    }
}

TEST(ParseCoefficientLists, NamedCases) {
    const struct {
        const char* name;
        const char* text;
        int passCount;
        std::vector<float> written;
    } cases[] = {
        {"short list repeats its last number", "1.2 1.1 1", 5, {1.2f, 1.1f, 1, 1, 1}},
        {"runs of spaces are one separator", "   1.3    1.4   ", 2, {1.3f, 1.4f}},
        {"a comma is part of a number", "1.2,1.1", 2, {1.2f, 1.2f}},
        {"a word reads as zero", "a 1.3", 2, {0, 1.3f}},
        {"a tab is not a separator", "1.1\t1.2", 1, {1.1f}},
        {"an empty list leaves the row", "", 5, {}},
        {"blanks only leave the row", "     ", 5, {}},
        {"numbers past the fifteenth are ignored",
         "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17",
         13,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {"no pass count: only the numbers given", "1.05 1.07", 0, {1.05f, 1.07f}},
    };
    for (const auto& c : cases) {
        CoefficientSet set = markedSet();
        parseCoefficientLists(set, exampleSection(c.passCount), c.text, "", "");
        expectRow(set.webElongation, c.written, c.name);
        expectRow(set.liveFlangeElongation, {}, c.name);
    }

    CoefficientSet set = markedSet();
    parseCoefficientLists(set, exampleSection(3), "1.1", "1.2", "1.3");
    expectRow(set.webElongation, {1.1f, 1.1f, 1.1f}, "web list");
    expectRow(set.liveFlangeElongation, {1.2f, 1.2f, 1.2f}, "live list");
    expectRow(set.deadFlangeElongation, {1.3f, 1.3f, 1.3f}, "dead list");
    expectRow(set.widthReduction, {}, "no list");
}

// Limits from 1.0 to 1.3 for every row, then the height steps that go with
// them, for n passes: each row reaches 1.3 in entry n - 1; the web row runs
// on through entry 10, the flange rows are cleared through it; nothing is
// applied without a range of records, and nothing is written past a row.
TEST(ApplyCoefficientLimits, RowsAndStepsFollowThePassCount) {
    for (const int n : {0, 1, 2, 5, 12, 13, 40}) {
        const std::string what = std::to_string(n) + " passes";
        CoefficientSet set = markedSet();
        const BeamSection section = exampleSection(n);
        applyCoefficientLimits(set, section, 1.0f, 1.3f, 1.0f, 1.3f, 1.0f, 1.3f);
        adjustHeightSteps(set, section);

        const int m = std::min(n, kPassTableSize);
        std::vector<float> web, flange;
        for (int k = 0; m > 1 && k < std::max(m, 11); ++k) {
            web.push_back(1.0f + 0.3f * k / (m - 1));
            flange.push_back(k < m ? web.back() : 0.0f);
        }
        std::vector<float> dead(std::max(m - 1, 0), -1.5f);
        std::vector<float> live(std::max(m - 1, 0), 8.0f);
        if (!live.empty()) live.back() = 0.0f;
        expectRow(set.webElongation, web, what + ", web");
        expectRow(set.liveFlangeElongation, flange, what + ", live flange");
        expectRow(set.deadFlangeElongation, flange, what + ", dead flange");
        expectRow(set.deadHeightStep, dead, what + ", dead steps");
        expectRow(set.liveHeightStep, live, what + ", live steps");
    }
}

// ---- the outline of a pass ----

// W 300, t 10, dead flange 60 / tip 8 / root 14, live flange 50 / tip 9 /
// root 15, in the record's order; areas (3000) and flange thicknesses (11)
// hold values that must not enter.
constexpr PassRecord kOutlined{3000, 300, 10, 3000, 60, 11, 8, 14, 3000, 50, 11, 9, 15, 3000};

// Points 1 to 15 as "x,y", exact for a float.
std::string pointsOf(int position, const PassRecord& record) {
    std::string text;
    for (const OutlinePoint& p : computeSectionOutline(position, record).points) {
        char point[40];
        std::snprintf(point, sizeof point, " %.9g,%.9g", p.x, p.y);
        text += point;
    }
    return text.substr(1);
}

// Position 1 with the dead flange below, 0 with the live, odd and even
// alike at 7 and 12; an all-zero record gives the reference point; values a
// float cannot hold, where the last point must still close the loop exactly.
TEST(ComputeSectionOutline, WorkedExampleInBothOrientations) {
    std::string outlines;
    for (const int position : {1, 0, 7, 12}) outlines += pointsOf(position, kOutlined) + "\n";
    outlines += pointsOf(0, PassRecord{}) + "\n";
    int position = 0;
    for (const float value : {0.1f, 1e-7f, 333.333f, -17.25f, 1e30f, 2.5e-3f}) {
        PassRecord record = kOutlined;
        record.passWidth = value * 3;
        record.webThickness = value;
        record.deadFlangeHeight = value / 7;
        outlines += pointsOf(position++, record) + "\n";
    }
    testing::expectGolden("section-outlines.txt", outlines);
}

}  // namespace
}  // namespace rolvanta
