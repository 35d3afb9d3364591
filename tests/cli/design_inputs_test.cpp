// What the tool adds to the dialogs' own procedures (tested with the
// dialogs) and what its golden cases leave out.

#include <gtest/gtest.h>

#include <string>

#include "cli/design_inputs.h"

namespace rolvanta::cli {
namespace {

TEST(TakeTypedSection, TakesTenFieldsWithTheNameInWindows1252) {
    Project project;
    startNewProject(project);
    ASSERT_TRUE(
        takeTypedSection(project, "Tr\xC3\xA4ger 200 X,200,5.7,100,10.8,11,5.5,98,25,2000"));
    EXPECT_STREQ(project.section.name, "Tr\xE4ger 20") << "Windows-1252, cut to nine bytes";
    EXPECT_EQ(project.section.length, 2000.0f) << "the tenth field";
    EXPECT_NEAR(project.section.area, 3176.88f, 0.001f);
    EXPECT_EQ(project.flags.customEntered, 1);

    EXPECT_FALSE(takeTypedSection(project, "A,1,1,1,1,1,1,1,1")) << "nine fields";
    EXPECT_STREQ(project.section.name, "Tr\xE4ger 20");
}

// The limits are applied only when all six read as numbers other than 0;
// the lists always are.
TEST(ApplyCoefficients, LimitsOnlyWithAllSixValues) {
    const struct {
        const char* name;
        const char* deadLimits;
        bool accepted;
        float web3;  // webElongation[3]: 1.0 from the list, 1.3 from the limits, 1.14 the default
    } cases[] = {
        {"all six", "1.0,1.5", true, 1.3f},
        {"one not a number", "x,1.5", true, 1.0f},
        {"a pair without its comma changes nothing", "1.5", false, 1.14f},
    };
    for (const auto& c : cases) {
        Project project;
        startNewProject(project);
        applySetup(project, "5", "1000");
        CoefficientInput input;
        input.webList = "1.2 1.1 1";
        input.webLimits = input.liveLimits = "1.0,1.5";
        input.deadLimits = c.deadLimits;
        EXPECT_EQ(applyCoefficients(project, input), c.accepted) << c.name;
        EXPECT_NEAR(project.coefficients.webElongation[3], c.web3, 1e-5) << c.name;
        EXPECT_EQ(project.flags.coefficientsGiven, c.accepted ? 1 : 0) << c.name;
    }
}

}  // namespace
}  // namespace rolvanta::cli
