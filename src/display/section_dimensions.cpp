#include "display/section_dimensions.h"

#include <charconv>
#include <cstring>

#include "display/view_transform.h"

namespace rolvanta {

namespace {
OutlinePoint at(double x, double y) { return {toDrawingFloat(x), toDrawingFloat(y)}; }
}  // namespace

SectionDimensions sectionDimensions(int position, const PassRecord& record, double offset,
                                    double overshoot) {
    // The same corners as the outline: its left face at xL, its bottom at
    // yB, the faces of the web at yW1 and yW2, its top at yT.
    const SectionOutline outline = computeSectionOutline(position, record);
    const OutlinePoint* p = outline.points;
    const double xL = p[0].x;
    const double xR = p[5].x;
    const double yB = p[0].y;
    const double yW1 = p[6].y;
    const double yW2 = p[7].y;
    const double yT = p[8].y;
    const bool liveBelow = position % 2 == 0;

    SectionDimensions dimensions{};
    DimensionLine& width = dimensions.lines[0];
    const double below = yB - offset;
    width = {SectionDimension::PassWidth,
             false,
             record.passWidth,
             at(xL, below),
             at(xR, below),
             {at(xL, yB), at(xR, yB)},
             {at(xL, below - overshoot), at(xR, below - overshoot)}};

    const double left = xL - offset;
    const auto vertical = [&](SectionDimension what, bool live, double value, double from,
                              double to) {
        return DimensionLine{what,
                             live,
                             value,
                             at(left, from),
                             at(left, to),
                             {at(xL, from), at(xL, to)},
                             {at(left - overshoot, from), at(left - overshoot, to)}};
    };
    const float lowerHeight = liveBelow ? record.liveFlangeHeight : record.deadFlangeHeight;
    const float upperHeight = liveBelow ? record.deadFlangeHeight : record.liveFlangeHeight;
    dimensions.lines[1] =
        vertical(SectionDimension::LowerFlangeHeight, liveBelow, lowerHeight, yB, yW1);
    dimensions.lines[2] =
        vertical(SectionDimension::WebThickness, false, record.webThickness, yW1, yW2);
    dimensions.lines[3] =
        vertical(SectionDimension::UpperFlangeHeight, !liveBelow, upperHeight, yW2, yT);
    return dimensions;
}

void dimensionText(const DimensionLine& line, char (&text)[64]) {
    const char* name = "WEB ";
    switch (line.what) {
        case SectionDimension::PassWidth:
            name = "WIDTH ";
            break;
        case SectionDimension::LowerFlangeHeight:
        case SectionDimension::UpperFlangeHeight:
            name = line.liveFlange ? "LIVE " : "DEAD ";
            break;
        case SectionDimension::WebThickness:
            break;
    }
    const std::size_t length = std::strlen(name);
    std::memcpy(text, name, length);
    // A float's value has at most 39 integer digits: it always fits. The
    // C locale's point, whatever the user's locale.
    const auto result = std::to_chars(text + length, text + sizeof text - 1, line.value,
                                      std::chars_format::fixed, 2);
    *(result.ec == std::errc() ? result.ptr : text + length) = '\0';
}

}  // namespace rolvanta
