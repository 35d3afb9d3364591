#include <algorithm>
#include <cmath>

#include "engine/mill_loads.h"

namespace rolvanta {

namespace {

constexpr double kMegapascalPerKgfMm2 = 9.80665;  // 1 kgf/mm² in MPa
constexpr double kKelvinOffset = 273.15;

// Shida's floors: the strain and strain rate his power laws are taken at,
// at the least, so that a pass that starts from nothing stays finite.
constexpr double kShidaStrainFloor = 1e-6;
constexpr double kShidaRateFloor_per_s = 1e-3;

// Simpson's rule over the pass's strain in 24 intervals, the node strain
// floored as Shida's is, for both models: the designers' figures rest on it.
constexpr int kSimpsonIntervals = 24;
constexpr double kNodeStrainFloor = 1e-6;
// The strain a pass without reduction is taken at (it is an input error too).
constexpr double kStrainOfNoReduction = 1e-4;

// Hensel-Spittel: sigma = A e^(m1 T) T^m9 phi^m2 e^(m4/phi) (1 + phi)^(m5 T + m6)
// e^(m7 phi) phidot^(m3 + m8 T), T in °C, with phi = strain + 0.1 and
// phidot = rate + 0.1 (the offsets belong to these coefficient sets).
struct HenselSpittelCoefficients {
    double A, m1, m2, m3, m4, m5, m6, m7, m8, m9;
};
constexpr double kHenselSpittelOffset = 0.1;

// Spittel & Spittel, Landolt-Börnstein VIII/2C (2009), the sets as published
// for hot forming of the three steels; m3 = m6 = m9 = 0 in all of them.
constexpr HenselSpittelCoefficients kC20C22 = {3304.39,  -0.00281, 0.34766, 0,        0.00002,
                                               -0.00130, 0,        0.07632, 0.000148, 0};
constexpr HenselSpittelCoefficients kS355J2 = {2852.66,  -0.00244, 0.41934, 0,        0.00088,
                                               -0.00149, 0,        0.12169, 0.000127, 0};
constexpr HenselSpittelCoefficients kC45 = {
    3268.49, -0.00267855, 0.34446, 0, 0.000551814, -0.00132042, 0, 0.0166334, 0.000149907, 0};

const HenselSpittelCoefficients& coefficientsOf(HenselSpittelSet set) {
    switch (set) {
        case HenselSpittelSet::S355J2:
            return kS355J2;
        case HenselSpittelSet::C45:
            return kC45;
        case HenselSpittelSet::C20C22:
            break;
    }
    return kC20C22;
}

// The data the models were fitted to. Shida: Suzuki's compression tests,
// 700-1200 °C, strains to 0.7, 0.1-100/s, 0.07-1.2 % C. Hensel-Spittel: the
// range quoted for the C45 set (Spittel 2009), taken for C20/C22 and S355J2
// too for want of their own; the rate range is a working assumption.
constexpr FlowStressData kShidaData = {"Shida", 700, 1200, std::nullopt, 0.7, 0.1, 100, 0.07, 1.2};
constexpr FlowStressData kHenselSpittelData[] = {
    {"Hensel-Spittel C20/C22", 820, 1200, 0.04, 1.5, 0.1, 100, std::nullopt, std::nullopt},
    {"Hensel-Spittel S355J2", 820, 1200, 0.04, 1.5, 0.1, 100, std::nullopt, std::nullopt},
    {"Hensel-Spittel C45", 820, 1200, 0.04, 1.5, 0.1, 100, std::nullopt, std::nullopt},
};

}  // namespace

// Shida (1969), carbon steels in compression (Suzuki's tests), MPa; the
// austenite law above the transformation temperature T_d, the two-phase law
// below it.
double shidaFlowStress(double strain, double strainRate_per_s, double temperature_C,
                       double carbon_pct) {
    const double C = carbon_pct;
    const double Tbar = (temperature_C + kKelvinOffset) / 1000.0;
    const double Td = 0.95 * (C + 0.41) / (C + 0.32);
    double sigma0 = 0, m = 0;
    if (Tbar >= Td) {
        sigma0 = 0.28 * std::exp(5.0 / Tbar - 0.01 / (C + 0.05));
        m = (-0.019 * C + 0.126) * Tbar + (0.075 * C - 0.05);
    } else {
        const double d = Tbar - 0.95 * (C + 0.49) / (C + 0.42);
        const double g = 30.0 * (C + 0.9) * d * d + (C + 0.06) / (C + 0.09);
        sigma0 = 0.28 * g * std::exp(5.0 / Td - 0.01 / (C + 0.05));  // T_d, not T̄
        m = (0.081 * C - 0.154) * Tbar + (-0.019 * C + 0.207) + 0.027 / (C + 0.32);
    }
    const double n = 0.41 - 0.07 * C;
    const double e = std::max(strain, kShidaStrainFloor);
    const double q = std::max(strainRate_per_s, kShidaRateFloor_per_s);
    const double hardening = 1.3 * std::pow(e / 0.2, n) - 0.3 * (e / 0.2);
    return kMegapascalPerKgfMm2 * sigma0 * hardening * std::pow(q / 10.0, m);
}

// Hensel-Spittel, with Spittel's (2009) coefficient sets, MPa; no floors
// (the offsets keep it finite from zero strain and rate on).
double henselSpittelFlowStress(HenselSpittelSet set, double strain, double strainRate_per_s,
                               double temperature_C) {
    const HenselSpittelCoefficients& c = coefficientsOf(set);
    const double T = temperature_C;
    const double phi = strain + kHenselSpittelOffset;
    const double phiDot = strainRate_per_s + kHenselSpittelOffset;
    return c.A * std::exp(c.m1 * T) * std::pow(T, c.m9) * std::pow(phi, c.m2) *
           std::exp(c.m4 / phi) * std::pow(1.0 + phi, c.m5 * T + c.m6) * std::exp(c.m7 * phi) *
           std::pow(phiDot, c.m3 + c.m8 * T);
}

double flowStress(const Steel& steel, double strain, double strainRate_per_s,
                  double temperature_C) {
    if (steel.model == FlowStressModel::HenselSpittel) {
        return henselSpittelFlowStress(steel.set, strain, strainRate_per_s, temperature_C);
    }
    return shidaFlowStress(strain, strainRate_per_s, temperature_C, steel.carbon_pct);
}

// k_fm = (1/eps) ∫0^eps sigma(e) de at the pass's rate and entry temperature,
// Simpson's rule; each pass starts from recrystallised material.
double meanFlowStress(const Steel& steel, double strain, double strainRate_per_s,
                      double temperature_C) {
    if (!(strain > 0)) {
        return flowStress(steel, kStrainOfNoReduction, strainRate_per_s, temperature_C);
    }
    const double h = strain / kSimpsonIntervals;
    double sum = 0;
    for (int i = 0; i <= kSimpsonIntervals; ++i) {
        const double w = (i == 0 || i == kSimpsonIntervals) ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0);
        const double e = std::max(i * h, kNodeStrainFloor);
        sum += w * flowStress(steel, e, strainRate_per_s, temperature_C);
    }
    return h / 3.0 * sum / strain;
}

FlowStressData flowStressData(const Steel& steel) {
    if (steel.model != FlowStressModel::HenselSpittel) return kShidaData;
    switch (steel.set) {
        case HenselSpittelSet::S355J2:
            return kHenselSpittelData[1];
        case HenselSpittelSet::C45:
            return kHenselSpittelData[2];
        case HenselSpittelSet::C20C22:
            break;
    }
    return kHenselSpittelData[0];
}

}  // namespace rolvanta
