// The tool's own part: reading its options strictly, and the usage errors
// it gives for them. The rules the values then meet are tested in project/.

#include <gtest/gtest.h>

#include <string>

#include "cli/design_inputs.h"
#include "tool_run.h"

namespace rolvanta::cli {
namespace {

using testing::runTool;
using testing::ToolRun;

// A tool built without Qt has no --pdf, and tells that first.
#ifdef ROLVANTA_CLI_PDF
const char* const kDxfOrPdf = "--dxf needs a value: FILE.dxf";
#else
const char* const kDxfOrPdf = "compute: unknown option \"--pdf\"";
#endif

// Every refused command line comes back with its exit status and one line
// on standard error that names what is wrong; nothing is written.
TEST(CommandLine, RefusalsComeBackInOneLineNamingTheOption) {
    const std::string section = "compute --section 'MB 100,100,4,75,7.2,9,4.5,98,11.5,1000' ";
    const struct {
        const char* name;
        std::string arguments;
        int exitCode;
        std::string line;  // how the line on standard error starts
    } cases[] = {
        // The parser once looped for ever on these: an option left without
        // its value, then an empty word or an option.
        {"options without values", "compute --save --profile '' --report", 2,
         "--save needs a value: FILE.rol|FILE.rolx"},
        {"drawings without values", "compute --dxf --pdf '' --dead-limits", 2, kDxfOrPdf},
        {"an empty word after a flag", "compute --strict ''", 2, "compute: unexpected \"\""},
        {"an empty word for a command", "catalogue ''", 2, "catalogue: unexpected \"\""},
        {"an empty word alone", "''", 2, "unexpected \"\" (rolvanta-cli --help"},
        {"a value that is an option", section + "--report --strict", 2, "--report needs a value"},
        {"the last option without its value", section + "--passes", 2, "--passes needs a value"},
        {"a value option given twice", section + "--passes 5 --passes 7", 2, "--passes: "},
        {"a flag with a value", section + "--strict=yes", 2, "--strict takes no value"},
        // An empty value is never "not given".
        {"empty passes", section + "--passes ''", 2, "--passes needs a value: N"},
        {"empty temperature", section + "--temperature ''", 2, "--temperature needs a value"},
        {"empty output", section + "--csv ''", 2, "--csv needs a value: FILE"},
        {"empty catalogue", "compute --profile 'MB 200' --catalogue ''", 2,
         "--catalogue needs a value"},
        {"empty beam name", "compute --profile ''", 2, "--profile needs a value: NAME"},
        {"empty section", "compute --section ''", 2, "--section needs a value"},
        {"empty project file", "report ''", 2, "report needs FILE.rol|FILE.rolx, not an empty"},
        {"an empty limit", section + "--web-limits '' --live-limits 1,2 --dead-limits 1,2", 2,
         "--web-limits needs a value"},
        {"limits all six or none", section + "--web-limits 1,2 --live-limits 1,2", 2,
         "--dead-limits is missing: the limits are all given"},
        // Values refused by the dialogs' rules, echoed safely.
        {"passes out of range", section + "--passes 99", 2,
         "--passes: \"99\" is not accepted: a whole number from 5 to 13"},
        {"passes not whole", section + "--passes 7.5", 2, "--passes: \"7.5\" is not accepted"},
        {"passes negative", section + "--passes -5", 2, "--passes: \"-5\" is not accepted"},
        {"temperature not finite", section + "--temperature 1e999", 2,
         "--temperature: \"1e999\" is not accepted"},
        {"temperature with a tail", section + "--temperature 900x", 2,
         "--temperature: \"900x\" is not accepted"},
        {"a limit not a number", section + "--web-limits 1,abc --live-limits 1,2 --dead-limits 1,2",
         2, "--web-limits TO: \"abc\" is not accepted"},
        {"a limit of 0", section + "--web-limits 1,0 --live-limits 1,2 --dead-limits 1,2", 2,
         "--web-limits TO: \"0\" is not accepted"},
        {"a limit past 3", section + "--web-limits 1,2 --live-limits 1,2 --dead-limits 1,1e30", 2,
         "--dead-limits TO: \"1e30\" is not accepted: a number above 0 and at most 3"},
        {"half a limit pair", section + "--web-limits 1, --live-limits 1,2 --dead-limits 1,2", 2,
         "--web-limits: \"1,\" is not accepted: FROM,TO"},
        {"a list with a word", section + "--web-coefficients '1.1 x'", 2,
         "--web-coefficients: \"1.1 x\" is not accepted"},
        {"a negative coefficient", section + "--dead-coefficients '1.1 -1'", 2,
         "--dead-coefficients: \"1.1 -1\" is not accepted"},
        {"a long value cut", "compute --section " + std::string(100, 'Y'), 2,
         "--section: \"" + std::string(59, 'Y') + "\xE2\x80\xA6\" is not accepted"},
        {"bytes that are not UTF-8", "compute --section \"$(printf 'X\\377\\001,1')\"", 2,
         "--section: \"X\\xFF\\x01,1\" is not accepted"},
        // What the tool cannot tell from the words alone.
        {"no command", "", 2, "a command is needed: compute, report, mill or catalogue"},
        {"no section", "compute --passes 7", 2, "compute needs a section: one of --profile"},
        {"two sections", section + "--profile 'MB 200'", 2,
         "--profile and --section cannot be given together"},
        {"an unknown option", section + "--pases 7", 2, "compute: unknown option \"--pases\""},
        {"an unknown beam", "compute --profile 'MB 999'", 2,
         "--profile: no beam named \"MB 999\" in the catalogue (rolvanta-cli catalogue list "},
        {"two outputs on standard output", section + "--csv - --json -", 2,
         "--csv and --json both name -"},
        {"a folder on standard output", section + "--dxf-dir -", 2,
         "--dxf-dir: \"-\" is not accepted"},
        {"a catalogue to rewrite on standard output",
         "catalogue add --catalogue - --section 'IB 1,100,4,75,7.2,9,4.5,98,11.5,1000'", 2,
         "--catalogue: \"-\" is not accepted"},
        {"no folder for the output", section + "--dxf /no/such/x.dxf", 1,
         "cannot write /no/such/x.dxf: No such file or directory"},
    };
    testing::TemporaryFolder workingDirectory;
    for (const auto& c : cases) {
        const ToolRun run = runTool(c.arguments, workingDirectory.path());
        ASSERT_FALSE(run.hung) << c.name << ": the tool did not come back";
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(run.errors.rfind("rolvanta-cli: " + c.line, 0), 0u)
            << c.name << ": " << run.errors;
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1)
            << c.name << ", one line: " << run.errors;
        EXPECT_EQ(run.output, "") << c.name;
    }
    EXPECT_EQ(workingDirectory.listing(), "") << "nothing was written";
}

TEST(CommandLine, AnswersItsVersionAsTheDesktopProgramDoes) {
    const ToolRun run = runTool("--version");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "rolvanta-cli " ROLVANTA_VERSION "\n");
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
