#pragma once

#include "engine/project_records.h"

namespace rolvanta {

// Turns the finished section into the section required at rolling
// temperature, in place: the web width grows by the thermal expansion from
// the finished web width (so repeated calls give the same result), and the
// leg heights, the slope angle in radians and the root and tip thickness of
// a leg are derived. Writes webWidth, reserved (the finished web width),
// liveFlangeHeight, deadFlangeHeight, slopeAngle, rootThickness and
// tipThickness; no other field.
void computeHotDimensions(BeamSection& section);

}  // namespace rolvanta
