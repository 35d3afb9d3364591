#pragma once

// The bar's temperature through the mill, lumped over the cross-section:
// heated by the rolling work and chilled by the rolls in a pass, cooled by
// radiation and convection between passes. °C outside, SI inside.

#include <array>

#include "engine/beam_pass.h"

namespace rolvanta {

struct PassHeat {
    double deformation_K = 0;  // the share of the rolling work kept in the bar
    double chill_K = 0;        // the heat the rolls take through the contact
};

// The temperature change of a pass: roll power P_roll (W), entry temperature,
// roll surface speed v_R and exit speed (m/s), the sections entering and
// leaving and the contact area with the rolls (m²).
PassHeat passHeat(double rollPower_W, double entryTemperature_C, double vR, double vOut,
                  const PassGeometry& in, const PassGeometry& out, double contactArea,
                  const MillConstants& constants);

// The section's temperature after t seconds in air, from temperature_C.
double coolBar(const PassGeometry& section, double temperature_C, double t_s,
               const MillConstants& constants);

// Two bars of the same section cooled side by side (the default run and the
// low estimate): as coolBar for each, in the time of one.
std::array<double, 2> coolBars(const PassGeometry& section, std::array<double, 2> temperature_C,
                               std::array<double, 2> t_s, const MillConstants& constants);

}  // namespace rolvanta
