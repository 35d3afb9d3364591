#include <gtest/gtest.h>

#include <cmath>

#include "engine/hot_section.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

using testing::exampleSection;

// The worked example's hot section is pinned by the golden worked-example
// files (their Pass 1 line).

// Compute always expands the finished web width, kept aside in `coldWebWidth`,
// so that it can run again; a section from an older file keeps none there.
TEST(ComputeHotDimensions, ExpandsTheFinishedWebWidth) {
    const struct {
        const char* name;
        float temperature;
        float coldWebWidth;
        double hotWidth;
    } cases[] = {
        {"no setup", 0.0f, 100.0f, 100.0},
        {"800 degrees", 800.0f, 100.0f, 100.96},
        {"1200 degrees", 1200.0f, 100.0f, 101.44},
        {"older file", 1000.0f, 0.0f, 101.2},
    };
    for (const auto& c : cases) {
        BeamSection section = exampleSection();
        section.temperature = c.temperature;
        section.coldWebWidth = c.coldWebWidth;
        computeHotDimensions(section);
        EXPECT_NEAR(section.webWidth, c.hotWidth, 5e-5) << c.name;
        EXPECT_EQ(finishedWebWidth(section), 100.0f) << c.name;
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

}  // namespace
}  // namespace rolvanta
