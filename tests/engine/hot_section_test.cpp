#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "engine/hot_section.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

using testing::exampleSection;

struct ExpectedValue {
    const char* name;
    float BeamSection::*field;
    double expected;
    double tolerance;  // half a unit in the last printed decimal
};

TEST(ComputeHotDimensions, WorkedExample) {
    BeamSection section = exampleSection();
    computeHotDimensions(section);

    const ExpectedValue cases[] = {
        {"hot web width", &BeamSection::webWidth, 101.2, 5e-5},
        {"live flange height", &BeamSection::liveFlangeHeight, 35.5, 5e-7},
        {"dead flange height", &BeamSection::deadFlangeHeight, 35.5, 5e-7},
        {"slope angle", &BeamSection::slopeAngle, 0.1396263, 5e-8},
        {"root thickness", &BeamSection::rootThickness, 9.6946, 5e-5},
        {"tip thickness", &BeamSection::tipThickness, 4.7054, 5e-5},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(section.*c.field, c.expected, c.tolerance) << c.name;
    }
    EXPECT_EQ(section.liveFlangeHeight, section.deadFlangeHeight);
}

TEST(ComputeHotDimensions, ExpandsTheWebWidthWithTemperature) {
    const struct {
        const char* name;
        float temperature;
        double factor;
    } cases[] = {
        {"no setup", 0.0f, 1.0},
        {"800 degrees", 800.0f, 1.0096},
        {"1200 degrees", 1200.0f, 1.0144},
    };
    for (const auto& c : cases) {
        BeamSection section = exampleSection();
        section.temperature = c.temperature;
        computeHotDimensions(section);
        EXPECT_NEAR(section.webWidth, 100.0 * c.factor, 1e-5) << c.name;
    }
}

TEST(ComputeHotDimensions, LeavesTheGivenDimensionsAlone) {
    BeamSection section = exampleSection();
    const BeamSection before = section;
    computeHotDimensions(section);
    for (auto field : {&BeamSection::webThickness, &BeamSection::flangeHeight,
                       &BeamSection::flangeThickness, &BeamSection::flangeSlope,
                       &BeamSection::rootRadius, &BeamSection::tipRadius, &BeamSection::mass,
                       &BeamSection::length, &BeamSection::area, &BeamSection::temperature}) {
        EXPECT_EQ(std::memcmp(&(section.*field), &(before.*field), sizeof(float)), 0);
    }
    EXPECT_STREQ(section.name, before.name);
    EXPECT_EQ(section.passCount, before.passCount);
}

TEST(ComputeHotDimensions, RepeatedComputeStartsFromTheFinishedWidth) {
    BeamSection once = exampleSection();
    computeHotDimensions(once);
    BeamSection twice = once;
    computeHotDimensions(twice);
    EXPECT_EQ(std::memcmp(&once, &twice, sizeof once), 0);
    EXPECT_EQ(finishedWebWidth(twice), 100.0f);
}

TEST(ComputeHotDimensions, SectionFromAnOlderFileTakesItsWidthAsFinished) {
    BeamSection section = exampleSection();
    section.reserved = 0.0f;  // older files keep no finished width
    computeHotDimensions(section);
    EXPECT_NEAR(section.webWidth, 101.2, 5e-5);
    EXPECT_EQ(section.reserved, 100.0f);
}

TEST(ComputeHotDimensions, FlangeWithoutTaperHasRootAndTipAsThickAsTheFlange) {
    BeamSection section = exampleSection();
    section.flangeSlope = 90.0f;
    computeHotDimensions(section);
    EXPECT_EQ(section.slopeAngle, 0.0f);
    EXPECT_EQ(section.rootThickness, 7.2f);
    EXPECT_EQ(section.tipThickness, 7.2f);
}

TEST(ComputeHotDimensions, SlopeBelowNinetyThinsTheRoot) {
    BeamSection section = exampleSection();
    section.flangeSlope = 86.0f;
    computeHotDimensions(section);
    EXPECT_LT(section.slopeAngle, 0.0f);
    EXPECT_LT(section.rootThickness, section.flangeThickness);
}

TEST(ComputeHotDimensions, DegenerateSectionsGiveFiniteNumbers) {
    for (const float slope : {0.0f, 90.0f, 180.0f, 270.0f, -1e30f, 1e30f}) {
        BeamSection section = exampleSection();
        section.flangeSlope = slope;
        section.flangeThickness = 0.0f;
        computeHotDimensions(section);
        for (const float value : {section.slopeAngle, section.rootThickness, section.tipThickness}) {
            EXPECT_TRUE(std::isfinite(value)) << "slope " << slope;
        }
    }
}

}  // namespace
}  // namespace rolvanta
