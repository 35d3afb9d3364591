// The command-line tool on the cases of tests/data/golden-cases.txt, each
// output compared byte for byte with its expected file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/golden_file.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::replaced;
using testing::TemporaryFolder;

const std::string kSource = ROLVANTA_SOURCE_DIR;
const std::string kData = kSource + "/tests/data";
const std::string kExpected = kData + "/expected";
const std::string kTool = ROLVANTA_CLI;

struct GoldenCase {
    std::string name;
    std::string arguments;
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
    TemporaryFolder out;
    TemporaryFolder workingDirectory;  // no profile.dat here
    std::string arguments = c.arguments;
    arguments = replaced(arguments, "@OUT@", out.path());
    arguments = replaced(arguments, "@BIN@", fs::path(kTool).parent_path().string());
    arguments = replaced(arguments, "@SOURCE@", kSource);
    arguments = replaced(arguments, "@DATA@", kData);
    const std::string command = "cd '" + workingDirectory.path() +
                                "' && ROLVANTA_REPORT_TIME='2002-03-05 09:07:03' '" + kTool + "' " +
                                arguments + " > '" + out.path() + "/" + c.name + ".stdout'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::string standardOutput = out / (c.name + ".stdout");
    if (fs::file_size(standardOutput) == 0) fs::remove(standardOutput);
    for (const auto& entry : fs::directory_iterator(out.path())) {
        const std::string file = entry.path().filename().string();
        const std::string expected = kExpected + "/" + file;
        ASSERT_TRUE(fs::exists(expected)) << file << " has no expected file";
        EXPECT_TRUE(readFileBytes(entry.path().string()) == readFileBytes(expected))
            << file << " differs from " << expected;
    }
    for (const auto& entry : fs::directory_iterator(kExpected)) {
        const std::string file = entry.path().filename().string();
        if (file.rfind(c.name + ".", 0) == 0) {
            EXPECT_TRUE(fs::exists(out / file)) << file << " was not written";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, Golden, ::testing::ValuesIn(goldenCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             return replaced(info.param.name, "-", "_");
                         });

}  // namespace
}  // namespace rolvanta
