#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "engine/pass_fields.h"
#include "engine/pass_schedule.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

using testing::computedProject;
using testing::exampleProject;
using testing::sameBytes;

PassRecord filledRecord(float value) {
    PassRecord record;
    for (const PassField& field : kPassFields) record.*field.member = value;
    return record;
}

// The worked example's schedule is pinned, every field to nine digits, by
// the command-line tool's golden files (worked-example.csv and .json), the
// pass widths of 5 to 13 passes by its other cases; a second Compute giving
// the same bytes by the project's ChangedInputs test.

TEST(ComputePassSchedule, RecordsAndWidthReductionsFromThePassCountUpAreUntouched) {
    for (const int n : {0, 13}) {
        Project project = exampleProject(n);
        const PassRecord marker = filledRecord(-7.25f);
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
}

TEST(ComputePassSchedule, FirstWebElongationIsNeverUsed) {
    Project changed = exampleProject();
    changed.coefficients.webElongation[0] = 7.0f;
    computeDesign(changed);
    EXPECT_TRUE(sameBytes(changed.passes, computedProject().passes));
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

}  // namespace
}  // namespace rolvanta
