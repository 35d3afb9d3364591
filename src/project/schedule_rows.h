#pragma once

// The schedule as a designer reads it pass by pass: Pass 1 (the section at
// rolling temperature), then passes 2 to N as the report numbers them, then
// the bar that enters the mill, each with its dimensions and how much the
// mill stretches it. Rolling runs from the bar in through pass N (the mill's
// first pass) down to Pass 1, so the pass before pass p is pass p + 1, and
// the bar in is the one before pass N.

#include <optional>
#include <vector>

#include "engine/project_records.h"

namespace rolvanta {

struct ScheduleRow {
    // 1 for the hot section, k + 2 for pass table record k: N + 1 for the
    // bar in, the last record computed, which is no pass.
    int pass = 0;
    bool barIn = false;
    // The pass's dimensions. For Pass 1 those of the hot section, with the
    // areas a schedule would give it: web thickness x web width, and each
    // leg flange thickness x leg height.
    PassRecord values{};
    // Cross-sectional area of the pass before divided by this one's, and the
    // area taken off in per cent of the area before. Empty for the bar in,
    // which no pass makes, and where an area is not above 0.
    std::optional<double> elongation;
    std::optional<double> reductionPercent;
    // Cross-sectional area of the bar in divided by this one's: 1 for the bar.
    std::optional<double> totalElongation;
};

// The dimensions of the hot section as a pass (see ScheduleRow::values).
PassRecord hotSectionPass(const BeamSection& section);

// The rows of a computed project, Pass 1 first: passCount rows and the bar
// in last. Empty while nothing is computed.
std::vector<ScheduleRow> scheduleRows(const Project& project);

}  // namespace rolvanta
