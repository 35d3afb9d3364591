#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>
#include <vector>

#include "storage/results_report.h"
#include "support/example_section.h"
#include "support/golden_file.h"

namespace rolvanta {
namespace {

using testing::computedProject;

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

TEST(ResultsReport, NumbersHaveSixSignificantDigits) {
    // Whole, one decimal, the float nearest a tenth, zero, negative, rounded
    // to six digits, the largest without exponent, from a million on with
    // one, the smallest without and a small one with.
    std::string texts;
    for (const float value : {1000.0f, 12.5f, 0.1f, 0.0f, -2.25f, 1234.5678f, 999999.0f, 1234567.0f,
                              1e6f, 0.0001f, 0.00001f}) {
        Project project = computedProject(0);
        project.section.mass = value;
        texts += valueAfter(formatResultsReport(project, "t", {}), "Mass Of Beam\t\t= ") + "\n";
    }
    testing::expectGolden("report-numbers.txt", texts);
}

TEST(ResultsReport, DecimalPointIsAPointInACommaLocale) {
    const Project project = computedProject(5);
    const std::string expected = formatResultsReport(project, "t", {5, 3, 2002, 9, 7, 3});
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "no de_DE.UTF-8 locale";
    std::locale::global(std::locale("de_DE.UTF-8"));
    const std::string underComma = formatResultsReport(project, "t", {5, 3, 2002, 9, 7, 3});
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(underComma, expected);
}

TEST(ResultsReport, TitleAndNameAreWindows1252) {
    Project project = computedProject(0);
    project.section.name[0] = '\0';
    const std::string report = formatResultsReport(project, "Tr\xC3\xA4ger.txt", {});
    EXPECT_EQ(valueAfter(report, "Results Of Project - "), "Tr\xE4ger.txt");
    EXPECT_EQ(valueAfter(report, "Beam Name\t\t: "), "");
}

}  // namespace
}  // namespace rolvanta
