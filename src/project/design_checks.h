#pragma once

// The checks every Compute is followed by: passes that cannot be rolled as
// computed. Each warning names the pass and the rule in plain words, such as
// "Pass 13: the dead flange roots overlap across the web (2 × 82.9 mm on a
// 112.1 mm pass width)". Texts are UTF-8.

#include <string>
#include <vector>

#include "engine/project_records.h"

namespace rolvanta {

enum class DesignRule {
    OutlineCrosses,          // the pass outline crosses itself or its flange faces meet
    NotPositive,             // a width, thickness, height or area at or below 0
    ElongationBelowOne,      // the pass before is smaller than this one
    ElongationAboveCeiling,  // the web or a flange stretched more than a pass can take
    // The mill loads (project/load_checks.h).
    ForceLimit,             // the roll force above the stand's limit
    TorqueLimit,            // the roll torque above the stand's limit
    MotorLimit,             // the motor power above the motor's rating
    Bite,                   // the rolls cannot grip the web
    FinishingTemperature,   // the finishing pass far from the rolling temperature
    FlowStressRange,        // the pass outside the flow-stress model's data
    HomogeneousEfficiency,  // the loads too low for the pass's elongation
    MillInput,              // an area that does not decrease, rolls too small, no interpass
};

// Whether the rule is one of the mill loads' checks.
inline bool isLoadRule(DesignRule rule) { return rule >= DesignRule::ForceLimit; }

struct DesignWarning {
    // As the user numbers it: 1 for the hot section; passCount + 1, which no
    // pass has, for the bar in.
    int pass = 0;
    DesignRule rule = DesignRule::NotPositive;
    std::string text;  // "Pass 13: ...", "Bar in: ..."
};

// What the warnings of the bar that enters the mill begin with.
inline constexpr const char* kBarInPrefix = "Bar in: ";  // kBarInName, then ": "

// The text without what it begins with ("Pass 13: ", "Bar in: ", "Mill: "),
// which a row or a caption already says.
std::string warningBody(const DesignWarning& warning);

// The most a pass may stretch the web or a flange: the cross-sectional area
// before the pass over the area after it.
struct ElongationCeiling {
    const char* part;  // "web", "live flange", "dead flange"
    double ceiling;
};

// Beam passes are commonly kept to elongations of about 1.1 to 1.6 for the
// web and the flanges alike: stretched further in one pass, a flange is no
// longer filled by the metal the web pushes into it and the web buckles or
// tears. 1.6 is the upper end of that practice.
inline constexpr ElongationCeiling kElongationCeilings[] = {
    {"web", 1.6},
    {"live flange", 1.6},
    {"dead flange", 1.6},
};

// The warnings of a computed project, pass by pass from Pass 1 on and the
// bar in last; none while nothing is computed.
std::vector<DesignWarning> checkDesign(const Project& project);

// The status bar's note of the warnings and where to look: "1 warning: see
// the Schedule Table", "3 warnings: see the Schedule Table and Mill Loads",
// "2 warnings: see Mill Loads"; empty for none.
std::string warningsNote(const std::vector<DesignWarning>& warnings);

// Where those warnings are listed in full: "the Schedule Table", "Mill
// Loads" or "the Schedule Table and Mill Loads".
const char* warningsPlace(const std::vector<DesignWarning>& warnings);

}  // namespace rolvanta
