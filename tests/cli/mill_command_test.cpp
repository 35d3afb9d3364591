// The tool's mill options: a mill of other passes is fitted and saved with
// the design. What the tool writes with a mill is pinned by the golden
// cases, its refusals by the refused command lines.

#include <gtest/gtest.h>

#include <string>

#include "project/mill_inputs.h"
#include "storage/design_file.h"
#include "tool_run.h"

namespace rolvanta {
namespace {

using testing::runTool;
using testing::TemporaryFolder;
using testing::ToolRun;

const std::string kSection = "--section 'MB 100,100,4,75,7.2,9,4.5,98,11.5,1000' --passes 7";

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
