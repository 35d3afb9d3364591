#include "engine/hot_section.h"

#include <cmath>

#include "engine/stored_value.h"

namespace rolvanta {

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kExpansionPerDegree = 0.000012;  // linear expansion of steel, per °C
}  // namespace

void computeHotDimensions(BeamSection& section) {
    // Only the web width is expanded; the thicknesses and the flange height
    // are rolled to their finished values.
    const float finished = finishedWebWidth(section);
    section.coldWebWidth = finished;
    section.webWidth =
        storedValue((kExpansionPerDegree * section.temperature + 1.0) * finished);

    // Both legs of a flange stand out the same distance from the web.
    section.liveFlangeHeight =
        storedValue((double{section.flangeHeight} - section.webThickness) * 0.5);
    section.deadFlangeHeight = section.liveFlangeHeight;

    section.slopeAngle = storedValue(double{section.flangeSlope} - 90.0);
    section.slopeAngle = storedValue(section.slopeAngle * kPi * (1.0 / 180.0));

    // The flange thickness is measured halfway along the leg: the taper adds
    // to it towards the root and takes from it towards the tip. Without a
    // taper (t = 0) root and tip are as thick as the flange.
    const double t = std::tan(double{section.slopeAngle});
    if (t == 0.0) {
        section.rootThickness = section.flangeThickness;
        section.tipThickness = section.flangeThickness;
        return;
    }
    const float k = storedValue(section.flangeThickness / t + 0.5 * section.deadFlangeHeight);
    section.rootThickness = storedValue(t * k);
    section.tipThickness = storedValue(std::fabs(double{k} - section.liveFlangeHeight) * t);
}

}  // namespace rolvanta
