#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "engine/hot_section.h"
#include "engine/pass_schedule.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

using testing::exampleProject;

struct ExpectedField {
    const char* name;
    float PassRecord::*field;
    double expected;
};

constexpr double kThreeDecimals = 5e-4;

void expectRecord(const PassRecord& record, std::initializer_list<ExpectedField> fields,
                  const char* label) {
    for (const auto& f : fields) {
        EXPECT_NEAR(record.*f.field, f.expected, kThreeDecimals) << label << ": " << f.name;
    }
}

Project computedExample(int passCount = 5) {
    Project project = exampleProject(passCount);
    computeDesign(project);
    return project;
}

bool sameBytes(const PassRecord& a, const PassRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

PassRecord filledRecord(float value) {
    PassRecord record;
    float* fields = &record.webArea;
    for (int i = 0; i < 14; ++i) fields[i] = value;
    return record;
}

TEST(ComputePassSchedule, WorkedExampleWidthReductions) {
    const Project project = computedExample();
    const double expected[] = {1.012, 2.012, 3.012, 4.012, 5.012};
    for (int k = 0; k < 5; ++k) {
        EXPECT_NEAR(project.coefficients.widthReduction[k], expected[k], kThreeDecimals) << k;
    }
}

TEST(ComputePassSchedule, WorkedExampleRecords) {
    const Project project = computedExample();
    const PassRecord* r = project.passes.records;
    expectRecord(r[0],
                 {{"webArea", &PassRecord::webArea, 404.800},
                  {"passWidth", &PassRecord::passWidth, 100.188},
                  {"webThickness", &PassRecord::webThickness, 4.040},
                  {"deadFlangeArea", &PassRecord::deadFlangeArea, 263.268},
                  {"deadFlangeHeight", &PassRecord::deadFlangeHeight, 34.500},
                  {"deadFlangeThickness", &PassRecord::deadFlangeThickness, 7.631},
                  {"deadFlangeTip", &PassRecord::deadFlangeTip, 4.987},
                  {"deadFlangeRoot", &PassRecord::deadFlangeRoot, 10.275},
                  {"liveFlangeArea", &PassRecord::liveFlangeArea, 270.936},
                  {"liveFlangeHeight", &PassRecord::liveFlangeHeight, 42.500},
                  {"liveFlangeThickness", &PassRecord::liveFlangeThickness, 6.375},
                  {"liveFlangeTip", &PassRecord::liveFlangeTip, 4.166},
                  {"liveFlangeRoot", &PassRecord::liveFlangeRoot, 8.584},
                  {"crossSectionArea", &PassRecord::crossSectionArea, 1473.208}},
                 "record 0");
    expectRecord(r[1],
                 {{"webArea", &PassRecord::webArea, 420.992},
                  {"passWidth", &PassRecord::passWidth, 98.176},
                  {"webThickness", &PassRecord::webThickness, 4.288},
                  {"deadFlangeArea", &PassRecord::deadFlangeArea, 280.419},
                  {"deadFlangeHeight", &PassRecord::deadFlangeHeight, 41.500},
                  {"deadFlangeThickness", &PassRecord::deadFlangeThickness, 6.757},
                  {"deadFlangeTip", &PassRecord::deadFlangeTip, 4.416},
                  {"deadFlangeRoot", &PassRecord::deadFlangeRoot, 9.098},
                  {"liveFlangeArea", &PassRecord::liveFlangeArea, 292.227},
                  {"liveFlangeHeight", &PassRecord::liveFlangeHeight, 41.500},
                  {"liveFlangeThickness", &PassRecord::liveFlangeThickness, 7.042},
                  {"liveFlangeTip", &PassRecord::liveFlangeTip, 4.602},
                  {"liveFlangeRoot", &PassRecord::liveFlangeRoot, 9.481},
                  {"crossSectionArea", &PassRecord::crossSectionArea, 1566.284}},
                 "record 1");
    expectRecord(r[4],
                 {{"passWidth", &PassRecord::passWidth, 86.140},
                  {"crossSectionArea", &PassRecord::crossSectionArea, 2398.449}},
                 "record 4");
}

TEST(ComputePassSchedule, PassWidthFollowsTheClosedForm) {
    const Project project = computedExample(13);
    const double hot = project.section.webWidth;
    for (int k = 0; k < 13; ++k) {
        const double closedForm = hot - (k + 1) * 0.01 * hot - k * (k + 1) / 2.0;
        EXPECT_NEAR(project.passes.records[k].passWidth, closedForm, 1e-3) << k;
    }
}

TEST(ComputePassSchedule, NoPassesWritesNothing) {
    Project project = exampleProject(0);
    const PassRecord marker = filledRecord(3.5f);
    for (auto& record : project.passes.records) record = marker;
    const CoefficientSet before = project.coefficients;
    computeDesign(project);
    for (const auto& record : project.passes.records) EXPECT_TRUE(sameBytes(record, marker));
    EXPECT_EQ(std::memcmp(&before, &project.coefficients, sizeof before), 0);
}

TEST(ComputePassSchedule, RecordsFromThePassCountUpKeepTheirContents) {
    Project project = exampleProject(13);
    const PassRecord marker = filledRecord(-7.25f);
    project.passes.records[13] = marker;
    project.passes.records[14] = marker;
    project.coefficients.widthReduction[13] = 99.0f;
    project.coefficients.widthReduction[14] = 98.0f;
    computeDesign(project);
    EXPECT_TRUE(sameBytes(project.passes.records[13], marker));
    EXPECT_TRUE(sameBytes(project.passes.records[14], marker));
    EXPECT_EQ(project.coefficients.widthReduction[13], 99.0f);
    EXPECT_EQ(project.coefficients.widthReduction[14], 98.0f);
}

TEST(ComputePassSchedule, PassCountBeyondTheTableStopsAtItsEnd) {
    Project project = exampleProject(1000);
    computeDesign(project);  // must not write past record 14 (the sanitizers watch)
    EXPECT_NE(project.passes.records[14].webArea, 0.0f);
}

TEST(ComputePassSchedule, FirstWebElongationIsNeverUsed) {
    Project a = exampleProject();
    Project b = exampleProject();
    b.coefficients.webElongation[0] = 7.0f;
    computeDesign(a);
    computeDesign(b);
    EXPECT_EQ(std::memcmp(&a.passes, &b.passes, sizeof a.passes), 0);
}

TEST(ComputePassSchedule, RepeatedComputeGivesIdenticalRecords) {
    Project project = computedExample(13);
    const Project first = project;
    computeDesign(project);
    EXPECT_EQ(std::memcmp(&first, &project, sizeof first), 0);
}

bool allFinite(const PassRecord& record) {
    const float* fields = &record.webArea;
    for (int i = 0; i < 14; ++i) {
        if (!std::isfinite(fields[i])) return false;
    }
    return true;
}

TEST(ComputePassSchedule, ZeroDivisorsStoreZero) {
    const struct {
        const char* name;
        void (*change)(Project&);
    } cases[] = {
        {"zero flange thickness", [](Project& p) { p.section.flangeThickness = 0.0f; }},
        {"zero flange height",
         [](Project& p) { p.section.flangeHeight = p.section.webThickness; }},
        {"zero coefficients",
         [](Project& p) {
             for (float& c : p.coefficients.deadFlangeElongation) c = 0.0f;
             for (float& c : p.coefficients.liveFlangeElongation) c = 0.0f;
         }},
        {"web narrower than the reductions", [](Project& p) { setFinishedWebWidth(p.section, 3.0f); }},
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
            EXPECT_TRUE(allFinite(project.passes.records[k])) << c.name << ", record " << k;
        }
    }
}

TEST(ComputePassSchedule, ZeroFlangeThicknessGivesZeroRootsAndTipsInRecordZero) {
    Project project = exampleProject();
    project.section.flangeThickness = 0.0f;
    computeDesign(project);
    const PassRecord& r = project.passes.records[0];
    EXPECT_EQ(r.deadFlangeRoot, 0.0f);
    EXPECT_EQ(r.liveFlangeRoot, 0.0f);
    EXPECT_EQ(r.deadFlangeTip, 0.0f);
    EXPECT_EQ(r.liveFlangeTip, 0.0f);
}

TEST(ComputePassSchedule, WorkingRecordEndsWithTheLastRecordsHeightsExchanged) {
    Project project = exampleProject();
    computeHotDimensions(project.section);
    PassRecord working{};
    computePassSchedule(working, project.section, project.coefficients, project.passes);
    const PassRecord& last = project.passes.records[4];
    EXPECT_EQ(working.liveFlangeHeight, last.deadFlangeHeight);
    EXPECT_EQ(working.deadFlangeHeight, last.liveFlangeHeight);
    EXPECT_EQ(working.crossSectionArea, last.crossSectionArea);
}

}  // namespace
}  // namespace rolvanta
