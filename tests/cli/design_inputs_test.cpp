#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "cli/design_inputs.h"

namespace rolvanta::cli {
namespace {

ProfileRecord catalogueBeam(const char* name) {
    ProfileRecord record{};
    std::strcpy(record.name, name);
    record.webWidth = 200.0f;
    record.webThickness = 5.7f;
    record.flangeHeight = 100.0f;
    record.flangeThickness = 10.0f;
    record.flangeSlope = 98.0f;
    record.rootRadius = 11.0f;
    record.tipRadius = 5.5f;
    record.massPerLength = 0.0242f;
    record.area = 3080.0f;
    return record;
}

TEST(TakeCatalogueProfile, TakesTheValuesAsTheDialogShowsThem) {
    Project project;
    startNewProject(project);
    ProfileRecord record = catalogueBeam("MB 200 LONG NAME");
    record.rootRadius = 1234.5678f;  // "1234.568"
    record.area = 123456.7f;         // "123456.703" cut to nine characters
    takeCatalogueProfile(project, record);

    const BeamSection& s = project.section;
    EXPECT_STREQ(s.name, "MB 200 LO");
    EXPECT_EQ(s.webWidth, 200.0f);
    EXPECT_EQ(finishedWebWidth(s), 200.0f);
    EXPECT_EQ(s.webThickness, 5.7f);
    EXPECT_EQ(s.flangeSlope, 98.0f);
    EXPECT_EQ(s.rootRadius, 1234.568f);
    EXPECT_EQ(s.area, 123456.7f);
    EXPECT_EQ(s.massPerLength, 0.0242f) << "every digit of kg per mm the field holds";
    EXPECT_EQ(s.length, 1000.0f);
    EXPECT_NEAR(s.mass, 24.2f, 1e-5f);
    EXPECT_EQ(project.flags.standardChosen, 1);
    EXPECT_EQ(project.flags.customEntered, 0);
}

TEST(TakeTypedSection, ReadsEachFieldAndComputesTheArea) {
    Project project;
    startNewProject(project);
    ASSERT_TRUE(
        takeTypedSection(project, "Tr\xC3\xA4ger 200 X,200,5.7,100,10.8,11,5.5,98,25,2000"));
    const BeamSection& s = project.section;
    EXPECT_STREQ(s.name, "Tr\xE4ger 20") << "Windows-1252, cut to nine bytes";
    EXPECT_EQ(finishedWebWidth(s), 200.0f);
    EXPECT_EQ(s.flangeThickness, 10.8f);
    EXPECT_EQ(s.tipRadius, 5.5f);
    EXPECT_EQ(s.mass, 25.0f);
    EXPECT_EQ(s.length, 2000.0f);
    EXPECT_NEAR(s.area, 3176.88f, 0.001f);
    EXPECT_EQ(project.flags.customEntered, 1);

    EXPECT_FALSE(takeTypedSection(project, "A,1,1,1,1,1,1,1,1")) << "nine fields";
    EXPECT_STREQ(project.section.name, "Tr\xE4ger 20");
}

TEST(Setup, BoundsPassesAndTemperature) {
    const struct {
        const char* text;
        std::int32_t passes;
    } passes[] = {{"4", 5},   {"14", 13}, {"9", 9},   {"", 5},
                  {"abc", 5}, {"-3", 5},  {"13", 13}, {"99999999999", 13}};
    for (const auto& c : passes) EXPECT_EQ(setupPassCount(c.text), c.passes) << c.text;

    const struct {
        const char* text;
        float temperature;
    } temperatures[] = {{"1100", 1100.0f}, {"1200", 1200.0f},    {"1200.5", 1000.0f},
                        {"800", 800.0f},   {"799.9", 1000.0f},   {"", 1000.0f},
                        {"hot", 1000.0f},  {"850.00001", 850.0f}};
    for (const auto& c : temperatures) {
        EXPECT_EQ(setupTemperature(c.text), c.temperature) << c.text;
    }

    Project project;
    startNewProject(project);
    applySetup(project, "7", "");
    EXPECT_EQ(project.section.passCount, 7);
    EXPECT_EQ(project.section.temperature, 1000.0f);
    EXPECT_EQ(project.flags.setupDone, 1);
}

// The limits are applied only when all six read as numbers other than 0;
// the lists always are.
TEST(Coefficients, LimitsOnlyWithAllSixValues) {
    const struct {
        const char* name;
        const char* liveLimits;
        float web3;  // webElongation[3]: 1.0 from the list, 1.3 from the limits
    } cases[] = {{"all six", "1.0,1.5", 1.3f}, {"one not a number", "x,1.5", 1.0f}};
    for (const auto& c : cases) {
        Project project;
        startNewProject(project);
        applySetup(project, "5", "1000");
        CoefficientInput input;
        input.webList = "1.2 1.1 1";
        input.webLimits = input.deadLimits = "1.0,1.5";
        input.liveLimits = c.liveLimits;
        ASSERT_TRUE(applyCoefficients(project, input)) << c.name;
        EXPECT_NEAR(project.coefficients.webElongation[3], c.web3, 1e-5) << c.name;
        EXPECT_EQ(project.flags.coefficientsGiven, 1) << c.name;
        EXPECT_EQ(project.flags.coefficientListsEntered, 1) << c.name;
    }

    Project project;
    startNewProject(project);
    CoefficientInput input;
    input.webLimits = input.liveLimits = "1.0,1.5";
    input.deadLimits = "1.5";
    EXPECT_FALSE(applyCoefficients(project, input)) << "a limit pair needs its comma";
    EXPECT_EQ(project.flags.coefficientsGiven, 0);
}

}  // namespace
}  // namespace rolvanta::cli
