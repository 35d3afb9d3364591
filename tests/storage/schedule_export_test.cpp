// The pass-record field list drives the report and the exported tables: each
// field shows its own value under its own name. The golden files pin the
// layouts themselves.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/pass_fields.h"
#include "storage/results_report.h"
#include "storage/schedule_export.h"
#include "support/example_section.h"
#include "support/temporary_folder.h"

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

// Pass 1 is the hot section; passes 2 to 5 are records 0 to 3. Record 4 is
// computed but shown nowhere but the pass view's overview.
TEST(ScheduleExport, ShowsThePassesTheReportShows) {
    const Project project = computedProject(5);
    const std::string csv = formatScheduleCsv(project);
    EXPECT_TRUE(contains(csv, "\n1,,101.2,4,,35.5,7.2,")) << csv.substr(0, 400);
    EXPECT_TRUE(contains(csv, "\n5,")) << csv;
    EXPECT_FALSE(contains(csv, "\n6,")) << csv;
    const std::string json = formatScheduleJson(project);
    EXPECT_TRUE(contains(json, "{\"pass\": 5,")) << json;
    EXPECT_FALSE(contains(json, "{\"pass\": 6,")) << json;
    for (const int passCount : {0, 1}) {
        EXPECT_FALSE(contains(formatScheduleCsv(computedProject(passCount)), "\n2,")) << passCount;
        EXPECT_TRUE(contains(formatScheduleJson(computedProject(passCount)), "\"passes\": [\n  ]"))
            << passCount;
    }
}

TEST(ScheduleExport, NamesAreEscaped) {
    Project project = computedProject(5);
    std::strcpy(project.section.name, "Say \"\\\"");
    EXPECT_TRUE(contains(formatScheduleJson(project), R"("name": "Say \"\\\"",)"));
}

TEST(ScheduleExport, WritesWholeFilesOrNothing) {
    testing::TemporaryFolder folder;
    const Project project = computedProject(5);
    ASSERT_FALSE(writeScheduleCsv(folder / "beam.csv", project));
    ASSERT_FALSE(writeScheduleJson(folder / "beam.json", project));
    EXPECT_EQ(testing::readFileBytes(folder / "beam.csv"), formatScheduleCsv(project));
    EXPECT_EQ(testing::readFileBytes(folder / "beam.json"), formatScheduleJson(project));
    const StorageResult missingFolder = writeScheduleCsv(folder / "none/beam.csv", project);
    ASSERT_TRUE(missingFolder);
    EXPECT_EQ(missingFolder->what, StorageFailure::CannotWrite);
    EXPECT_EQ(missingFolder->path, folder / "none/beam.csv");
    const StorageResult full = writeScheduleJson("/dev/full", project);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->reason, "No space left on device");
}

}  // namespace
}  // namespace rolvanta
