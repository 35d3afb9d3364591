#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "engine/section_outline.h"

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

TEST(ComputeSectionOutline, WorkedExampleInBothOrientations) {
    const std::string deadBelow =
        "287,285 295,285 301,345 573,345 579,285 587,285 587,345 587,355 587,405 578,405 "
        "572,355 302,355 296,405 287,405 287,285";
    const std::string liveBelow =
        "287,285 296,285 302,335 572,335 578,285 587,285 587,335 587,345 587,405 579,405 "
        "573,345 301,345 295,405 287,405 287,285";
    const struct {
        const char* name;
        int position;
        PassRecord record;
        std::string expected;
    } cases[] = {
        {"position 1: dead flange below", 1, workedExample(), deadBelow},
        {"position 0: live flange below", 0, workedExample(), liveBelow},
        {"position 7 is odd", 7, workedExample(), deadBelow},
        {"position 12 is even", 12, workedExample(), liveBelow},
        {"all-zero record: the reference point", 0, PassRecord{},
         "437,350 437,350 437,350 437,350 437,350 437,350 437,350 437,350 437,350 437,350 "
         "437,350 437,350 437,350 437,350 437,350"},
    };
    for (const auto& c : cases) EXPECT_EQ(pointsOf(c.position, c.record), c.expected) << c.name;
}

TEST(ComputeSectionOutline, LastPointClosesTheLoopExactly) {
    int position = 0;
    for (float value : {0.1f, 1e-7f, 333.333f, -17.25f, 1e30f, 2.5e-3f}) {
        PassRecord record = workedExample();
        record.passWidth = value * 3;
        record.webThickness = value;
        record.deadFlangeHeight = value / 7;
        const SectionOutline outline = computeSectionOutline(position++, record);
        EXPECT_EQ(outline.points[14].x, outline.points[0].x) << value;
        EXPECT_EQ(outline.points[14].y, outline.points[0].y) << value;
    }
}

}  // namespace
}  // namespace rolvanta
