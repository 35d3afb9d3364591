#include "project/load_checks.h"

#include <algorithm>
#include <cmath>

#include "engine/fixed_number.h"
#include "engine/mill_loads.h"

namespace rolvanta {

namespace {

// The hot dimensions are those of BeamSection.temperature: a finishing pass
// further than this from it rolls the section to other dimensions.
constexpr double kFinishingTemperatureTolerance_K = 50;
// No pass needs less than the ideal work of its elongation: an efficiency
// above 1 means loads too low to be possible (plausible 0.5 to 0.9).
constexpr double kEfficiencyCeiling = 1;

// A value as given (a limit, a bound): its shortest decimals.
std::string given(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    if (result.ec != std::errc()) return "?";
    return {text, result.ptr};
}

// About three significant digits, for values that span decades.
std::string threeDigits(double value) {
    const double size = std::fabs(value);
    return fixedNumber(value, size < 1 ? 3 : size < 10 ? 2 : size < 100 ? 1 : 0);
}

std::string passPrefix(int pass) { return "Pass " + std::to_string(pass) + ": "; }

struct Checker {
    const Project& project;
    const Mill& mill;
    const FlowStressData data;
    std::vector<DesignWarning> warnings;

    void warn(int pass, DesignRule rule, const std::string& text) {
        warnings.push_back({pass, rule, passPrefix(pass) + text});
    }

    void inputs(const PassLoads& l, const MillStand& stand, const PassSection& leaving, bool last) {
        if (!(l.elongation > 1)) {
            warn(l.pass, DesignRule::MillInput,
                 "the pass does not reduce the area (elongation " + fixedNumber(l.elongation, 3) +
                     ", not above 1)");
        }
        const double radius = stand.diameter_mm / 2;
        const double leg = std::max(leaving.live.height, leaving.dead.height);
        if (!(radius > leg)) {
            warn(l.pass, DesignRule::MillInput,
                 "the roll radius " + given(radius) + " mm is not above the " +
                     fixedNumber(leg, 1) + " mm leg height of the section it makes");
        }
        if (!last && !stand.interpass_s && !stand.distance_m) {
            warn(l.pass, DesignRule::MillInput,
                 "no interpass time or distance to the next pass (the bar is taken to reach "
                 "it as it left)");
        }
    }

    void limit(int pass, DesignRule rule, const char* what, double value, int decimals,
               const char* unit, const char* whose, const std::optional<double>& max,
               const std::optional<double>& use) {
        if (!max || !(value > *max)) return;
        warn(pass, rule,
             std::string(what) + " " + fixedNumber(value, decimals) + " " + unit + " above " +
                 whose + " " + given(*max) + " " + unit + " (" + fixedNumber(use.value_or(0), 0) +
                 " %)");
    }

    void limits(const PassLoads& l, const MillStand& s) {
        limit(l.pass, DesignRule::ForceLimit, "roll force", l.force_kN, 0, "kN", "the stand's",
              s.maxForce_kN, l.forceUse_pct);
        limit(l.pass, DesignRule::TorqueLimit, "roll torque", l.torque_kNm, 1, "kN\u00b7m",
              "the stand's", s.maxTorque_kNm, l.torqueUse_pct);
        limit(l.pass, DesignRule::MotorLimit, "motor power", l.motorPower_kW, 0, "kW",
              "the motor's", s.motor_kW, l.motorUse_pct);
    }

    // The rolls grip the web while tan(alpha) stays within Ekelund's friction.
    void bite(const PassLoads& l) {
        if (!l.webDraft || !(l.biteAngle_deg > l.biteAngleLimit_deg)) return;
        warn(l.pass, DesignRule::Bite,
             "the rolls cannot grip the web (bite angle " + fixedNumber(l.biteAngle_deg, 1) +
                 "\u00b0 above the " + fixedNumber(l.biteAngleLimit_deg, 1) +
                 "\u00b0 friction allows)");
    }

