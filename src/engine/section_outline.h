#pragma once

// The outline of one pass's cross-section in the pass view's drawing space:
// 0..1000 on both axes, x to the right, y upwards, one unit per millimetre.
// The web lies horizontal, centred on x = 437; a flange leg stands out above
// and below it at each end. The live flange is drawn below the web at even
// table positions and above it at odd ones, so the outlines of successive
// passes show the beam turned over between stands.

#include "engine/project_records.h"

namespace rolvanta {

struct OutlinePoint {
    float x;
    float y;
};

constexpr int kOutlinePointCount = 15;

// Fifteen points run along the bottom, up the right-hand outer face, back
// along the top and down the left-hand face; the last repeats the first so
// that the polygon is closed explicitly.
struct SectionOutline {
    OutlinePoint points[kOutlinePointCount];
};

// The outline of the pass table record at the given 0-based position (shown
// to the user as pass position + 2). Only the widths, heights, tips and roots
// enter it; any values are accepted and drawn as they come, so zero or
// inconsistent dimensions give a degenerate or self-crossing outline.
SectionOutline computeSectionOutline(int position, const PassRecord& record);

// Whether two edges of the closed outline that do not follow one another
// have a point in common.
bool outlineCrossesItself(const SectionOutline& outline);

// Whether the record draws as a section: every dimension and area above 0
// and finite, the legs of each flange apart at their roots and tips, and an
// outline that does not cross itself.
bool soundOutline(int position, const PassRecord& record);

}  // namespace rolvanta
