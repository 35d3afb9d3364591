// The tool's own part: reading its options strictly, and the usage errors
// it gives for them. The rules the values then meet are tested in project/.

#include <gtest/gtest.h>

#include <string>

#include "cli/design_inputs.h"
#include "project/project_life.h"
#include "tool_run.h"

namespace rolvanta::cli {
namespace {

using testing::runTool;
using testing::ToolRun;

const char* const kGoodSection = "MB 100,100,4,75,7.2,9,4.5,98,11.5,1000";

TEST(CommandLine, EveryBadNumberIsAUsageErrorNamingTheOption) {
    const struct {
        const char* arguments;
        const char* names;  // what the one line must hold
    } cases[] = {
        {"--passes 99", "--passes: \"99\""},
        {"--passes abc", "--passes: \"abc\""},
        {"--passes 4", "from 5 to 13"},
        {"--passes 7.5", "--passes: \"7.5\""},
        {"--temperature 99999", "--temperature: \"99999\""},
        {"--temperature 1e999", "--temperature"},
        {"--temperature nan", "--temperature"},
        {"--temperature 900x", "--temperature"},
        {"--web-limits 1,abc --live-limits 1,2 --dead-limits 1,2", "--web-limits"},
        {"--web-limits 1,0 --live-limits 1,2 --dead-limits 1,2", "--web-limits"},
        {"--web-coefficients \"1.1 x\"", "--web-coefficients"},
        {"--dead-coefficients \"1.1 -1\"", "--dead-coefficients"},
    };
    for (const auto& c : cases) {
        const ToolRun run =
            runTool(std::string("compute --section \"") + kGoodSection + "\" " + c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments;
        EXPECT_NE(run.errors.find(c.names), std::string::npos) << c.arguments << ": " << run.errors;
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << "one line: " << run.errors;
    }
}

// Each field's refusal names that field; which values each field accepts is
// tested in project/.
TEST(SectionOption, FieldsMustBeNumbersWithinTheirBounds) {
    const struct {
        const char* text;
        const char* names;  // empty: accepted
    } cases[] = {
        {"MB 100,100,4,75,7.2,0,0,90,11.5,1000", ""},
        {"Tr\xC3\xA4ger 20,100,4,75,7.2,9,4.5,120,11.5,1000", ""},
        {"X,abc,4,75,7.2,9,4.5,98,11.5,1000", "WEB_WIDTH"},
        {"X,100,-4,75,7.2,9,4.5,98,11.5,1000", "WEB_THICKNESS"},
        {"X,100,4,0,7.2,9,4.5,98,11.5,1000", "FLANGE_HEIGHT"},
        {"X,100,4,75,7.2,-1,4.5,98,11.5,1000", "ROOT_RADIUS"},
        {"X,100,4,75,7.2,9,4.5,80,11.5,1000", "FLANGE_SLOPE"},
        {"X,1e30,4,75,7.2,9,4.5,98,11.5,1000",
         "WEB_WIDTH: \"1e30\" is not accepted: a number above 0 and at most 1000 (mm)"},
        {"X,100,4,75,7.2,9,4.5,98,11.5,1000x", "LENGTH"},
        {"Too long a name,100,4,75,7.2,9,4.5,98,11.5,1000", "NAME"},
        {"X,1,1,1,1,1,1,1,1", "a name and nine numbers"},
    };
    for (const auto& c : cases) {
        CustomSectionFields fields;
        const auto error = readSectionOption(c.text, fields);
        if (*c.names == '\0') {
            EXPECT_FALSE(error) << c.text << ": " << error->message;
        } else {
            ASSERT_TRUE(error) << c.text;
            EXPECT_NE(error->message.find(c.names), std::string::npos) << error->message;
        }
    }
}

TEST(CommandLine, WarningsGoToStandardErrorAndStrictMakesThemExitThree) {
    const std::string mb200 = "compute --section \"MB 200,200,5.7,100,10,11,5.5,98,24.2,1000\" ";
    const std::string overlap =
        "rolvanta-cli: warning: Pass 13: the dead flange roots overlap across the web";
    const struct {
        std::string arguments;
        int exitCode;
        bool warned;
    } cases[] = {
        {mb200 + "--passes 13", 0, true},
        {mb200 + "--passes 13 --strict", 3, true},
        {mb200 + "--passes 9 --strict", 0, false},
    };
    for (const auto& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(run.errors.rfind(overlap, 0) == 0, c.warned) << c.arguments << ": " << run.errors;
    }
}

TEST(CommandLine, ChecksShapeAndPassesAsTheDesktopDoesAndToldOfADamagedCatalogue) {
    const ToolRun notAnIBeam = runTool("compute --section \"X,100,74,75,7.2,9,4.5,98,11.5,1000\"");
    EXPECT_EQ(notAnIBeam.exitCode, 2);
    EXPECT_NE(notAnIBeam.errors.find("--section WEB_THICKNESS: \"74\""), std::string::npos)
        << notAnIBeam.errors;
    const ToolRun narrow =
        runTool("compute --section \"X,75,3,50,4,5,1.5,91.5,5,1000\" --passes 13");
    EXPECT_EQ(narrow.exitCode, 2);
    EXPECT_NE(narrow.errors.find("--passes: \"13\" is not accepted: a whole number from 5 to 12"),
              std::string::npos)
        << narrow.errors;

    testing::TemporaryFolder folder;
    const std::string damaged = folder / "profile.dat";
    testing::writeFileBytes(damaged, std::string(100, 'x'));
    const ToolRun listed = runTool("catalogue list --catalogue " + damaged);
    EXPECT_EQ(listed.exitCode, 1);
    EXPECT_NE(listed.errors.find("profile.dat in " + folder.path() + " is damaged (record 1): "),
              std::string::npos)
        << listed.errors;
}

}  // namespace
}  // namespace rolvanta::cli
