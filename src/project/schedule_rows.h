#pragma once

// The schedule as a designer reads it pass by pass: Pass 1 (the section at
// rolling temperature), then passes 2 to N as the report numbers them, each
// with its dimensions and how much the mill stretches it. Rolling runs from
// pass N (the mill's first pass) down to Pass 1, so the pass before pass p
// is pass p + 1.

#include <optional>
#include <vector>

#include "engine/project_records.h"

namespace rolvanta {

struct ScheduleRow {
    int pass = 0;  // 1 for the hot section, k + 2 for pass table record k
    // The pass's dimensions. For Pass 1 those of the hot section, with the
    // areas a schedule would give it: web thickness x web width, and each
    // leg flange thickness x leg height.
    PassRecord values{};
    // Cross-sectional area of the pass before divided by this one's, and the
    // area taken off in per cent of the area before. Empty for pass N, which
    // has no pass before it, and where an area is not above 0.
    std::optional<double> elongation;
    std::optional<double> reductionPercent;
    // Cross-sectional area of pass N divided by this one's: 1 for pass N.
    std::optional<double> totalElongation;
};

// The dimensions of the hot section as a pass (see ScheduleRow::values).
PassRecord hotSectionPass(const BeamSection& section);

// The rows of a computed project, Pass 1 first: passCount rows. Empty while
// nothing is computed.
std::vector<ScheduleRow> scheduleRows(const Project& project);

}  // namespace rolvanta
