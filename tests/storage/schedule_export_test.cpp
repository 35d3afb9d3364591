// The pass-record field list drives the report and the exported tables: each
// field shows its own value under its own name. The golden files of the
// command-line tool pin the layouts of real designs.

#include <gtest/gtest.h>

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
    outputs +=
        "== on a mill\n" + formatScheduleCsv(project, warnings) + formatScheduleJson(project);
    // Pass 1 is the hot section; schedules shorter than two passes show no
    // pass block.
    for (const int passCount : {0, 1}) {
        const Project shorter = computedProject(passCount);
        outputs += "== " + std::to_string(passCount) + " passes\n" +
                   formatResultsReport(shorter, "t", {}) + formatScheduleCsv(shorter) +
                   formatScheduleJson(shorter);
    }
    testing::expectGolden("schedule-fields.txt", outputs);
}

}  // namespace
}  // namespace rolvanta
