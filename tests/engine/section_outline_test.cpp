#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "engine/section_outline.h"
#include "support/golden_file.h"

namespace rolvanta {
namespace {

// W 300, t 10, dead flange 60 / tip 8 / root 14, live flange 50 / tip 9 /
// root 15; areas and flange thicknesses hold values that must not enter.
PassRecord workedExample() {
    PassRecord r{};
    r.passWidth = 300;
    r.webThickness = 10;
    r.deadFlangeHeight = 60;
    r.deadFlangeTip = 8;
    r.deadFlangeRoot = 14;
    r.liveFlangeHeight = 50;
    r.liveFlangeTip = 9;
    r.liveFlangeRoot = 15;
    r.webArea = r.deadFlangeArea = r.liveFlangeArea = r.crossSectionArea = 3000;
    r.deadFlangeThickness = r.liveFlangeThickness = 11;
    return r;
}

// Points 1 to 15 as "x,y", exact for a float.
std::string pointsOf(int position, const PassRecord& record) {
    const SectionOutline outline = computeSectionOutline(position, record);
    std::string text;
    for (const OutlinePoint& p : outline.points) {
        char point[40];
        std::snprintf(point, sizeof point, " %.9g,%.9g", p.x, p.y);
        text += point;
    }
    return text.substr(1);
}

// Position 1 with the dead flange below, 0 with the live, odd and even
// alike at 7 and 12; an all-zero record gives the reference point; values a
// float cannot hold, where the last point must still close the loop exactly.
TEST(ComputeSectionOutline, WorkedExampleInBothOrientations) {
    std::string outlines;
    for (const int position : {1, 0, 7, 12}) outlines += pointsOf(position, workedExample()) + "\n";
    outlines += pointsOf(0, PassRecord{}) + "\n";
    int position = 0;
    for (const float value : {0.1f, 1e-7f, 333.333f, -17.25f, 1e30f, 2.5e-3f}) {
        PassRecord record = workedExample();
        record.passWidth = value * 3;
        record.webThickness = value;
        record.deadFlangeHeight = value / 7;
        outlines += pointsOf(position++, record) + "\n";
    }
    testing::expectGolden("section-outlines.txt", outlines);
}

}  // namespace
}  // namespace rolvanta
