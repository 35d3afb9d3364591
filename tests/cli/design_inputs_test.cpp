// The tool's own part: reading its options strictly, and the usage errors
// it gives for them. The rules the values then meet are tested in project/.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/design_inputs.h"
#include "support/golden_file.h"
#include "tool_run.h"

namespace rolvanta::cli {
namespace {

using testing::replaced;
using testing::runTool;
using testing::ToolRun;

// Every refused command line of tests/data/cli-refusals.txt comes back with
// its exit status and one line on standard error that names what is wrong;
// nothing is written.
TEST(CommandLine, RefusalsComeBackInOneLineNamingTheOption) {
    const std::string data = std::string(ROLVANTA_SOURCE_DIR) + "/tests/data";
    const std::string bin = std::filesystem::path(ROLVANTA_CLI).parent_path().string();
    testing::TemporaryFolder out;
    std::string transcript;
    std::ifstream cases(data + "/cli-refusals.txt");
    for (std::string arguments; std::getline(cases, arguments);) {
        if (arguments.empty() || arguments[0] == '#') continue;
        const ToolRun run =
            runTool(replaced(replaced(arguments, "@OUT@", out.path()), "@DATA@", data), out.path());
        ASSERT_FALSE(run.hung) << arguments << ": the tool did not come back";
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << arguments << ", one line";
        EXPECT_EQ(run.output, "") << arguments;
        transcript += arguments + "\n=> " + std::to_string(run.exitCode) + " " +
                      replaced(replaced(replaced(run.errors, out.path(), "@OUT@"), data, "@DATA@"),
                               bin, "@BIN@");
    }
    testing::expectGolden("cli-refusals.txt", transcript);
    EXPECT_EQ(out.listing(), "") << "nothing was written";

    // A tool built without Qt has no --pdf, and tells that first.
#ifdef ROLVANTA_CLI_PDF
    const char* const dxfOrPdf = "rolvanta-cli: --dxf needs a value: FILE.dxf";
#else
    const char* const dxfOrPdf = "rolvanta-cli: compute: unknown option \"--pdf\"";
#endif
    EXPECT_EQ(runTool("compute --dxf --pdf '' --dead-limits").errors.rfind(dxfOrPdf, 0), 0u);
    const ToolRun none = runTool("");
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_EQ(none.errors.rfind("rolvanta-cli: a command is needed: compute, report, mill", 0), 0u);
}

TEST(CommandLine, AnswersItsVersionAsTheDesktopProgramDoes) {
    const ToolRun run = runTool("--version");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "rolvanta-cli " ROLVANTA_VERSION "\n");
}

// The bounds of the fields, a name in UTF-8 taken into Windows-1252.
TEST(SectionOption, TakesASectionAtTheBoundsOfItsFields) {
    for (const char* text : {"MB 100,100,4,75,7.2,0,0,90,11.5,1000",
                             "Tr\xC3\xA4ger 20,100,4,75,7.2,9,4.5,120,11.5,1000"}) {
        CustomSectionFields fields;
        const auto error = readSectionOption(text, fields);
        EXPECT_FALSE(error) << text << ": " << error->message;
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

}  // namespace
}  // namespace rolvanta::cli
