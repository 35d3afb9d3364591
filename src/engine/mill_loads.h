#pragma once

// The loads of a pass schedule on its mill: the schedule run forwards in
// rolling order, from the bar entering the mill to the finished section,
// with for every pass the bar temperature, strain, strain rate and flow
// stress, the roll force, torque and power, the bite and the cooling to the
// next pass. An element method: the web is flat rolling, each flange leg a
// tip (its height reduced by the pocket bottom) and a wall (its thickness
// reduced by the tapered groove walls), all with Sims' hot-rolling theory
// and a lumped bar temperature. SI inside; the results in the designer's
// units, named in every field.
//
// How far the numbers hold: the web terms inherit the flat-rolling model's
// accuracy (torque within about ±15 % on a measured bar mill); the flange
// leg terms are physics-based but not validated against measured beam
// passes (expect ±30-50 % on the leg forces).

#include <optional>
#include <vector>

#include "engine/mill_records.h"
#include "engine/project_records.h"

namespace rolvanta {

// ---- the models, SI unless the name says otherwise ----

// Shida (1969), flow stress of carbon steels in compression, MPa; T in °C,
// carbon in wt %. Fitted to 700-1200 °C, strains up to 0.7, rates 0.1-100/s.
double shidaFlowStress(double strain, double strainRate_per_s, double temperature_C,
                       double carbon_pct);

// Hensel-Spittel flow stress with a published coefficient set, MPa; T in °C.
double henselSpittelFlowStress(HenselSpittelSet set, double strain, double strainRate_per_s,
                               double temperature_C);

double flowStress(const Steel& steel, double strain, double strainRate_per_s, double temperature_C);

// Where a flow-stress model holds: the temperature, strain, strain rate and
// (Shida) carbon content of the data it was fitted to. A bound that is not
// given is not checked.
struct FlowStressData {
    const char* name;  // "Shida", "Hensel-Spittel C20/C22", ...
    double minTemperature_C, maxTemperature_C;
    std::optional<double> minStrain;
    double maxStrain;
    double minStrainRate_per_s, maxStrainRate_per_s;
    std::optional<double> minCarbon_pct, maxCarbon_pct;
};
FlowStressData flowStressData(const Steel& steel);

// Mean flow stress over a pass's strain (Simpson's rule, 24 intervals), MPa.
double meanFlowStress(const Steel& steel, double strain, double strainRate_per_s,
                      double temperature_C);

// Sims (1954), hot flat rolling with sticking friction: roll radius R,
// entry and exit thickness h0, h1, width b (m), plane-strain flow stress S
// (Pa). All zero without a draft or a width.
struct SimsResult {
    double contactLength = 0;  // L, m
    double Q = 0;              // geometry factor of the force
    double neutralAngle = 0;   // rad
    double biteAngle = 0;      // rad
    double force = 0;          // N
    double torqueOneRoll = 0;  // N m
    double forwardSlip = 0;
};
SimsResult simsFlatRolling(double R, double h0, double h1, double b, double S);

// The plane-strain flow stress every Sims element takes: S = (2/√3) k_fm.
inline constexpr double kPlaneStrainFactor = 1.1547005383792515;

// The section of one pass as the load models see it, mm.
struct LegShape {
    double height = 0;  // web surface to tip
    double root = 0;    // root thickness
    double tip = 0;     // tip thickness
};
struct PassSection {
    double width = 0;  // pass width over the flanges
    double webThickness = 0;
    LegShape live, dead;  // each occurs twice
};

// The sections in rolling order S_0 ... S_n: the bar entering the mill
// (record n - 1), records n - 2 down to 0, then the hot section ("Pass 1").
// n = section.passCount, which must be 2 ... kPassTableSize.
std::vector<PassSection> rollingSections(const BeamSection& hot, const PassTable& passes);

// The cooling of the bar between two passes (lumped, radiation and
// convection, Heun's method in 200 steps): the temperature after
// interpass_s seconds, °C.
double interpassCooling(const PassSection& section, double temperature_C, double interpass_s,
                        const MillConstants& constants);

// ---- the loads of a schedule ----

// The loads of every pass in rolling order (Pass N first, Pass 1 last), for
// a computed schedule of section.passCount passes and a mill with as many
// stands. Empty when the counts differ or there are fewer than two passes.
// Each pass is rolled from the section before it, its legs paired with the
// same physical legs (live and dead exchange roles in every pass but the
// finishing one); the low estimate is a second run with its own
// temperatures. A stand without interpass time or distance hands its exit
// temperature on unchanged. Every field is a number: what the models cannot
// evaluate (the flow stress of a pass that grows, with Hensel-Spittel)
// shows as 0, and the load checks name such passes.
std::vector<PassLoads> computeMillLoads(const Mill& mill, const BeamSection& hot,
                                        const PassTable& passes);

}  // namespace rolvanta
