#pragma once

// A mill whose every number is one a careless writer would round: thirds,
// tenths that binary cannot hold, very small and very large values; with a
// Hensel-Spittel steel, chilled iron rolls and limits given for some stands
// only, so that a file has to carry each choice and each optional value.

#include "engine/mill_records.h"

namespace rolvanta::testing {

inline Mill oddMill(int stands = 3) {
    Mill mill;
    mill.name = "Mill \u00b0 \"7\"";
    mill.entryTemperature_C = 1000.0 / 3.0 + 800.0;
    mill.steel.model = FlowStressModel::HenselSpittel;
    mill.steel.set = HenselSpittelSet::S355J2;
    mill.rollMaterial = RollMaterial::ChilledIron;
    mill.constants.emissivity = 0.1 + 0.2;
    mill.constants.contact_W_m2K = 1e4 / 7.0;
    mill.constants.minimumTaper = 1e-3 + 1e-17;
    for (int j = 0; j < stands; ++j) {
        MillStand stand;
        stand.stand = "S" + std::to_string(j + 1);
        stand.diameter_mm = 600.0 + j / 3.0;
        stand.rpm = 100.0 / 7.0 + j;
        if (j % 2 == 0) stand.interpass_s = 2.0 / 3.0;
        if (j % 2 == 1) stand.distance_m = 0.1 * (j + 1);
        stand.neckRatio = 0.3 + 1e-15;
        stand.driveEfficiency = 0.95;
        if (j == 0) {
            stand.maxForce_kN = 987654.321012345;
            stand.maxTorque_kNm = 123.456789012345678;
            stand.motor_kW = 4e-5;
        }
        mill.stands.push_back(stand);
    }
    mill.stands.back().interpass_s.reset();
    mill.stands.back().distance_m.reset();
    return mill;
}

}  // namespace rolvanta::testing
