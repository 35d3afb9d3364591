// The pass-record field list drives the report and the exported tables: each
// field shows its own value under its own name. The golden files of the
// command-line tool pin the layouts of real designs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/pass_fields.h"
#include "storage/results_report.h"
#include "storage/schedule_export.h"
#include "support/example_section.h"
#include "support/golden_file.h"
#include "support/odd_mill.h"

namespace rolvanta {
namespace {

using testing::computedProject;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Pass 2 (record 0) with field f holding f + 0.25, and, on a mill, load f of
// rolling pass j holding 100 j + f + 0.5, with warnings that need quoting: a
// field or load listed twice, reading another's member or shown on another
// pass shows a value that is not its own.
TEST(PassFields, EachOutputShowsEveryFieldAndLoadWithItsOwnValue) {
    Project project = computedProject(5);
    project.section.massPerLength = 0.0242f;
    std::strcpy(project.section.name, "Say \"\\\"");  // escaped in JSON
    for (int f = 0; f < kPassFieldCount; ++f) {
        project.passes.records[0].*kPassFields[f].member = static_cast<float>(f) + 0.25f;
    }
    const std::string report = formatResultsReport(project, "t", {});
    std::string outputs = report.substr(report.find("Pass - 2")) + "== without a mill\n" +
                          formatScheduleCsv(project) + formatScheduleJson(project);
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
    const std::vector<PassWarning> warnings = {
        {3, "Pass 3: a, b"}, {2, "Pass 2: c"}, {3, "Pass 3: \"d\""}};
    outputs += "== on a mill\n" + formatScheduleCsv(project, warnings) + formatScheduleJson(project);
    testing::expectGolden("schedule-fields.txt", outputs);
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

}  // namespace
}  // namespace rolvanta
