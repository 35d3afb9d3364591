#pragma once

// The mill a schedule is rolled on: its stands, one per pass in rolling
// order, and what holds for the mill as a whole (the bar entering it, the
// steel, the rolls and the constants of the temperature and load models).
// Units are the designer's, named in every field: mm, rpm, s, m, kN, kN·m,
// kW, °C. What is optional is std::optional; a limit that is not given is
// not checked.

#include <optional>
#include <string>
#include <vector>

namespace rolvanta {

// How the flow stress of the steel is modelled.
enum class FlowStressModel {
    Shida,          // Shida (1969), from the carbon content
    HenselSpittel,  // Hensel-Spittel with one of the published coefficient sets
};

// The published Hensel-Spittel coefficient sets.
enum class HenselSpittelSet { C20C22, S355J2, C45 };

// The roll material sets the friction of the bite check (Ekelund).
enum class RollMaterial {
    Steel,        // k = 1.0
    ChilledIron,  // k = 0.8
};

struct Steel {
    FlowStressModel model = FlowStressModel::Shida;
    double carbon_pct = 0.20;  // Shida only
    HenselSpittelSet set = HenselSpittelSet::C20C22;  // Hensel-Spittel only
};

// The constants of the temperature and load models, with their defaults.
struct MillConstants {
    double emissivity = 0.80;             // of the bar
    double convection_W_m2K = 20.0;       // bar to air, typical 15-30
    double contact_W_m2K = 6000.0;        // bar to roll, typical 2000-6000 with scale
    double rollTemperature_C = 60.0;      // roll surface
    double heatFraction = 0.90;           // share of the rolling work kept in the bar
    double minimumTaper = 0.02;           // least wall taper taken for a flange leg
    double airTemperature_C = 20.0;
    double density_kg_m3 = 7600.0;        // at rolling temperature
    double specificHeat_J_kgK = 660.0;
};

// The stand that rolls one pass.
struct MillStand {
    std::string stand;           // the designer's name for it, UTF-8 ("R1", "Stand 3")
    double diameter_mm = 0;      // working roll diameter at the web (the web collar)
    double rpm = 0;              // roll speed
    // To the next pass: the time, or the distance the bar travels at its exit
    // speed. When both are given the time is used; neither is needed after
    // the finishing pass.
    std::optional<double> interpass_s;
    std::optional<double> distance_m;
    double neckRatio = 0.55;         // neck diameter / roll diameter
    double neckFriction = 0.005;     // neck bearing friction (roller bearings 0.003-0.005)
    double driveEfficiency = 0.90;   // gears, pinions and spindles
    std::optional<double> maxForce_kN;    // stand limits; none: not checked
    std::optional<double> maxTorque_kNm;  // both rolls together
    std::optional<double> motor_kW;       // motor rating
};

struct Mill {
    std::string name;        // UTF-8
    bool example = false;    // filled by Example Mill, shown as an example wherever it shows
    double entryTemperature_C = 1150.0;  // the bar entering the first pass
    Steel steel;
    RollMaterial rollMaterial = RollMaterial::Steel;
    MillConstants constants;
    // One stand per pass in rolling order: stands[0] rolls the first pass of
    // the mill ("Pass N" of a schedule of N passes), stands[N - 1] the
    // finishing pass ("Pass 1").
    std::vector<MillStand> stands;
};

// What one pass asks of its stand. Forces in kN, torques of both rolls in
// kN m, powers in kW.
struct PassLoads {
    int pass = 0;  // the schedule's pass number of the section this pass makes
    double entryTemperature_C = 0;
    double exitTemperature_C = 0;
    double elongation = 0;  // area in / area out
    double strain = 0;
    double strainRate_per_s = 0;
    double meanFlowStress_MPa = 0;
    double contactLength_mm = 0;  // of the web
    double biteAngle_deg = 0;     // of the web
    double biteAngleLimit_deg = 0;  // the largest angle the rolls grip (Ekelund's friction)
    bool webDraft = false;          // the web is reduced: the bite is checked
    double webForce_kN = 0;
    double tipForce_kN = 0;   // all four leg tips
    double wallForce_kN = 0;  // all four leg walls
    double force_kN = 0;
    double forceLow_kN = 0;   // the low estimate, Q = 1 on the walls
    double torque_kNm = 0;
    double torqueLow_kNm = 0;
    double webTorque_kNm = 0;
    double legTorque_kNm = 0;
    double neckTorque_kNm = 0;
    double rollPower_kW = 0;
    double motorPower_kW = 0;
    double exitSpeed_m_s = 0;
    double forwardSlip = 0;
    double homogeneousEfficiency = 0;  // ideal work over roll work
    double deformationHeating_K = 0;
    double rollChill_K = 0;
    // To the next pass; none after the finishing pass.
    std::optional<double> interpass_s;
    std::optional<double> interpassDrop_K;  // negative: the bar cools
    // Second opinions: Hensel's master curve and the whole section as one flat pass.
    double henselForce_kN = 0;
    double henselX = 0;  // projected contact area over mean area
    double flatForce_kN = 0;
    double flatTorque_kNm = 0;
    // Each as per cent of the stand's limit; none where no limit is given.
    std::optional<double> forceUse_pct;
    std::optional<double> torqueUse_pct;
    std::optional<double> motorUse_pct;
};

bool operator==(const MillConstants& a, const MillConstants& b);
bool operator==(const MillStand& a, const MillStand& b);
bool operator==(const Mill& a, const Mill& b);
inline bool operator!=(const Mill& a, const Mill& b) { return !(a == b); }

// The schedule's pass number of the stand at rolling index j (0-based) of a
// schedule of passCount passes: Pass passCount for j = 0, Pass 1 last.
inline int passOfStand(int j, int passCount) { return passCount - j; }

}  // namespace rolvanta
