// The pass-record field list drives the report and the exported tables: each
// field shows its own value under its own name. The golden files pin the
// layouts themselves.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/pass_fields.h"
#include "storage/results_report.h"
#include "storage/schedule_export.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

using testing::computedProject;

// Pass 2 (record 0) with field f holding f + 0.25: a field listed twice or
// reading another's member shows a value that is not its own.
Project markedProject() {
    Project project = computedProject(5);
    for (int f = 0; f < kPassFieldCount; ++f) {
        project.passes.records[0].*kPassFields[f].member = static_cast<float>(f) + 0.25f;
    }
    return project;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The line of text that starts with start, without its line end.
std::string lineFrom(const std::string& text, const std::string& start) {
    const std::size_t begin = text.find("\n" + start);
    if (begin == std::string::npos) return "<missing>";
    const std::size_t end = text.find_first_of("\r\n", begin + 1);
    return text.substr(begin + 1, end - begin - 1);
}

// Column column of a CSV line.
std::string csvCell(const std::string& line, int column) {
    std::size_t begin = 0;
    for (int c = 0; c < column; ++c) begin = line.find(',', begin) + 1;
    return line.substr(begin, line.find(',', begin) - begin);
}

TEST(PassFields, EachOutputShowsEveryFieldWithItsOwnValue) {
    const Project project = markedProject();
    const std::string report = formatResultsReport(project, "t", {});
    const std::string pass2 = report.substr(report.find("Pass - 2"));
    const std::string csv = "\n" + formatScheduleCsv(project);
    const std::string json = formatScheduleJson(project);
    for (int f = 0; f < kPassFieldCount; ++f) {
        const PassField& field = kPassFields[f];
        const std::string value = std::to_string(f) + ".25";
        const std::string line = lineFrom(pass2, field.shortLabel + std::string("\t"));
        EXPECT_EQ(line.substr(line.find('=')), "= " + value) << field.name;
        EXPECT_EQ(csvCell(lineFrom(csv, "pass,"), f + 1),
                  std::string(field.name) + " [" + unitKey(field.unit) + "]");
        EXPECT_EQ(csvCell(lineFrom(csv, "2,"), f + 1), value) << field.name;
        EXPECT_TRUE(contains(
            json, std::string("\"") + field.name + "_" + unitKey(field.unit) + "\": " + value))
            << field.name;
    }
}

// Pass 1 is the hot section; passes 2 to 5 are records 0 to 3, as the
// golden files of 5 to 13 passes show. Shorter schedules show no pass block.
TEST(PassFields, ShortSchedulesShowNoPass) {
    for (const int passCount : {0, 1}) {
        const Project project = computedProject(passCount);
        const std::string report = formatResultsReport(project, "t", {});
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 24) << passCount;
        EXPECT_FALSE(contains(formatScheduleCsv(project), "\n2,")) << passCount;
        EXPECT_TRUE(contains(formatScheduleJson(project), "\"passes\": [\n  ]")) << passCount;
    }
}

TEST(ScheduleExport, NamesAreEscaped) {
    Project project = computedProject(5);
    std::strcpy(project.section.name, "Say \"\\\"");
    EXPECT_TRUE(contains(formatScheduleJson(project), R"("name": "Say \"\\\"",)"));
}

}  // namespace
}  // namespace rolvanta
