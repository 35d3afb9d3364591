#pragma once

// The pass schedule: from the section at rolling temperature back through the
// mill, one pass at a time. Record k of the pass table is the section one pass
// further back than record k - 1; record 0 is the pass next to the finished
// section. Only records 0 to passCount - 1 and widthReduction entries 0 to
// passCount - 1 are written; a pass count of 0 writes nothing. A quotient
// whose divisor is zero is stored as 0.

#include "engine/project_records.h"

namespace rolvanta {

// First stage: areas, widths, heights, thicknesses and cross-sectional areas,
// and the widthReduction row. workingRecord ends holding the last record with
// its two flange heights exchanged.
void computePassSchedule(PassRecord& workingRecord, const BeamSection& section,
                         CoefficientSet& coefficients, PassTable& passes);

// Second stage: the root and tip thickness of both flanges, carried from pass
// to pass in proportion to the flange thickness.
void computeRootTipThickness(const BeamSection& section, PassTable& passes);

// Compute as the program runs it: the hot section, then both stages.
// The flags are the caller's.
void computeDesign(Project& project);

}  // namespace rolvanta
