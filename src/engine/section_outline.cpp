#include "engine/section_outline.h"

namespace rolvanta {

namespace {
// Where the section sits in the drawing space: its horizontal centre (the
// left margin of 397 plus 40) and the reference height of the web.
constexpr double kLeftMargin = 397.0;
constexpr double kCentreOffset = 40.0;
constexpr double kReferenceHeight = 350.0;

struct Leg {
    double height;
    double tip;
    double root;
};
}  // namespace

SectionOutline computeSectionOutline(int position, const PassRecord& record) {
    const double width = record.passWidth;
    const double web = record.webThickness;
    const Leg dead{record.deadFlangeHeight, record.deadFlangeTip, record.deadFlangeRoot};
    const Leg live{record.liveFlangeHeight, record.liveFlangeTip, record.liveFlangeRoot};

    // The section is turned over between passes: the live flange is below the
    // web at even positions, the dead flange at odd ones.
    const bool deadBelow = position % 2 != 0;
    const Leg& lower = deadBelow ? dead : live;
    const Leg& upper = deadBelow ? live : dead;

    const double xL = kLeftMargin - width * 0.5 + kCentreOffset;
    const double xR = kLeftMargin + kCentreOffset + width * 0.5;
    // The bottom edge does not depend on the orientation, so both faces of a
    // pass span the same height from 350 - hd - t/2 to 350 + hl + t/2.
    const double yB = kReferenceHeight - dead.height - web * 0.5;
    const double yW1 = yB + lower.height;
    const double yW2 = yW1 + web;
    const double yT = yW2 + upper.height;

    const auto point = [](double x, double y) {
        return OutlinePoint{static_cast<float>(x), static_cast<float>(y)};
    };
    SectionOutline outline{{
        point(xL, yB),
        point(xL + lower.tip, yB),
        point(xL + lower.root, yW1),
        point(xR - lower.root, yW1),
        point(xR - lower.tip, yB),
        point(xR, yB),
        point(xR, yW1),
        point(xR, yW2),
        point(xR, yT),
        point(xR - upper.tip, yT),
        point(xR - upper.root, yW2),
        point(xL + upper.root, yW2),
        point(xL + upper.tip, yT),
        point(xL, yT),
        point(xL, yB),
    }};
    return outline;
}

}  // namespace rolvanta
