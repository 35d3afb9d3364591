#include <gtest/gtest.h>

#include "project/design_inputs.h"
#include "project/field_text.h"
#include "project/project_life.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

TEST(ApplySetup, KeepsPassesWithinFiveToThirteenAndTemperatureWithin800To1200) {
    const struct {
        const char* name;
        unsigned long passes;
        float temperature;
        int expectedPasses;
        float expectedTemperature;
    } cases[] = {
        {"within both", 9, 1100.0f, 9, 1100.0f},
        {"below the fewest, the highest", 4, 1200.0f, 5, 1200.0f},
        {"above the most, just above", 14, 1200.5f, 13, 1000.0f},
        {"none given", 0, 0.0f, 5, 1000.0f},
        {"beyond 32 bits, a negative", 2147483648ul, -900.0f, 13, 1000.0f},
    };
    for (const auto& c : cases) {
        Project project = testing::exampleProject();
        EXPECT_TRUE(applySetup(project, {c.passes, c.temperature}).accepted());
        EXPECT_EQ(project.section.passCount, c.expectedPasses) << c.name;
        EXPECT_FLOAT_EQ(project.section.temperature, c.expectedTemperature) << c.name;
        EXPECT_TRUE(project.flags.setupDone) << c.name;
    }
}

TEST(CheckSetup, NamesTheFieldTheValueAndTheRange) {
    EXPECT_TRUE(checkSetup({5, 800.0f}, "passes", "temperature").accepted());
    EXPECT_TRUE(checkSetup({13, 1200.0f}, "passes", "temperature").accepted());
    const InputResult passes = checkSetup({99, 1000.0f}, "passes", "temperature");
    ASSERT_TRUE(passes.problem);
    EXPECT_EQ(passes.problem->field, "passes");
    EXPECT_EQ(passes.problem->value, "99");
    EXPECT_EQ(passes.problem->accepted, "a whole number from 5 to 13");
    const InputResult hot = checkSetup({7, 99999.0f}, "passes", "temperature");
    ASSERT_TRUE(hot.problem);
    EXPECT_EQ(hot.problem->field, "temperature");
    EXPECT_EQ(hot.problem->value, "99999");
}

TEST(TakeSection, CatalogueBeamIsOneMetreTypedSectionGetsItsArea) {
    Project project = testing::exampleProject();
    project.flags = {};
    ProfileRecord record{};
    storeName(record.name, "JB 150");
    record.webWidth = 150.0f;
    record.massPerLength = 0.0071f;
    record.area = 901.0f;
    takeStandardSection(project, shownFieldsOfProfile(record));
    EXPECT_STREQ(project.section.name, "JB 150");
    EXPECT_EQ(project.section.length, 1000.0f);
    EXPECT_FLOAT_EQ(project.section.mass, 7.1f) << "the mass per length to every digit shown";
    EXPECT_EQ(finishedWebWidth(project.section), 150.0f);
    EXPECT_TRUE(project.flags.standardChosen);

    CustomSectionFields typed = fieldsOfSection(testing::exampleSection());
    typed.name = "A name far too long";
    takeCustomSection(project, typed);
    EXPECT_STREQ(project.section.name, "A name fa") << "the field holds nine characters";
    // 100 x 4 web, (75 - 4) x 7.2 x 2 flanges.
    EXPECT_NEAR(project.section.area, 400.0f + 1022.4f, 0.01f);
    EXPECT_TRUE(project.flags.customEntered);
}

TEST(ApplyCoefficients, LimitsOnlyWhenAllSixAreGiven) {
    const struct {
        const char* name;
        float deadTo;
        float web3;  // 1.0 from the list, 1.3 from the limits
    } cases[] = {{"all six", 1.5f, 1.3f}, {"one missing", 0.0f, 1.0f}};
    for (const auto& c : cases) {
        Project project = testing::exampleProject();
        CoefficientFields fields;
        fields.webList = "1.2 1.1 1";
        fields.limits = {1.0f, 1.5f, 1.0f, 1.5f, 1.0f, c.deadTo};
        EXPECT_TRUE(applyCoefficients(project, fields).accepted());
        EXPECT_NEAR(project.coefficients.webElongation[3], c.web3, 1e-5) << c.name;
        EXPECT_TRUE(project.flags.coefficientsGiven && project.flags.coefficientListsEntered);
    }
    Project project = testing::exampleProject();
    const CoefficientSet before = project.coefficients;
    acceptDefaultCoefficients(project);
    EXPECT_TRUE(project.flags.defaultCoefficients && project.flags.coefficientsGiven);
    EXPECT_EQ(project.coefficients.webElongation[3], before.webElongation[3]);
}

}  // namespace
}  // namespace rolvanta
