#include "engine/section_outline.h"

#include <algorithm>
#include <cmath>

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

namespace {
// Whether segments ab and cd have a point in common.
bool segmentsMeet(OutlinePoint a, OutlinePoint b, OutlinePoint c, OutlinePoint d) {
    const auto side = [](OutlinePoint p, OutlinePoint q, OutlinePoint r) {
        const double cross =
            (double{q.x} - p.x) * (double{r.y} - p.y) - (double{q.y} - p.y) * (double{r.x} - p.x);
        return (cross > 0) - (cross < 0);
    };
    const auto within = [](OutlinePoint p, OutlinePoint q, OutlinePoint r) {
        return std::min(p.x, q.x) <= r.x && r.x <= std::max(p.x, q.x) &&
               std::min(p.y, q.y) <= r.y && r.y <= std::max(p.y, q.y);
    };
    const int d1 = side(c, d, a), d2 = side(c, d, b), d3 = side(a, b, c), d4 = side(a, b, d);
    if (d1 * d2 < 0 && d3 * d4 < 0) return true;
    return (d1 == 0 && within(c, d, a)) || (d2 == 0 && within(c, d, b)) ||
           (d3 == 0 && within(a, b, c)) || (d4 == 0 && within(a, b, d));
}
}  // namespace

bool outlineCrossesItself(const SectionOutline& outline) {
    constexpr int edges = kOutlinePointCount - 1;
    const OutlinePoint* p = outline.points;
    for (int i = 0; i < edges; ++i) {
        for (int j = i + 2; j < edges; ++j) {
            if (i == 0 && j == edges - 1) continue;  // they share the first point
            if (segmentsMeet(p[i], p[i + 1], p[j], p[j + 1])) return true;
        }
    }
    return false;
}

bool soundOutline(int position, const PassRecord& record) {
    const float values[] = {
        record.passWidth,           record.webThickness,        record.webArea,
        record.deadFlangeHeight,    record.deadFlangeThickness, record.deadFlangeRoot,
        record.deadFlangeTip,       record.deadFlangeArea,      record.liveFlangeHeight,
        record.liveFlangeThickness, record.liveFlangeRoot,      record.liveFlangeTip,
        record.liveFlangeArea,      record.crossSectionArea,
    };
    for (const float value : values) {
        if (!(value > 0.0f) || !std::isfinite(value)) return false;
    }
    // The two legs of a flange stand on the same side of the web: their
    // roots, and their tips, stay apart.
    const float width = record.passWidth;
    if (2 * record.deadFlangeRoot >= width || 2 * record.deadFlangeTip >= width) return false;
    if (2 * record.liveFlangeRoot >= width || 2 * record.liveFlangeTip >= width) return false;
    return !outlineCrossesItself(computeSectionOutline(position, record));
}

}  // namespace rolvanta
