#include <gtest/gtest.h>

#include "display/section_outline.h"

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

// clang-format off
constexpr OutlinePoint kDeadBelow[kOutlinePointCount] = {
    {287, 285}, {295, 285}, {301, 345}, {573, 345}, {579, 285}, {587, 285}, {587, 345},
    {587, 355}, {587, 405}, {578, 405}, {572, 355}, {302, 355}, {296, 405}, {287, 405},
    {287, 285}};
constexpr OutlinePoint kLiveBelow[kOutlinePointCount] = {
    {287, 285}, {296, 285}, {302, 335}, {572, 335}, {578, 285}, {587, 285}, {587, 335},
    {587, 345}, {587, 405}, {579, 405}, {573, 345}, {301, 345}, {295, 405}, {287, 405},
    {287, 285}};
// clang-format on

TEST(ComputeSectionOutline, WorkedExampleInBothOrientations) {
    const struct {
        const char* name;
        int position;
        const OutlinePoint* expected;
    } cases[] = {
        {"position 1: dead flange below", 1, kDeadBelow},
        {"position 0: live flange below", 0, kLiveBelow},
        {"position 7 is odd", 7, kDeadBelow},
        {"position 12 is even", 12, kLiveBelow},
    };
    for (const auto& c : cases) {
        const SectionOutline outline = computeSectionOutline(c.position, workedExample());
        for (int i = 0; i < kOutlinePointCount; ++i) {
            // The worked example is exact in single precision.
            EXPECT_EQ(outline.points[i].x, c.expected[i].x) << c.name << ", point " << i + 1;
            EXPECT_EQ(outline.points[i].y, c.expected[i].y) << c.name << ", point " << i + 1;
        }
    }
}

TEST(ComputeSectionOutline, AllZeroRecordCollapsesOntoTheReferencePoint) {
    const SectionOutline outline = computeSectionOutline(0, PassRecord{});
    for (int i = 0; i < kOutlinePointCount; ++i) {
        EXPECT_EQ(outline.points[i].x, 437.0f) << "point " << i + 1;
        EXPECT_EQ(outline.points[i].y, 350.0f) << "point " << i + 1;
    }
}

TEST(ComputeSectionOutline, BothOrientationsShareExtentsAndDifferInTheWebHeight) {
    const struct {
        const char* name;
        float deadHeight;
        float liveHeight;
        float webCentreEven;  // odd positions centre the web on 350
    } cases[] = {
        {"live legs shorter", 60, 50, 340},
        {"live legs taller", 41.5f, 49.25f, 357.75f},
        {"equal legs", 45, 45, 350},
    };
    for (const auto& c : cases) {
        PassRecord record = workedExample();
        record.deadFlangeHeight = c.deadHeight;
        record.liveFlangeHeight = c.liveHeight;
        const SectionOutline even = computeSectionOutline(0, record);
        const SectionOutline odd = computeSectionOutline(1, record);
        EXPECT_EQ(even.points[0].y, odd.points[0].y) << c.name << ": bottom edge";
        EXPECT_EQ(even.points[8].y, odd.points[8].y) << c.name << ": top edge";
        EXPECT_EQ(even.points[0].x, odd.points[0].x) << c.name << ": left face";
        EXPECT_EQ(even.points[5].x, odd.points[5].x) << c.name << ": right face";
        EXPECT_FLOAT_EQ(odd.points[6].y, 350 - 5) << c.name << ": odd web";
        EXPECT_FLOAT_EQ(even.points[6].y, c.webCentreEven - 5) << c.name << ": even web";
    }
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
