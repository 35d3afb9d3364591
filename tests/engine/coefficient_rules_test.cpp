#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/coefficient_rules.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

using testing::exampleSection;

constexpr float kUntouched = 9.5f;

CoefficientSet markedSet() {
    CoefficientSet set;
    float* entries = set.webElongation;
    for (int i = 0; i < 90; ++i) entries[i] = kUntouched;
    return set;
}

// The row holds `written` in its first entries and is untouched after them.
void expectRow(const float (&row)[kPassTableSize], const std::vector<float>& written,
               const std::string& what) {
    for (int k = 0; k < kPassTableSize; ++k) {
        const float expected = k < int(written.size()) ? written[k] : kUntouched;
        EXPECT_NEAR(row[k], expected, 1e-5) << what << ", entry " << k;
    }
}

TEST(ParseCoefficientLists, NamedCases) {
    const struct {
        const char* name;
        const char* text;
        int passCount;
        std::vector<float> written;
    } cases[] = {
        {"short list repeats its last number", "1.2 1.1 1", 5, {1.2f, 1.1f, 1, 1, 1}},
        {"runs of spaces are one separator", "   1.3    1.4   ", 2, {1.3f, 1.4f}},
        {"a comma is part of a number", "1.2,1.1", 2, {1.2f, 1.2f}},
        {"a word reads as zero", "a 1.3", 2, {0, 1.3f}},
        {"a tab is not a separator", "1.1\t1.2", 1, {1.1f}},
        {"an empty list leaves the row", "", 5, {}},
        {"blanks only leave the row", "     ", 5, {}},
        {"numbers past the fifteenth are ignored",
         "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17",
         13,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {"no pass count: only the numbers given", "1.05 1.07", 0, {1.05f, 1.07f}},
    };
    for (const auto& c : cases) {
        CoefficientSet set = markedSet();
        parseCoefficientLists(set, exampleSection(c.passCount), c.text, "", "");
        expectRow(set.webElongation, c.written, c.name);
        expectRow(set.liveFlangeElongation, {}, c.name);
    }

    CoefficientSet set = markedSet();
    parseCoefficientLists(set, exampleSection(3), "1.1", "1.2", "1.3");
    expectRow(set.webElongation, {1.1f, 1.1f, 1.1f}, "web list");
    expectRow(set.liveFlangeElongation, {1.2f, 1.2f, 1.2f}, "live list");
    expectRow(set.deadFlangeElongation, {1.3f, 1.3f, 1.3f}, "dead list");
    expectRow(set.widthReduction, {}, "no list");
}

// Limits from 1.0 to 1.3 for every row, then the height steps that go with
// them, for n passes: each row reaches 1.3 in entry n - 1; the web row runs
// on through entry 10, the flange rows are cleared through it; nothing is
// applied without a range of records, and nothing is written past a row.
TEST(ApplyCoefficientLimits, RowsAndStepsFollowThePassCount) {
    for (const int n : {0, 1, 2, 5, 12, 13, 40}) {
        const std::string what = std::to_string(n) + " passes";
        CoefficientSet set = markedSet();
        const BeamSection section = exampleSection(n);
        applyCoefficientLimits(set, section, 1.0f, 1.3f, 1.0f, 1.3f, 1.0f, 1.3f);
        adjustHeightSteps(set, section);

        const int m = std::min(n, kPassTableSize);
        std::vector<float> web, flange;
        for (int k = 0; m > 1 && k < std::max(m, 11); ++k) {
            web.push_back(1.0f + 0.3f * k / (m - 1));
            flange.push_back(k < m ? web.back() : 0.0f);
        }
        std::vector<float> dead(std::max(m - 1, 0), -1.5f);
        std::vector<float> live(std::max(m - 1, 0), 8.0f);
        if (!live.empty()) live.back() = 0.0f;
        expectRow(set.webElongation, web, what + ", web");
        expectRow(set.liveFlangeElongation, flange, what + ", live flange");
        expectRow(set.deadFlangeElongation, flange, what + ", dead flange");
        expectRow(set.deadHeightStep, dead, what + ", dead steps");
        expectRow(set.liveHeightStep, live, what + ", live steps");
    }
}

}  // namespace
}  // namespace rolvanta
