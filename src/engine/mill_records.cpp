#include "engine/mill_records.h"

#include <tuple>

namespace rolvanta {

namespace {

auto fields(const MillConstants& c) {
    return std::tie(c.emissivity, c.convection_W_m2K, c.contact_W_m2K, c.rollTemperature_C,
                    c.heatFraction, c.minimumTaper, c.airTemperature_C, c.density_kg_m3,
                    c.specificHeat_J_kgK);
}

auto fields(const MillStand& s) {
    return std::tie(s.stand, s.diameter_mm, s.rpm, s.interpass_s, s.distance_m, s.neckRatio,
                    s.neckFriction, s.driveEfficiency, s.maxForce_kN, s.maxTorque_kNm,
                    s.motor_kW);
}

}  // namespace

bool operator==(const MillConstants& a, const MillConstants& b) { return fields(a) == fields(b); }

bool operator==(const MillStand& a, const MillStand& b) { return fields(a) == fields(b); }

bool operator==(const Mill& a, const Mill& b) {
    return a.name == b.name && a.example == b.example &&
           a.entryTemperature_C == b.entryTemperature_C && a.steel.model == b.steel.model &&
           a.steel.carbon_pct == b.steel.carbon_pct && a.steel.set == b.steel.set &&
           a.rollMaterial == b.rollMaterial && a.constants == b.constants &&
           a.stands == b.stands;
}

}  // namespace rolvanta
