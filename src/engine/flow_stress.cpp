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
constexpr double kSimpsonWeight[kSimpsonIntervals + 1] = {1, 4, 2, 4, 2, 4, 2, 4, 2, 4, 2, 4, 2,
                                                          4, 2, 4, 2, 4, 2, 4, 2, 4, 2, 4, 1};
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

// The flow stress at a given strain rate and temperature is a factor K that
// they set, times a strain hardening: the mean over a pass's strain takes K
// once and integrates only the hardening.

// ln i for the Simpson nodes i = 1 ... 24: a node's strain is i h, so its
// power (i h / 0.2)^n is exp(n (ln(h / 0.2) + ln i)), one exponential where
// a power would cost two transcendentals.
constexpr double kLnNode[kSimpsonIntervals + 1] = {0,
                                                   0.0,
                                                   0.6931471805599453,
                                                   1.0986122886681098,
                                                   1.3862943611198906,
                                                   1.6094379124341003,
                                                   1.791759469228055,
                                                   1.9459101490553132,
                                                   2.0794415416798357,
                                                   2.1972245773362196,
                                                   2.302585092994046,
                                                   2.3978952727983707,
                                                   2.4849066497880004,
                                                   2.5649493574615367,
                                                   2.6390573296152584,
                                                   2.70805020110221,
                                                   2.772588722239781,
                                                   2.833213344056216,
                                                   2.8903717578961645,
                                                   2.9444389791664403,
                                                   2.995732273553991,
                                                   3.044522437723423,
                                                   3.091042453358316,
                                                   3.1354942159291497,
                                                   3.1780538303479458};

// Shida: sigma = 9.80665 sigma0(T, C) (q/10)^m(T, C) [1.3 (e/0.2)^n - 0.3 (e/0.2)].
struct ShidaLaw {
    double K = 0, n = 0;  // MPa, the hardening exponent

    double hardening(double strain) const {
        const double x = std::max(strain, kShidaStrainFloor) / 0.2;
        return 1.3 * std::pow(x, n) - 0.3 * x;
    }
    // Σ w_i hardening(e_i) over the Simpson nodes of step h.
    double weightedSum(double h) const {
        const double lnStep = std::log(h / 0.2);
        double sum = 0;
        for (int i = 0; i <= kSimpsonIntervals; ++i) {
            const double e = i * h;
            const double hardened = i == 0 || e < kNodeStrainFloor
                                        ? hardening(kNodeStrainFloor)
                                        : 1.3 * std::exp(n * (lnStep + kLnNode[i])) - 0.3 * e / 0.2;
            sum += kSimpsonWeight[i] * hardened;
        }
        return sum;
    }
};

// Shida (1969), carbon steels in compression (Suzuki's tests): the austenite
// law above the transformation temperature T_d, the two-phase law below it.
ShidaLaw shidaLaw(double strainRate_per_s, double temperature_C, double C) {
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
    const double q = std::max(strainRate_per_s, kShidaRateFloor_per_s);
    return {kMegapascalPerKgfMm2 * sigma0 * std::pow(q / 10.0, m), 0.41 - 0.07 * C};
}

// Hensel-Spittel: sigma = K(T, phidot) phi^m2 e^(m4/phi) (1 + phi)^(m5 T + m6) e^(m7 phi)
// with K = A e^(m1 T) T^m9 phidot^(m3 + m8 T).
struct HenselSpittelLaw {
    const HenselSpittelCoefficients* c = nullptr;
    double K = 0, p = 0;  // MPa, the exponent m5 T + m6

    double weightedSum(double h) const {
        double sum = 0;
        for (int i = 0; i <= kSimpsonIntervals; ++i) {
            sum += kSimpsonWeight[i] * hardening(std::max(i * h, kNodeStrainFloor));
        }
        return sum;
    }
    double hardening(double strain) const {
        const double phi = strain + kHenselSpittelOffset;
        // The four powers of phi as one exponential.
        return std::exp(c->m2 * std::log(phi) + c->m4 / phi + p * std::log1p(phi) + c->m7 * phi);
    }
};

HenselSpittelLaw henselSpittelLaw(HenselSpittelSet set, double strainRate_per_s, double T) {
    const HenselSpittelCoefficients& c = coefficientsOf(set);
    const double phiDot = strainRate_per_s + kHenselSpittelOffset;
    return {&c, c.A * std::exp(c.m1 * T) * std::pow(T, c.m9) * std::pow(phiDot, c.m3 + c.m8 * T),
            c.m5 * T + c.m6};
}

// k_fm = (1/eps) ∫0^eps sigma(e) de = K (h/3) Σ w_i hardening(e_i) / eps.
template <typename Law>
double simpsonMean(const Law& law, double strain) {
    const double h = strain / kSimpsonIntervals;
    return law.K * (h / 3.0 * law.weightedSum(h) / strain);
}

}  // namespace

double shidaFlowStress(double strain, double strainRate_per_s, double temperature_C,
                       double carbon_pct) {
    const ShidaLaw law = shidaLaw(strainRate_per_s, temperature_C, carbon_pct);
    return law.K * law.hardening(strain);
}

// With Spittel's (2009) coefficient sets; no floors (the offsets keep it
// finite from zero strain and rate on).
double henselSpittelFlowStress(HenselSpittelSet set, double strain, double strainRate_per_s,
                               double temperature_C) {
    const HenselSpittelLaw law = henselSpittelLaw(set, strainRate_per_s, temperature_C);
    return law.K * law.hardening(strain);
}

double flowStress(const Steel& steel, double strain, double strainRate_per_s,
                  double temperature_C) {
    if (steel.model == FlowStressModel::HenselSpittel) {
        return henselSpittelFlowStress(steel.set, strain, strainRate_per_s, temperature_C);
    }
    return shidaFlowStress(strain, strainRate_per_s, temperature_C, steel.carbon_pct);
}

// At the pass's rate and entry temperature; each pass starts from
// recrystallised material.
double meanFlowStress(const Steel& steel, double strain, double strainRate_per_s,
                      double temperature_C) {
    if (!(strain > 0)) {
        return flowStress(steel, kStrainOfNoReduction, strainRate_per_s, temperature_C);
    }
    if (steel.model == FlowStressModel::HenselSpittel) {
        return simpsonMean(henselSpittelLaw(steel.set, strainRate_per_s, temperature_C), strain);
    }
    return simpsonMean(shidaLaw(strainRate_per_s, temperature_C, steel.carbon_pct), strain);
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
