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
#include "support/odd_mill.h"

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

// The loads' keys in JSON and headings in CSV, in order.
const char* const kLoadKeys[] = {"entryTemperature_C", "exitTemperature_C",  "strain",
                                 "strainRate_per_s",   "meanFlowStress_MPa", "contactLength_mm",
                                 "biteAngle_deg",      "force_kN",           "forceLow_kN",
                                 "torque_kNm",         "rollPower_kW",       "motorPower_kW",
                                 "exitSpeed_m_s",      "interpass_s",        "interpassDrop_K"};
const char* const kLoadHeadings =
    ",stand,entryTemperature [degC],exitTemperature [degC],strain,strainRate [1/s],"
    "meanFlowStress [MPa],contactLength [mm],biteAngle [deg],force [kN],forceLow [kN],"
    "torque [kNm],rollPower [kW],motorPower [kW],exitSpeed [m/s],interpass [s],"
    "interpassDrop [K],warnings";

// With a mill, each pass and the section carry the loads of the pass that
// makes them: load f of rolling pass j holds 100 j + f + 0.5, so a load
// under another's key or on another pass shows.
TEST(ScheduleExport, CarriesTheLoadsOfEachPassAndItsWarnings) {
    Project project = computedProject(5);
    project.section.massPerLength = 0.0242f;
    const std::string plainJson = formatScheduleJson(project);
    EXPECT_FALSE(contains(plainJson, "loads")) << "no mill, no loads";
    EXPECT_TRUE(
        contains(plainJson, "{\n  \"format\": \"ROLVANTA Schedule\",\n  \"version\": 1,\n"));
    EXPECT_TRUE(contains(plainJson, "\"massPerLength_kg_per_m\": 24.2,"));
    EXPECT_FALSE(contains(formatScheduleCsv(project), "stand"));

    project.mill = testing::oddMill(5);
    for (int j = 0; j < 5; ++j) {
        PassLoads loads;
        loads.pass = 5 - j;
        double* const values[] = {
            &loads.entryTemperature_C, &loads.exitTemperature_C,  &loads.strain,
            &loads.strainRate_per_s,   &loads.meanFlowStress_MPa, &loads.contactLength_mm,
            &loads.biteAngle_deg,      &loads.force_kN,           &loads.forceLow_kN,
            &loads.torque_kNm,         &loads.rollPower_kW,       &loads.motorPower_kW,
            &loads.exitSpeed_m_s};
        for (int f = 0; f < 13; ++f) *values[f] = 100 * j + f + 0.5;
        if (j < 4) loads.interpass_s = 100 * j + 13.5;
        if (j < 4) loads.interpassDrop_K = 100 * j + 14.5;
        project.loads.push_back(loads);
    }
    auto expectedLoads = [](int j) {
        std::string text = "\"loads\": {\"stand\": \"S" + std::to_string(j + 1) + "\"";
        for (int f = 0; f < 15; ++f) {
            const std::string value =
                j == 4 && f >= 13 ? "null" : std::to_string(100 * j + f) + ".5";
            text += std::string(", \"") + kLoadKeys[f] + "\": " + value;
        }
        return text + "}";
    };
    const std::string json = formatScheduleJson(project);
    EXPECT_TRUE(contains(json, "\"passCount\": 5,\n    " + expectedLoads(4) + "\n  },")) << json;
    for (int pass = 2; pass <= 5; ++pass) {
        EXPECT_TRUE(contains(json, expectedLoads(5 - pass) + "}")) << pass;
    }

    const std::vector<PassWarning> warnings = {
        {3, "Pass 3: a, b"}, {2, "Pass 2: c"}, {3, "Pass 3: \"d\""}};
    const std::string csv = "\n" + formatScheduleCsv(project, warnings);
    EXPECT_TRUE(contains(
        csv, "crossSectionArea [mm2],massPerLength [kg/m]" + std::string(kLoadHeadings) + "\n"));
    const std::string pass3 = lineFrom(csv, "3,");
    EXPECT_EQ(pass3.substr(pass3.find(",S3,")),
              ",S3,200.5,201.5,202.5,203.5,204.5,205.5,206.5,207.5,208.5,209.5,210.5,211.5,212.5,"
              "213.5,214.5,\"Pass 3: a, b; Pass 3: \"\"d\"\"\"");
    const std::string pass1 = lineFrom(csv, "1,");
    EXPECT_EQ(pass1.substr(pass1.find(",24.2,S5,")),
              ",24.2,S5,400.5,401.5,402.5,403.5,404.5,405.5,406.5,407.5,408.5,409.5,410.5,411.5,"
              "412.5,,,");
}

}  // namespace
}  // namespace rolvanta
