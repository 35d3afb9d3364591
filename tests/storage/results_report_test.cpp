// The report and the exported tables. The pass-record field list drives
// them: each field shows its own value under its own name. The golden files
// of the command-line tool pin the layouts of real designs.

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <locale>
#include <string>
#include <vector>

#include "engine/pass_fields.h"
#include "storage/results_report.h"
#include "storage/schedule_export.h"
#include "support/example_section.h"
#include "support/golden_file.h"
#include "support/odd_mill.h"

namespace rolvanta {
namespace {

using testing::computedProject;

// All under the user's decimal comma, which none of them may show. Pass 2
// (record 0) with field f holding f + 0.25, and, on a mill, load f of rolling
// pass j holding 100 j + f + 0.5, with warnings that need quoting: a field or
// load listed twice, reading another's member or shown on another pass shows
// a value that is not its own. Then the report's numbers, six significant
// digits: whole, one decimal, the float nearest a tenth, zero, negative,
// rounded to six digits, the largest without exponent, from a million on
// with one, the smallest without and a small one with.
TEST(PassFields, EachOutputShowsEveryFieldAndLoadWithItsOwnValue) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "no de_DE.UTF-8 locale";
    std::locale::global(std::locale("de_DE.UTF-8"));
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
    // pass block. The title and the name are written in Windows-1252.
    for (const int passCount : {0, 1}) {
        Project shorter = computedProject(passCount);
        shorter.section.name[0] = '\0';
        outputs += "== " + std::to_string(passCount) + " passes\n" +
                   formatResultsReport(shorter, "Tr\xC3\xA4ger.txt", {}) +
                   formatScheduleCsv(shorter) + formatScheduleJson(shorter);
    }
    outputs += "== report numbers\n";
    for (const float value : {1000.0f, 12.5f, 0.1f, 0.0f, -2.25f, 1234.5678f, 999999.0f, 1234567.0f,
                              1e6f, 0.0001f, 0.00001f}) {
        project = computedProject(0);
        project.section.mass = value;
        const std::string report = formatResultsReport(project, "t", {5, 3, 2002, 9, 7, 3});
        const std::size_t at = report.find("Mass Of Beam\t\t= ") + 16;
        outputs += report.substr(at, report.find("\r\n", at) - at) + "\n";
    }
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
    testing::expectGolden("schedule-fields.txt", outputs);
}

}  // namespace
}  // namespace rolvanta
