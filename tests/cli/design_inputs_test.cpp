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
    EXPECT_EQ(s.massPerLength, 0.024f) << "three decimals of kg per mm";
    EXPECT_EQ(s.length, 1000.0f);
    EXPECT_EQ(s.mass, 24.0f);
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
}

TEST(TakeTypedSection, FieldsReadAsTheEditFieldsDo) {
    const struct {
        const char* name;
        const char* text;
        float webWidth;
    } cases[] = {
        {"not a number", "A,abc,1,1,1,1,1,1,1,1", 0.0f},
        {"leading blanks", "A,  150,1,1,1,1,1,1,1,1", 150.0f},
        {"longest leading number", "A,150mm,1,1,1,1,1,1,1,1", 150.0f},
        {"nine characters", "A,123.45678912,1,1,1,1,1,1,1,1", 123.45678f},
        {"empty", "A,,1,1,1,1,1,1,1,1", 0.0f},
    };
    for (const auto& c : cases) {
        Project project;
        startNewProject(project);
        ASSERT_TRUE(takeTypedSection(project, c.text)) << c.name;
        EXPECT_FLOAT_EQ(project.section.webWidth, c.webWidth) << c.name;
    }

    Project project;
    startNewProject(project);
    EXPECT_FALSE(takeTypedSection(project, "A,1,1,1,1,1,1,1,1"));
    EXPECT_FALSE(takeTypedSection(project, "A,1,1,1,1,1,1,1,1,1,1"));
    EXPECT_STREQ(project.section.name, "no name");
    EXPECT_EQ(project.flags.customEntered, 0);
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

TEST(Coefficients, ListsAndLimitsAsTheDialogReadsThem) {
    Project project;
    startNewProject(project);
    applySetup(project, "5", "1000");
    CoefficientInput input;
    input.webList = "1.2 1.1 1";
    input.webLimits = "1.0,1.5";
    input.liveLimits = "1.0,1.5";
    input.deadLimits = "1.0,1.5";
    ASSERT_TRUE(applyCoefficients(project, input));

    const CoefficientSet& c = project.coefficients;
    for (int k = 0; k <= 10; ++k) {
        EXPECT_NEAR(c.webElongation[k], 1.0 + 0.1 * k, 1e-5) << k;
    }
    for (int k = 0; k < 5; ++k) EXPECT_NEAR(c.liveFlangeElongation[k], 1.0 + 0.1 * k, 1e-5) << k;
    EXPECT_EQ(c.deadFlangeElongation[5], 0.0f);
    EXPECT_EQ(c.deadHeightStep[0], -1.5f);
    EXPECT_EQ(c.liveHeightStep[0], 8.0f);
    EXPECT_EQ(project.flags.coefficientsGiven, 1);
    EXPECT_EQ(project.flags.coefficientListsEntered, 1);
    EXPECT_EQ(project.flags.defaultCoefficients, 0);
}

TEST(Coefficients, ALimitOfZeroLeavesOnlyTheLists) {
    Project project;
    startNewProject(project);
    applySetup(project, "5", "1000");
    const CoefficientSet before = project.coefficients;
    CoefficientInput input;
    input.webList = "1.2 1.1 1";
    input.webLimits = "1.0,1.5";
    input.liveLimits = "x,1.5";
    input.deadLimits = "1.0,1.5";
    ASSERT_TRUE(applyCoefficients(project, input));
    const float expected[] = {1.2f, 1.1f, 1.0f, 1.0f, 1.0f};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(project.coefficients.webElongation[k], expected[k]);
    EXPECT_EQ(project.coefficients.webElongation[5], before.webElongation[5]);
    EXPECT_EQ(std::memcmp(project.coefficients.liveFlangeElongation, before.liveFlangeElongation,
                          sizeof before.liveFlangeElongation),
              0);
    EXPECT_EQ(project.coefficients.deadHeightStep[0], before.deadHeightStep[0]);

    input.liveLimits = "1.5";
    EXPECT_FALSE(applyCoefficients(project, input)) << "a limit pair needs its comma";
}

TEST(Coefficients, DefaultAcceptsTheTableAsItIs) {
    Project project;
    startNewProject(project);
    const CoefficientSet before = project.coefficients;
    EXPECT_FALSE(CoefficientInput{}.given());
    acceptCurrentCoefficients(project);
    EXPECT_EQ(std::memcmp(&project.coefficients, &before, sizeof before), 0);
    EXPECT_EQ(project.flags.defaultCoefficients, 1);
    EXPECT_EQ(project.flags.coefficientsGiven, 1);
}

}  // namespace
}  // namespace rolvanta::cli
