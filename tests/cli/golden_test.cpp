// The command-line tool on the cases of tests/data/golden-cases.txt, each
// output compared byte for byte with its expected file; its PDF report
// (its drawings are pinned by the golden cases, "-" by the runs of
// design_inputs_test.cpp, a failed set by the refusals); and its help
// against its manual page.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/golden_file.h"
#include "tool_run.h"

namespace rolvanta {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::replaced;
using testing::runTool;
using testing::TemporaryFolder;

const std::string kSource = ROLVANTA_SOURCE_DIR;
const std::string kData = kSource + "/tests/data";
const std::string kExpected = kData + "/expected";

struct GoldenCase {
    std::string name, arguments;
};

std::vector<GoldenCase> goldenCases() {
    std::vector<GoldenCase> cases;
    std::ifstream in(kData + "/golden-cases.txt");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t blank = line.find(' ');
        cases.push_back({line.substr(0, blank), line.substr(blank + 1)});
    }
    return cases;
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, OutputsEqualTheExpectedFiles) {
    const GoldenCase& c = GetParam();
    TemporaryFolder out, workingDirectory;  // no profile.dat in the working directory
    const std::string arguments =
        replaced(replaced(replaced(replaced(c.arguments, "@OUT@", out.path()), "@BIN@",
                                   fs::path(ROLVANTA_CLI).parent_path().string()),
                          "@SOURCE@", kSource),
                 "@DATA@", kData);
    const testing::ToolRun run = runTool(arguments, workingDirectory.path());
    ASSERT_EQ(run.exitCode, 0) << arguments << "\n" << run.errors;
    if (!run.output.empty()) testing::writeFileBytes(out / (c.name + ".stdout"), run.output);
    // Files in folders too (the drawings of one pass each), by their paths.
    for (const auto& entry : fs::recursive_directory_iterator(out.path())) {
        const std::string file = fs::relative(entry.path(), out.path()).string();
        const std::string expected = kExpected + "/" + file;
        EXPECT_TRUE(entry.is_directory() ? fs::is_directory(expected)
                                         : fs::exists(expected) &&
                                               readFileBytes(expected) == readFileBytes(out / file))
            << file << " differs from " << expected << ", or it has no expected file";
    }
    for (const auto& entry : fs::recursive_directory_iterator(kExpected)) {
        const std::string file = fs::relative(entry.path(), kExpected).string();
        EXPECT_TRUE(file.rfind(c.name + ".", 0) != 0 || fs::exists(out / file)) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, Golden, ::testing::ValuesIn(goldenCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             return replaced(info.param.name, "-", "_");
                         });

#ifdef ROLVANTA_CLI_PDF
// The PDF is dated by SOURCE_DATE_EPOCH, its header and its creation date,
// so that two runs in any time zone give the same bytes; its text, as
// poppler reads it (with any complaint about the file), is the expected
// one, tests/data/expected/report-pdf.txt (pdftotext -raw -enc UTF-8).
TEST(ToolDrawings, WriteThePdfReportWithoutADisplay) {
    TemporaryFolder out, again;
    const std::string design = "compute --profile 'MB 200' --passes 13 --mill '" + kExpected +
                               "/mill-example.rolmill' --pdf ";
    const std::string epoch = "-u ROLVANTA_REPORT_TIME SOURCE_DATE_EPOCH=1796642460 TZ=";
    ASSERT_EQ(runTool(design + out / "beam.pdf", "", epoch + "UTC").exitCode, 0);
    ASSERT_EQ(runTool(design + again / "beam.pdf", "", epoch + "Asia/Kolkata").exitCode, 0);
    const std::string pdf = readFileBytes(out / "beam.pdf");
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_TRUE(pdf == readFileBytes(again / "beam.pdf")) << "two runs differ";
    EXPECT_NE(pdf.find("/CreationDate (D:20261207112100)"), std::string::npos);
    const std::string text =
        testing::commandOutput("pdftotext -raw -enc UTF-8 '" + out / "beam.pdf" + "' - 2>&1");
    // The face's ligatures as letters.
    EXPECT_EQ(replaced(replaced(text, "\uFB01", "fi"), "\uFB02", "fl"),
              readFileBytes(kExpected + "/report-pdf.txt"));
}
#else
TEST(ToolDrawings, SayWhyThereIsNoPdfWithoutQt) {
    const testing::ToolRun run = runTool("compute --help");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output.find("--pdf FILE"), std::string::npos);
    EXPECT_NE(run.output.find("has no --pdf"), std::string::npos);
}
#endif

// The options a text names: "-" or "--" and a lower-case letter, not
// inside a word or a path.
std::set<std::string> optionsIn(const std::string& text) {
    static const std::regex option("(^|[^A-Za-z0-9_./-])(--?[a-z][a-z0-9-]*)");
    std::set<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it) {
        found.insert((*it)[2]);
    }
    return found;
}

// The manual page's text of a command: from its term in COMMANDS to the
// next command's term, or the section's end; "" names the OPTIONS section.
std::string manualPart(const std::string& command) {
    const std::string page =
        replaced(readFileBytes(kSource + "/src/resources/man/rolvanta-cli.1.in"), "\\-", "-");
    const std::string term = "\n.TP\n.B ";
    const std::string start = command.empty() ? "\n.SH OPTIONS\n" : term + command + "\n";
    const std::size_t from = page.find(start);
    if (from == std::string::npos) return "";
    std::size_t to = page.find("\n.SH ", from + 1);
    for (std::size_t at = from; !command.empty() && (at = page.find(term, at + 1)) < to;) {
        if (page[at + term.size()] != '-') to = at;  // a command's term, not an option's
    }
    return page.substr(from, to - from);
}

// Every option the tool's help lists (the first word of each option line)
// is in the manual page, in the part of its command, and the manual names no
// option the command does not have.
TEST(ManualPage, NamesTheOptionsOfEveryCommandAsTheHelpDoes) {
    for (const std::string command : {"", "compute", "report", "mill example", "catalogue list",
                                      "catalogue build", "catalogue add"}) {
        std::istringstream help(runTool(command + " --help").output);
        std::string optionLines;
        for (std::string line, word; std::getline(help, line);) {
            if (std::istringstream(line) >> word && word[0] == '-') optionLines += word + "\n";
        }
        std::set<std::string> manual = optionsIn(manualPart(command)),
                              listed = optionsIn(optionLines);
        if (!command.empty()) {
            for (const char* option : {"-h", "--help", "--help-all"}) listed.erase(option);
        }
#ifndef ROLVANTA_CLI_PDF
        manual.erase("--pdf");
#endif
        EXPECT_EQ(manual, listed) << "rolvanta-cli " << command;
    }
}

}  // namespace
}  // namespace rolvanta
