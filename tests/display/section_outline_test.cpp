#include <gtest/gtest.h>

#include <vector>

#include "display/section_outline.h"

namespace rolvanta {
namespace {

// W 300, t 10, dead flange 60 / tip 8 / root 14, live flange 50 / tip 9 / root 15.
PassRecord workedExample() {
    PassRecord record{};
    record.passWidth = 300;
    record.webThickness = 10;
    record.deadFlangeHeight = 60;
    record.deadFlangeTip = 8;
    record.deadFlangeRoot = 14;
    record.liveFlangeHeight = 50;
    record.liveFlangeTip = 9;
    record.liveFlangeRoot = 15;
    // Values that must not enter the outline.
    record.webArea = 3000;
    record.deadFlangeThickness = 11;
    record.deadFlangeArea = 660;
    record.liveFlangeThickness = 12;
    record.liveFlangeArea = 600;
    record.crossSectionArea = 5520;
    return record;
}

struct OutlineCase {
    const char* name;
    int position;
    std::vector<OutlinePoint> expected;
};

TEST(ComputeSectionOutline, WorkedExampleInBothOrientations) {
    const OutlineCase cases[] = {
        {"dead flange below (odd position)",
         1,
         {{287, 285},
          {295, 285},
          {301, 345},
          {573, 345},
          {579, 285},
          {587, 285},
          {587, 345},
          {587, 355},
          {587, 405},
          {578, 405},
          {572, 355},
          {302, 355},
          {296, 405},
          {287, 405},
          {287, 285}}},
        {"live flange below (even position)",
         0,
         {{287, 285},
          {296, 285},
          {302, 335},
          {572, 335},
          {578, 285},
          {587, 285},
          {587, 335},
          {587, 345},
          {587, 405},
          {579, 405},
          {573, 345},
          {301, 345},
          {295, 405},
          {287, 405},
          {287, 285}}},
    };
    for (const OutlineCase& c : cases) {
        const SectionOutline outline = computeSectionOutline(c.position, workedExample());
        for (int i = 0; i < kOutlinePointCount; ++i) {
            // The worked example is exact in single precision.
            EXPECT_EQ(outline.points[i].x, c.expected[i].x) << c.name << ", point " << i + 1;
            EXPECT_EQ(outline.points[i].y, c.expected[i].y) << c.name << ", point " << i + 1;
        }
    }
}

TEST(ComputeSectionOutline, OrientationFollowsTheParityOfThePosition) {
    const SectionOutline even = computeSectionOutline(0, workedExample());
    const SectionOutline odd = computeSectionOutline(1, workedExample());
    for (int position = 2; position < kPassTableSize; ++position) {
        const SectionOutline& expected = position % 2 ? odd : even;
        const SectionOutline outline = computeSectionOutline(position, workedExample());
        for (int i = 0; i < kOutlinePointCount; ++i) {
            EXPECT_EQ(outline.points[i].x, expected.points[i].x) << position << ", " << i + 1;
            EXPECT_EQ(outline.points[i].y, expected.points[i].y) << position << ", " << i + 1;
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
    struct Case {
        const char* name;
        float deadHeight;
        float liveHeight;
        float webCentreEven;  // the odd positions centre the web on 350
    };
    const Case cases[] = {
        {"live legs shorter", 60, 50, 340},
        {"live legs taller", 41.5f, 49.25f, 357.75f},
        {"equal legs", 45, 45, 350},
    };
    for (const Case& c : cases) {
        PassRecord record = workedExample();
        record.deadFlangeHeight = c.deadHeight;
        record.liveFlangeHeight = c.liveHeight;
        const SectionOutline even = computeSectionOutline(0, record);
        const SectionOutline odd = computeSectionOutline(1, record);
        EXPECT_EQ(even.points[0].y, odd.points[0].y) << c.name << ": bottom edge";
        EXPECT_EQ(even.points[8].y, odd.points[8].y) << c.name << ": top edge";
        EXPECT_EQ(even.points[0].x, odd.points[0].x) << c.name << ": left face";
        EXPECT_EQ(even.points[5].x, odd.points[5].x) << c.name << ": right face";
        const float half = record.webThickness / 2;
        EXPECT_FLOAT_EQ(odd.points[6].y, 350 - half) << c.name << ": odd web";
        EXPECT_FLOAT_EQ(even.points[6].y, c.webCentreEven - half) << c.name << ": even web";
    }
}

TEST(ComputeSectionOutline, LastPointClosesTheLoopExactly) {
    const float awkward[] = {0.1f, 1e-7f, 333.333f, -17.25f, 1e30f, 2.5e-3f};
    int position = 0;
    for (float value : awkward) {
        PassRecord record = workedExample();
        record.passWidth = value * 3;
        record.webThickness = value;
        record.deadFlangeHeight = value / 7;
        record.liveFlangeTip = value;
        const SectionOutline outline = computeSectionOutline(position++, record);
        EXPECT_EQ(outline.points[14].x, outline.points[0].x) << value;
        EXPECT_EQ(outline.points[14].y, outline.points[0].y) << value;
    }
}

TEST(ComputeSectionOutline, IgnoresAreasAndFlangeThicknesses) {
    PassRecord other = workedExample();
    other.webArea = 1;
    other.deadFlangeThickness = 99;
    other.deadFlangeArea = -4;
    other.liveFlangeThickness = 0;
    other.liveFlangeArea = 1e6f;
    other.crossSectionArea = 7;
    for (int position : {0, 1}) {
        const SectionOutline a = computeSectionOutline(position, workedExample());
        const SectionOutline b = computeSectionOutline(position, other);
        for (int i = 0; i < kOutlinePointCount; ++i) {
            EXPECT_EQ(a.points[i].x, b.points[i].x) << position << ", point " << i + 1;
            EXPECT_EQ(a.points[i].y, b.points[i].y) << position << ", point " << i + 1;
        }
    }
}

}  // namespace
}  // namespace rolvanta
