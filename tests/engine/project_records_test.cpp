#include <gtest/gtest.h>

#include <cstring>

#include "engine/project_records.h"

namespace rolvanta {
namespace {

TEST(ResetBeamSection, GivesTheEmptySection) {
    BeamSection section;
    std::memset(&section, 0x5A, sizeof section);
    resetBeamSection(section);

    EXPECT_STREQ(section.name, "no name");
    EXPECT_EQ(section.name[8], 0x5A) << "bytes after the terminator keep their contents";
    EXPECT_EQ(section.mass, 10.0f);
    EXPECT_EQ(section.length, 1000.0f);
    EXPECT_EQ(section.passCount, 0);
    EXPECT_EQ(section.temperature, 0.0f);
    for (const float value : {section.webWidth, section.webThickness, section.flangeHeight,
                              section.flangeThickness, section.rootRadius, section.tipRadius,
                              section.flangeSlope, section.slopeAngle, section.liveFlangeHeight,
                              section.deadFlangeHeight, section.rootThickness,
                              section.tipThickness, section.massPerLength, section.reserved,
                              section.area}) {
        EXPECT_EQ(value, 0.0f);
    }
}

TEST(ResetProjectFlags, ClearsAllElevenFlags) {
    ProjectFlags flags;
    std::memset(&flags, 1, sizeof flags);
    resetProjectFlags(flags);
    const ProjectFlags zero{};
    EXPECT_EQ(std::memcmp(&flags, &zero, sizeof flags), 0);
}

TEST(LoadDefaultCoefficients, WritesTheDefaultTableButNotTheWidthReductions) {
    CoefficientSet set;
    std::memset(&set, 0, sizeof set);
    set.widthReduction[3] = 42.0f;
    loadDefaultCoefficients(set);

    const float web[] = {1.0f, 1.04f, 1.06f, 1.14f, 1.16f, 1.22f, 1.22f, 1.29f};
    const float live[] = {1.03f, 1.035f, 1.1f, 1.16f, 1.17f, 1.24f, 1.2f, 1.41f};
    const float dead[] = {1.06f, 1.11f, 1.16f, 1.16f, 1.24f, 1.18f, 1.33f, 1.09f};
    for (int k = 0; k < kPassTableSize; ++k) {
        const int i = k < 7 ? k : 7;
        EXPECT_EQ(set.webElongation[k], web[i]) << k;
        EXPECT_EQ(set.liveFlangeElongation[k], live[i]) << k;
        EXPECT_EQ(set.deadFlangeElongation[k], dead[i]) << k;
        EXPECT_EQ(set.deadHeightStep[k], -1.0f) << k;
    }
    const float liveSteps[] = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 0, 2, 0, 2, 0};
    for (int k = 0; k < kPassTableSize; ++k) EXPECT_EQ(set.liveHeightStep[k], liveSteps[k]) << k;
    EXPECT_EQ(set.widthReduction[3], 42.0f);
}

TEST(FinishedWebWidth, IsTheWidthKeptAsideOrElseTheWebWidth) {
    BeamSection section{};
    section.webWidth = 120.0f;
    EXPECT_EQ(finishedWebWidth(section), 120.0f) << "a section from an older file";
    setFinishedWebWidth(section, 100.0f);
    EXPECT_EQ(section.webWidth, 100.0f);
    EXPECT_EQ(finishedWebWidth(section), 100.0f);
    section.webWidth = 101.2f;  // as Compute leaves it
    EXPECT_EQ(finishedWebWidth(section), 100.0f);
}

TEST(ScheduledRecordCount, StaysWithinThePassTable) {
    BeamSection section{};
    for (const auto& [passCount, expected] :
         {std::pair{-3, 0}, {0, 0}, {5, 5}, {15, 15}, {16, 15}, {INT32_MAX, 15}}) {
        section.passCount = passCount;
        EXPECT_EQ(scheduledRecordCount(section), expected) << passCount;
    }
}

}  // namespace
}  // namespace rolvanta