    void outside(int pass, const std::string& value, const std::string& range) {
        warn(pass, DesignRule::FlowStressRange,
             value + " is outside the " + data.name + " data (" + range + ")");
    }

    void flowStressRange(const PassLoads& l) {
        const double T = l.entryTemperature_C;
        if (T < data.minTemperature_C || T > data.maxTemperature_C) {
            outside(
                l.pass, fixedNumber(T, 0) + " \u00b0C",
                given(data.minTemperature_C) + " to " + given(data.maxTemperature_C) + " \u00b0C");
        }
        const bool below = data.minStrain && l.strain < *data.minStrain;
        if (below || l.strain > data.maxStrain) {
            outside(l.pass, "strain " + threeDigits(l.strain),
                    data.minStrain ? given(*data.minStrain) + " to " + given(data.maxStrain)
                                   : "up to " + given(data.maxStrain));
        }
        const double rate = l.strainRate_per_s;
        if (rate < data.minStrainRate_per_s || rate > data.maxStrainRate_per_s) {
            outside(
                l.pass, "strain rate " + threeDigits(rate) + "/s",
                given(data.minStrainRate_per_s) + " to " + given(data.maxStrainRate_per_s) + "/s");
        }
    }

    void efficiency(const PassLoads& l) {
        if (!(l.homogeneousEfficiency > kEfficiencyCeiling)) return;
        warn(l.pass, DesignRule::HomogeneousEfficiency,
             "the mill loads are too low to be possible (efficiency " +
                 fixedNumber(l.homogeneousEfficiency, 2) + " above 1)");
    }

    void finishing(const PassLoads& l) {
        const double assumed = project.section.temperature;
        const double off = l.exitTemperature_C - assumed;
        if (!(std::fabs(off) > kFinishingTemperatureTolerance_K)) return;
        warn(l.pass, DesignRule::FinishingTemperature,
             "finishing temperature " + fixedNumber(l.exitTemperature_C, 0) + " \u00b0C, " +
                 fixedNumber(std::fabs(off), 0) + " K from the " + given(assumed) +
                 " \u00b0C the hot dimensions assume");
    }

    // Shida's carbon range, once for the mill.
    void carbon() {
        const double C = mill.steel.carbon_pct;
        if (!data.minCarbon_pct || !data.maxCarbon_pct) return;
        if (C >= *data.minCarbon_pct && C <= *data.maxCarbon_pct) return;
        warnings.push_back({0, DesignRule::FlowStressRange,
                            "Mill: carbon " + given(C) + " % is outside the " + data.name +
                                " data (" + given(*data.minCarbon_pct) + " to " +
                                given(*data.maxCarbon_pct) + " %)"});
    }
};

}  // namespace

std::vector<DesignWarning> checkLoads(const Project& project) {
    if (!project.flags.computed || !project.mill || project.loads.empty()) return {};
    const Mill& mill = *project.mill;
    const std::vector<PassSection> sections = rollingSections(project.section, project.passes);
    const std::size_t n = project.loads.size();
    if (mill.stands.size() != n || sections.size() != n + 1) return {};

    Checker check{project, mill, flowStressData(mill.steel), {}};
    check.carbon();
    for (std::size_t j = 0; j < n; ++j) {
        const PassLoads& l = project.loads[j];
        const MillStand& stand = mill.stands[j];
        check.inputs(l, stand, sections[j + 1], j + 1 == n);
        check.limits(l, stand);
        check.bite(l);
        check.flowStressRange(l);
        check.efficiency(l);
        if (j + 1 == n) check.finishing(l);
    }
    return check.warnings;
}

std::vector<DesignWarning> checkProject(const Project& project) {
    std::vector<DesignWarning> warnings = checkDesign(project);
    std::vector<DesignWarning> loads = checkLoads(project);
    warnings.insert(warnings.end(), loads.begin(), loads.end());
    return warnings;
}

}  // namespace rolvanta
