#pragma once

// The worked example used across the tests: a 100 x 75 medium-weight beam
// with an 8° flange taper (web 4 mm, flange 7.2 mm), rolled at 1000 °C.

#include <cstring>

#include "engine/pass_schedule.h"
#include "engine/project_records.h"

namespace rolvanta::testing {

inline BeamSection exampleSection(int passCount = 5) {
    BeamSection section{};
    resetBeamSection(section);
    std::strcpy(section.name, "MB 100");
    setFinishedWebWidth(section, 100.0f);
    section.webThickness = 4.0f;
    section.flangeHeight = 75.0f;
    section.flangeThickness = 7.2f;
    section.rootRadius = 9.0f;
    section.tipRadius = 4.5f;
    section.flangeSlope = 98.0f;
    section.mass = 11.5f;
    section.area = 1460.0f;
    section.passCount = passCount;
    section.temperature = 1000.0f;
    return section;
}

inline Project exampleProject(int passCount = 5) {
    Project project{};
    project.section = exampleSection(passCount);
    loadDefaultCoefficients(project.coefficients);
    return project;
}

inline Project computedProject(int passCount = 5) {
    Project project = exampleProject(passCount);
    computeDesign(project);
    project.flags.computed = true;
    return project;
}

// Whether two records hold the same bytes: what "left as it was" means for
// records that are stored byte for byte.
template <typename Record>
bool sameBytes(const Record& a, const Record& b) {
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

// A project's flags are not plain bytes: compare them as values.
inline bool sameBytes(const Project& a, const Project& b) { return sameProject(a, b); }

}  // namespace rolvanta::testing
