#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/coefficient_rules.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

using testing::exampleSection;

constexpr float kUntouched = 9.5f;
constexpr double kFloatRounding = 1e-6;

CoefficientSet markedSet() {
    CoefficientSet set;
    float* entries = set.webElongation;
    for (int i = 0; i < 90; ++i) entries[i] = kUntouched;
    return set;
}

std::vector<float> row(const float (&entries)[kPassTableSize], int from = 0,
                       int to = kPassTableSize) {
    return std::vector<float>(entries + from, entries + to);
}

TEST(ParseCoefficientLists, NamedCases) {
    const struct {
        const char* name;
        const char* text;
        int passCount;
        std::vector<float> expected;  // entries 0 to 14 of the web row
    } cases[] = {
        {"short list repeats its last number", "1.2 1.1 1", 5,
         {1.2f, 1.1f, 1.0f, 1.0f, 1.0f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f}},
        {"runs of spaces are one separator", "   1.3    1.4   ", 2,
         {1.3f, 1.4f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f}},
        {"a comma is part of a number", "1.2,1.1", 2,
         {1.2f, 1.2f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f}},
        {"a word reads as zero", "a 1.3", 2,
         {0.0f, 1.3f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f}},
        {"a tab is not a separator", "1.1\t1.2", 1,
         {1.1f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f}},
        {"an empty list leaves the row", "", 5, std::vector<float>(15, 9.5f)},
        {"blanks only leave the row", "     ", 5, std::vector<float>(15, 9.5f)},
        {"numbers past the fifteenth are ignored",
         "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18", 13,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {"no pass count: only the numbers given", "1.05 1.07", 0,
         {1.05f, 1.07f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f, 9.5f}},
    };
    for (const auto& c : cases) {
        CoefficientSet set = markedSet();
        parseCoefficientLists(set, exampleSection(c.passCount), c.text, "", "");
        EXPECT_EQ(row(set.webElongation), c.expected) << c.name;
        EXPECT_EQ(row(set.liveFlangeElongation), std::vector<float>(15, kUntouched)) << c.name;
        EXPECT_EQ(row(set.widthReduction), std::vector<float>(15, kUntouched)) << c.name;
    }
}

TEST(ParseCoefficientLists, EachListFillsItsOwnRow) {
    CoefficientSet set = markedSet();
    parseCoefficientLists(set, exampleSection(3), "1.1", "1.2", "1.3");
    EXPECT_EQ(row(set.webElongation, 0, 4), (std::vector<float>{1.1f, 1.1f, 1.1f, kUntouched}));
    EXPECT_EQ(row(set.liveFlangeElongation, 0, 4),
              (std::vector<float>{1.2f, 1.2f, 1.2f, kUntouched}));
    EXPECT_EQ(row(set.deadFlangeElongation, 0, 4),
              (std::vector<float>{1.3f, 1.3f, 1.3f, kUntouched}));
    for (const auto* other : {&set.widthReduction, &set.liveHeightStep, &set.deadHeightStep}) {
        EXPECT_EQ(row(*other), std::vector<float>(15, kUntouched));
    }
}

TEST(ApplyCoefficientLimits, FivePassesFromOneToOneAndAHalf) {
    CoefficientSet set = markedSet();
    const BeamSection section = exampleSection(5);
    applyCoefficientLimits(set, section, 1.0f, 1.5f, 1.0f, 1.5f, 1.0f, 1.5f);
    adjustHeightSteps(set, section);

    for (int k = 0; k <= 10; ++k) EXPECT_NEAR(set.webElongation[k], 1.0 + 0.1 * k, 1e-5) << k;
    for (int k = 11; k < 15; ++k) EXPECT_EQ(set.webElongation[k], kUntouched) << k;
    for (const auto* flange : {&set.liveFlangeElongation, &set.deadFlangeElongation}) {
        for (int k = 0; k < 5; ++k) EXPECT_NEAR((*flange)[k], 1.0 + 0.1 * k, 1e-5) << k;
        for (int k = 5; k <= 10; ++k) EXPECT_EQ((*flange)[k], 0.0f) << k;
        for (int k = 11; k < 15; ++k) EXPECT_EQ((*flange)[k], kUntouched) << k;
    }
    EXPECT_EQ(row(set.deadHeightStep, 0, 5),
              (std::vector<float>{-1.5f, -1.5f, -1.5f, -1.5f, kUntouched}));
    EXPECT_EQ(row(set.liveHeightStep, 0, 5),
              (std::vector<float>{8.0f, 8.0f, 8.0f, 0.0f, kUntouched}));
    EXPECT_EQ(row(set.deadHeightStep, 5), std::vector<float>(10, kUntouched));
    EXPECT_EQ(row(set.liveHeightStep, 5), std::vector<float>(10, kUntouched));
}

TEST(ApplyCoefficientLimits, ManyPassesCarryTheWebInterpolationThroughTheLastPass) {
    for (const int n : {12, 13}) {
        CoefficientSet set = markedSet();
        applyCoefficientLimits(set, exampleSection(n), 1.0f, 1.3f, 1.1f, 1.4f, 1.2f, 1.5f);
        for (int k = 0; k < n; ++k) {
            EXPECT_NEAR(set.webElongation[k], 1.0 + 0.3 * k / n, 1e-5) << n << " passes, " << k;
            EXPECT_NEAR(set.liveFlangeElongation[k], 1.1 + 0.3 * k / n, 1e-5) << k;
            EXPECT_NEAR(set.deadFlangeElongation[k], 1.2 + 0.3 * k / n, 1e-5) << k;
        }
        for (int k = n; k < 15; ++k) EXPECT_EQ(set.webElongation[k], kUntouched) << k;
    }
}

TEST(ApplyCoefficientLimits, WithoutPassCountNothingChanges) {
    CoefficientSet set = markedSet();
    const BeamSection section = exampleSection(0);
    applyCoefficientLimits(set, section, 1.0f, 1.5f, 1.0f, 1.5f, 1.0f, 1.5f);
    adjustHeightSteps(set, section);
    EXPECT_EQ(row(set.webElongation), std::vector<float>(15, kUntouched));
    EXPECT_EQ(row(set.deadFlangeElongation), std::vector<float>(15, kUntouched));
    EXPECT_EQ(row(set.liveHeightStep), std::vector<float>(15, kUntouched));
    EXPECT_EQ(row(set.deadHeightStep), std::vector<float>(15, kUntouched));
}

TEST(ApplyCoefficientLimits, LimitsOverwriteWhatTheListsGave) {
    CoefficientSet set = markedSet();
    const BeamSection section = exampleSection(5);
    parseCoefficientLists(set, section, "2 2 2", "3", "4");
    applyCoefficientLimits(set, section, 1.0f, 1.5f, 1.0f, 1.5f, 1.0f, 1.5f);
    EXPECT_NEAR(set.webElongation[1], 1.1, kFloatRounding);
    EXPECT_NEAR(set.liveFlangeElongation[4], 1.4, kFloatRounding);
    EXPECT_EQ(set.deadFlangeElongation[7], 0.0f);
}

TEST(AdjustHeightSteps, WritesNothingOutsideTheRows) {
    for (const int n : {1, 2, 3, 15, 40}) {
        CoefficientSet set = markedSet();
        BeamSection section = exampleSection(n);
        adjustHeightSteps(set, section);
        const int m = std::min(n, 15);
        for (int k = 0; k < 15; ++k) {
            const float dead = k <= m - 2 ? -1.5f : kUntouched;
            const float live = k <= m - 3 ? 8.0f : (k == m - 2 ? 0.0f : kUntouched);
            EXPECT_EQ(set.deadHeightStep[k], dead) << n << " passes, " << k;
            EXPECT_EQ(set.liveHeightStep[k], live) << n << " passes, " << k;
        }
        EXPECT_EQ(row(set.deadFlangeElongation), std::vector<float>(15, kUntouched));
    }
}

}  // namespace
}  // namespace rolvanta
