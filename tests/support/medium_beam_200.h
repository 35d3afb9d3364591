#pragma once

// MB 200 from the catalogue in 13 passes at 1000 °C with the default
// coefficients: the design whose pass 13 has its dead flange roots overlap.

#include <gtest/gtest.h>

#include "project/design_inputs.h"

namespace rolvanta::testing {

// Takes the beam, the setup and the coefficients into a started project.
inline void takeMediumBeam200InThirteenPasses(Project& project) {
    StandardSectionFields beam;
    beam.name = "MB 200";
    beam.webWidth = 200;
    beam.webThickness = 5.7f;
    beam.flangeHeight = 100;
    beam.flangeThickness = 10;
    beam.rootRadius = 11;
    beam.tipRadius = 5.5f;
    beam.flangeSlope = 98;
    beam.area = 3080;
    beam.massPerLength = 0.0242f;
    ASSERT_TRUE(takeStandardSection(project, beam).accepted());
    ASSERT_TRUE(applySetup(project, {13, 1000}).accepted());
    ASSERT_TRUE(restoreDefaultCoefficients(project).accepted());
}

}  // namespace rolvanta::testing
