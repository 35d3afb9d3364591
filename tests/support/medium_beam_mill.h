#pragma once

// MB 200 as Compute designs it, at 1000 °C with the default coefficients,
// and a plausible mill to roll it on: a breakdown stand of 850 mm down to
// finishing rolls of 600 mm, faster from stand to stand, with limits no
// pass of 9 or 13 reaches. Engine only, for tests and benchmarks alike.

#include <cstring>
#include <string>

#include "engine/mill_loads.h"
#include "engine/pass_schedule.h"

namespace rolvanta::testing {

inline Project computedMediumBeam200(int passCount) {
    Project project{};
    resetBeamSection(project.section);
    std::strcpy(project.section.name, "MB 200");
    setFinishedWebWidth(project.section, 200);
    project.section.webThickness = 5.7f;
    project.section.flangeHeight = 100;
    project.section.flangeThickness = 10;
    project.section.rootRadius = 11;
    project.section.tipRadius = 5.5f;
    project.section.flangeSlope = 98;
    project.section.area = 3080;
    project.section.massPerLength = 0.0242f;
    project.section.passCount = passCount;
    project.section.temperature = 1000;
    loadDefaultCoefficients(project.coefficients);
    computeDesign(project);
    project.flags.computed = true;
    return project;
}

inline Mill plausibleMill(int passCount) {
    Mill mill;
    mill.name = "Test mill";
    for (int j = 0; j < passCount; ++j) {
        const double along = double(j) / (passCount - 1);  // 0 first, 1 finishing
        MillStand stand;
        stand.stand = "Stand " + std::to_string(j + 1);
        stand.diameter_mm = 850 - 250 * along;
        stand.rpm = 60 + 120 * along;
        if (j + 1 < passCount) stand.interpass_s = 8 - 4 * along;
        stand.maxForce_kN = 3000;
        stand.maxTorque_kNm = 300;
        stand.motor_kW = 3000;
        mill.stands.push_back(stand);
    }
    return mill;
}

// The project with the mill and its loads.
inline Project mediumBeam200OnItsMill(int passCount) {
    Project project = computedMediumBeam200(passCount);
    project.mill = plausibleMill(passCount);
    project.loads = computeMillLoads(*project.mill, project.section, project.passes);
    return project;
}

}  // namespace rolvanta::testing
