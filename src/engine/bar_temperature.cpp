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

namespace {

// Lumped interpass cooling (Hensel, Poluchin & Poluchin 1990): radiation
// from the convex hull of the section (its channels radiate onto the bar
// itself), convection from its whole perimeter; no descaling water. Holds
// for the bar average, not its surface. Bars cooled side by side make
// independent chains of Heun steps that the processor runs in parallel.
template <std::size_t N>
std::array<double, N> cool(const PassGeometry& s, std::array<double, N> T_C,
                           std::array<double, N> t_s, const MillConstants& c) {
    const double u = 2 * s.Hf + 2 * s.bw + 2 * (s.live.h + s.live.ft) + 2 * (s.dead.h + s.dead.ft);
    const double uRad = std::min(u, 2 * (s.W + s.Hf));
    const double rhoCA = c.density_kg_m3 * c.specificHeat_J_kgK * s.A;
    const double Ta = c.airTemperature_C + kKelvinOffset;
    // dT/dt = -[eps_r sigma u_rad (T^4 - Ta^4) + alpha_c u (T - Ta)] / (rho c A)
    //       = f0 - a T^4 - b T
    const double a = c.emissivity * kStefanBoltzmann * uRad / rhoCA;
    const double b = c.convection_W_m2K * u / rhoCA;
    const double f0 = a * Ta * Ta * Ta * Ta + b * Ta;
    std::array<double, N> T, dt;
    for (std::size_t k = 0; k < N; ++k) {
        T[k] = T_C[k] + kKelvinOffset;
        dt[k] = t_s[k] / kCoolingSteps;
    }
    // Heun: k1 = f(T), Y = T + dt k1, T <- T + dt/2 (k1 + f(Y)). Written out
    // with f's terms grouped so that only the fourth powers wait on one
    // another: the step's chain of dependent operations is the cost.
    for (int i = 0; i < kCoolingSteps; ++i) {
        for (std::size_t k = 0; k < N; ++k) {
            const double h = dt[k] / 2;
            const double T2 = T[k] * T[k];
            const double T4 = T2 * T2;
            const double linear = f0 - b * T[k];
            const double k1 = linear - a * T4;
            const double Y = (T[k] + dt[k] * linear) - (dt[k] * a) * T4;
            const double Y2 = Y * Y;
            const double rest = (T[k] + h * (k1 + f0)) - (h * b) * Y;
            T[k] = rest - (h * a) * (Y2 * Y2);
        }
    }
    for (std::size_t k = 0; k < N; ++k) T[k] -= kKelvinOffset;
    return T;
}

}  // namespace

double coolBar(const PassGeometry& s, double temperature_C, double t_s, const MillConstants& c) {
    return cool<1>(s, {temperature_C}, {t_s}, c)[0];
}

std::array<double, 2> coolBars(const PassGeometry& s, std::array<double, 2> temperature_C,
                               std::array<double, 2> t_s, const MillConstants& c) {
    return cool<2>(s, temperature_C, t_s, c);
}

double interpassCooling(const PassSection& section, double temperature_C, double interpass_s,
                        const MillConstants& constants) {
    return coolBar(passGeometry(section), temperature_C, interpass_s, constants);
}

}  // namespace rolvanta
