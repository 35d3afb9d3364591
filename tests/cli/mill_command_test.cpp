// The tool's mill options: a refused mill is named with its file and fault,
// a mill of other passes is fitted and saved with the design. What the
// tool writes with a mill is pinned by the golden cases.

#include <gtest/gtest.h>

#include <string>

#include "project/mill_inputs.h"
#include "storage/design_file.h"
#include "storage/file_io.h"
#include "storage/mill_file.h"
#include "tool_run.h"

namespace rolvanta {
namespace {

using testing::runTool;
using testing::TemporaryFolder;
using testing::ToolRun;

const std::string kSection = "--section 'MB 100,100,4,75,7.2,9,4.5,98,11.5,1000' --passes 7";

TEST(ToolMill, RefusalsAreOneLineWithTheirExitStatus) {
    TemporaryFolder out;
    Mill fast = exampleMill(7);
    fast.stands[0].rpm = 700;
    ASSERT_EQ(writeMillFile(out / "fast.rolmill", fast), std::nullopt);
    const struct {
        const char* name;
        std::string arguments;
        int exitCode;
        std::string errors;
    } cases[] = {
        {"out of range", "compute " + kSection + " --mill " + out / "fast.rolmill", 1,
         "rolvanta-cli: " + out / "fast.rolmill" +
             ": Pass 7, Speed [rpm]: \"700\" is not accepted. Accepted: a number from 1 to "
             "600.\n"},
        {"missing", "report " + out / "none.rol --mill " + out / "none.rolmill", 1,
         "rolvanta-cli: cannot read " + out / "none.rol" + ": No such file or directory\n"},
        {"too few passes", "mill example --passes 4", 2,
         "rolvanta-cli: --passes: \"4\" is not accepted: a whole number from 5 to 13\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(run.errors, c.errors) << c.name;
    }
    EXPECT_EQ(runTool("compute " + kSection + " --mill ''").exitCode, 2);
    EXPECT_EQ(out.listing(), "fast.rolmill\n");
}

TEST(ToolMill, AMillOfOtherPassesIsFittedAndSavedWithTheDesign) {
    TemporaryFolder out;
    ASSERT_EQ(runTool("mill example --passes 5 -o " + out / "five.rolmill").exitCode, 0);
    const ToolRun run = runTool("compute " + kSection + " --mill " + out / "five.rolmill" +
                                " --save " + out / "beam.rolx" + " --report " + out / "beam.txt");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(run.errors.find("rolvanta-cli: The mill has 7 stands now: 2 copied from the last\n"),
              std::string::npos)
        << run.errors;
    Project saved{};
    ASSERT_EQ(readDesignFile(out / "beam.rolx", saved), std::nullopt);
    Mill fitted = exampleMill(5);
    fitMillToPasses(fitted, 7);
    ASSERT_TRUE(saved.mill.has_value());
    EXPECT_TRUE(*saved.mill == fitted);
}

}  // namespace
}  // namespace rolvanta
