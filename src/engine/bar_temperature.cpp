#include "engine/bar_temperature.h"

#include <algorithm>

namespace rolvanta {

namespace {

constexpr double kStefanBoltzmann = 5.670374419e-8;  // W/(m² K⁴), CODATA 2018
constexpr double kKelvinOffset = 273.15;
// Heun's method in equal steps: 200 keep the lumped cooling of any accepted
// interpass time (up to 600 s) well inside a tenth of a kelvin.
constexpr int kCoolingSteps = 200;

}  // namespace

// Lumped heat balance of the bar through the roll gap, as in published
// practice: the heat fraction beta of the roll work, less the contact heat
// alpha_k A_c (T - T_roll), each per unit of the heat capacity flowing
// through. The heating trend of fast stands matches measurement; the level
// is not validated (the bar average, not its surface).
PassHeat passHeat(double rollPower_W, double entryTemperature_C, double vR, double vOut,
                  const PassGeometry& in, const PassGeometry& out, double contactArea,
                  const MillConstants& c) {
    const double rhoC = c.density_kg_m3 * c.specificHeat_J_kgK;
    PassHeat heat;
    heat.deformation_K = c.heatFraction * rollPower_W / (rhoC * out.A * vOut);
    heat.chill_K = c.contact_W_m2K * contactArea * (entryTemperature_C - c.rollTemperature_C) /
                   (vR * rhoC * (in.A + out.A) / 2);
    return heat;
}

// Lumped interpass cooling (Hensel, Poluchin & Poluchin 1990): radiation
// from the convex hull of the section (its channels radiate onto the bar
// itself), convection from its whole perimeter; no descaling water. Holds
// for the bar average, not its surface.
double coolBar(const PassGeometry& s, double temperature_C, double t_s, const MillConstants& c) {
    const double u = 2 * s.Hf + 2 * s.bw + 2 * (s.live.h + s.live.ft) + 2 * (s.dead.h + s.dead.ft);
    const double uRad = std::min(u, 2 * (s.W + s.Hf));
    const double rhoCA = c.density_kg_m3 * c.specificHeat_J_kgK * s.A;
    const double Ta = c.airTemperature_C + kKelvinOffset;
    const double Ta4 = Ta * Ta * Ta * Ta;
    const auto f = [&](double T) {
        const double T2 = T * T;
        return -(c.emissivity * kStefanBoltzmann * uRad * (T2 * T2 - Ta4) +
                 c.convection_W_m2K * u * (T - Ta)) /
               rhoCA;
    };
    const double dt = t_s / kCoolingSteps;
    double T = temperature_C + kKelvinOffset;
    for (int i = 0; i < kCoolingSteps; ++i) {
        const double k1 = f(T);
        T += dt / 2 * (k1 + f(T + dt * k1));
    }
    return T - kKelvinOffset;
}

double interpassCooling(const PassSection& section, double temperature_C, double interpass_s,
                        const MillConstants& constants) {
    return coolBar(passGeometry(section), temperature_C, interpass_s, constants);
}

}  // namespace rolvanta
