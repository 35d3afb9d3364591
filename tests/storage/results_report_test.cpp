#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <locale>
#include <string>
#include <vector>

#include "engine/pass_schedule.h"
#include "storage/results_report.h"
#include "support/example_section.h"
#include "support/recording_message_shell.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

using testing::readFileBytes;
using testing::RecordingMessageShell;
using testing::TemporaryFolder;

const ReportTime kFifthOfMarch2002{5, 3, 2002, 9, 7, 3};

Project computedProject(int passCount) {
    Project project = testing::exampleProject(passCount);
    computeDesign(project);
    return project;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the text ends with a line end";
    return lines;
}

// The text after a label, on the first line that starts with it.
std::string valueAfter(const std::string& report, const std::string& label) {
    for (const auto& line : linesOf(report)) {
        if (line.rfind(label, 0) == 0) return line.substr(label.size());
    }
    return "<missing>";
}

TEST(ResultsReport, OneBlockPerShownPass) {
    const struct {
        int passCount;
        std::size_t lines;
        const char* lastLabel;
    } cases[] = {
        {5, 24 + 4 * 17, "Pass - 5"},
        {13, 24 + 12 * 17, "Pass - 13"},
        {1, 24, nullptr},
        {0, 24, nullptr},
    };
    for (const auto& c : cases) {
        const auto lines = linesOf(formatResultsReport(computedProject(c.passCount), "t", {}));
        EXPECT_EQ(lines.size(), c.lines) << c.passCount;
        if (c.lastLabel) {
            EXPECT_EQ(lines[lines.size() - 17], c.lastLabel) << c.passCount;
        }
    }
}

TEST(ResultsReport, NumbersHaveSixSignificantDigits) {
    const struct {
        const char* name;
        float value;
        const char* text;
    } cases[] = {
        {"whole", 1000.0f, "1000"},
        {"one decimal", 12.5f, "12.5"},
        {"float nearest a tenth", 0.1f, "0.1"},
        {"zero", 0.0f, "0"},
        {"negative", -2.25f, "-2.25"},
        {"rounded to six digits", 1234.5678f, "1234.57"},
        {"largest without exponent", 999999.0f, "999999"},
        {"exponent from a million", 1234567.0f, "1.23457e+06"},
        {"exactly a million", 1e6f, "1e+06"},
        {"smallest without exponent", 0.0001f, "0.0001"},
        {"small with exponent", 0.00001f, "1e-05"},
    };
    for (const auto& c : cases) {
        Project project = computedProject(0);
        project.section.mass = c.value;
        const std::string report = formatResultsReport(project, "t", {});
        EXPECT_EQ(valueAfter(report, "Mass Of Beam\t\t= "), c.text) << c.name;
    }
}

TEST(ResultsReport, DecimalPointIsAPointInACommaLocale) {
    const Project project = computedProject(5);
    const std::string expected = formatResultsReport(project, "t", kFifthOfMarch2002);

    const char* const previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
    std::locale::global(std::locale("de_DE.UTF-8"));
    const std::string underComma = formatResultsReport(project, "t", kFifthOfMarch2002);
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, saved.c_str());

    EXPECT_EQ(underComma, expected);
    EXPECT_EQ(valueAfter(underComma, "Flange Thickness\t= "), "7.2");
}

TEST(ResultsReport, TitleAndNameAreWindows1252) {
    Project project = computedProject(0);
    project.section.name[0] = '\0';
    const std::string report = formatResultsReport(project, "Tr\xC3\xA4ger.txt", {});
    EXPECT_EQ(valueAfter(report, "Results Of Project - "), "Tr\xE4ger.txt");
    EXPECT_EQ(valueAfter(report, "Beam Name\t\t: "), "");
}

TEST(ResultsReport, WritingReplacesTheOldReport) {
    TemporaryFolder folder;
    RecordingMessageShell shell;
    const std::string path = folder / "beam.txt";
    ASSERT_TRUE(writeResultsReport(path, "beam.txt", computedProject(13), shell));
    ASSERT_TRUE(writeResultsReport(path, "beam.txt", computedProject(5), kFifthOfMarch2002, shell));
    EXPECT_EQ(readFileBytes(path),
              formatResultsReport(computedProject(5), "beam.txt", kFifthOfMarch2002));
    EXPECT_TRUE(shell.shown.empty());
}

TEST(ResultsReport, FailedWriteIsShownAndReported) {
    TemporaryFolder folder;
    RecordingMessageShell shell;
    EXPECT_FALSE(
        writeResultsReport(folder / "none/beam.txt", "beam.txt", computedProject(5), shell));
    EXPECT_FALSE(writeResultsReport("/dev/full", "full", computedProject(5), shell));
    ASSERT_EQ(shell.shown.size(), 2u);
    EXPECT_EQ(shell.shown[1].text, "Cannot Open File");
    EXPECT_EQ(shell.shown[1].caption, "Error");
}

}  // namespace
}  // namespace rolvanta
