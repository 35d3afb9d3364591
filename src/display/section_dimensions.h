#pragma once

// Dimension lines of one pass's outline, in the outline's drawing space
// (millimetres, y upwards), for the pass view and for drawings exported from
// it: the pass width below the outline, and beside its left face a chain of
// the lower legs' height, the web thickness and the upper legs' height (the
// live and the dead flange change sides from pass to pass with the outline).

#include "display/section_outline.h"
#include "engine/project_records.h"

namespace rolvanta {

enum class SectionDimension { PassWidth, LowerFlangeHeight, WebThickness, UpperFlangeHeight };

struct DimensionLine {
    SectionDimension what;
    // Which flange a flange height measures.
    bool liveFlange;
    // The record's value the line measures, in millimetres.
    double value;
    // The dimension line, with an arrow at each end.
    OutlinePoint from;
    OutlinePoint to;
    // Extension lines from the measured feature to just past the line.
    OutlinePoint extensionFrom[2];
    OutlinePoint extensionTo[2];
};

constexpr int kDimensionLineCount = 4;

struct SectionDimensions {
    DimensionLine lines[kDimensionLineCount];  // in SectionDimension's order
};

// The dimension lines of the record at a pass table position, as its outline
// is drawn (computeSectionOutline): `offset` is how far the lines stand off
// the outline and `overshoot` how far the extension lines run past them,
// both in millimetres.
SectionDimensions sectionDimensions(int position, const PassRecord& record, double offset,
                                    double overshoot);

// The text written at a dimension line: what it measures and its value in
// millimetres with two decimals, such as "WIDTH 300.00" or "LIVE 50.00"; at
// most 63 characters and a terminating zero into text.
void dimensionText(const DimensionLine& line, char (&text)[64]);

}  // namespace rolvanta
