#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "display/text_page.h"
#include "engine/pass_schedule.h"
#include "support/example_section.h"

namespace rolvanta::testing {
namespace {

// A line as the page drew it.
struct DrawnLine {
    int x;
    int y;
    TextColour colour;
    std::string text;
};

class RecordingSurface : public TextSurface {
  public:
    void drawText(int x, int y, TextColour colour, std::string_view text) override {
        lines.push_back({x, y, colour, std::string(text)});
    }
    std::vector<DrawnLine> lines;
};

// The lines of each page as printf formats them: advance in lines before
// the line, colour, format, and the field printed (none for a plain text,
// the name for %s, the pass count or pass number for %d).
template <typename Record>
struct PageRow {
    int advance;
    TextColour colour;
    const char* format;
    float Record::*field;
};
using SectionRow = PageRow<BeamSection>;
using PassRow = PageRow<PassRecord>;

const SectionRow kSummaryRows[] = {
    {0, kTextDarkRed, "FINAL DIMENSIONS OF BEAM  :  %s", nullptr},
    {1, kTextBlue, "Web Width             =     %.3f mm", &BeamSection::webWidth},
    {1, kTextBlue, "Web Thickness       =     %.3f mm", &BeamSection::webThickness},
    {1, kTextBlue, "Flange Height         =     %.3f mm", &BeamSection::flangeHeight},
    {1, kTextBlue, "Flange Thickness    =     %.3f mm", &BeamSection::flangeThickness},
    {1, kTextBlue, "Root Radius           =     %.3f mm", &BeamSection::rootRadius},
    {1, kTextBlue, "Tip Radius             =     %.3f mm", &BeamSection::tipRadius},
    {1, kTextBlue, "Flange Slope           =     %.3f mm", &BeamSection::flangeSlope},
    {1, kTextBlue, "Mass Of Beam       =     %.3f Kg", &BeamSection::mass},
    {1, kTextBlue, "Length Of Beam     =     %.3f mm", &BeamSection::length},
    {1, kTextBlue, "C / S Area Of Beam     =     %.3f mm\xB2", &BeamSection::area},
};

const SectionRow kSetupRows[] = {
    {0, kTextDarkRed, "SETUP", nullptr},
    {1, kTextBlue, "Number Of Passes Chosen = %d", nullptr},
    {1, kTextBlue,
     "Temperarure    = %.0f \xBA"
     "C",
     &BeamSection::temperature},
};

const SectionRow kResultRows[] = {
    {0, kTextRed, " R E S U L T S ", nullptr},
    {1, kTextBlack, "--------------------", nullptr},
    {2, kTextBlue, "Pass 1 (Required Dimensions Before Cooling)", nullptr},
    {1, kTextBlack, "-------------------------------------------------------", nullptr},
    {1, kTextBlack, "Beam Name                     :     %s", nullptr},
    {1, kTextBlack, "Web Width                     =     %.3f mm", &BeamSection::webWidth},
    {1, kTextBlack, "Web Thickness               =     %.3f mm", &BeamSection::webThickness},
    {1, kTextBlack, "Flange Height                 =     %.3f mm", &BeamSection::flangeHeight},
    {1, kTextBlack, "Flange Thickness            =     %.3f mm", &BeamSection::flangeThickness},
    {1, kTextBlack, "Root Radius                    =     %.3f mm", &BeamSection::rootRadius},
    {1, kTextBlack, "Tip Radius                      =     %.3f mm", &BeamSection::tipRadius},
    {1, kTextBlack, "Live Flange Height          =     %.3f mm", &BeamSection::liveFlangeHeight},
    {1, kTextBlack, "Dead Flange Height         =     %.3f mm", &BeamSection::deadFlangeHeight},
    {1, kTextBlack, "Root Thickness               =     %.3f mm", &BeamSection::rootThickness},
    {1, kTextBlack, "Tip Thickness                 =     %.3f mm", &BeamSection::tipThickness},
    {2, kTextBlack, "Flange Slope                    =     %.1f \xB0", &BeamSection::flangeSlope},
    {1, kTextBlack, "Mass Of Beam                =     %.3f Kg", &BeamSection::mass},
    {1, kTextBlack, "Length Of Beam              =     %.3f mm", &BeamSection::length},
    {1, kTextBlack, "Number Of Passes           =     %d", nullptr},
    {1, kTextBlack,
     "Temperature                    =     %.3f \xB0"
     "C",
     &BeamSection::temperature},
};

const PassRow kPassBlockRows[] = {
    {0, kTextBlue, "Pass %d", nullptr},
    {1, kTextBlack, "Web Area                               =     %.3f mm\xB2",
     &PassRecord::webArea},
    {1, kTextBlack, "Pass Width                             =     %.3f mm", &PassRecord::passWidth},
    {1, kTextBlack, "Web Thickness                       =     %.3f mm", &PassRecord::webThickness},
    {1, kTextBlack, "Dead Flange Area                   =     %.3f mm\xB2",
     &PassRecord::deadFlangeArea},
    {1, kTextBlack, "Dead Flange Height                =     %.3f mm",
     &PassRecord::deadFlangeHeight},
    {1, kTextBlack, "Dead Flange Thickness          =     %.3f mm",
     &PassRecord::deadFlangeThickness},
    {1, kTextBlack, "Dead Flange Tip Thickness   =     %.3f mm", &PassRecord::deadFlangeTip},
    {1, kTextBlack, "Dead Flange Root Thickness =     %.3f mm", &PassRecord::deadFlangeRoot},
    {1, kTextBlack, "Live Flange Area                    =     %.3f mm\xB2",
     &PassRecord::liveFlangeArea},
    {1, kTextBlack, "Live Flange Height                 =     %.3f mm",
     &PassRecord::liveFlangeHeight},
    {1, kTextBlack, "Live Flange Thickness           =     %.3f mm",
     &PassRecord::liveFlangeThickness},
    {1, kTextBlack, "Live Flange Tip Thickness    =     %.3f mm", &PassRecord::liveFlangeTip},
    {1, kTextBlack, "Live Flange Root Thickness  =     %.3f mm", &PassRecord::liveFlangeRoot},
    {1, kTextBlack, "Cross Sectional Area              =     %.3f mm\xB2",
     &PassRecord::crossSectionArea},
};

// A line the way the C library formats it, whatever the locale.
template <typename Record>
std::string printed(const PageRow<Record>& row, const Record& record, const BeamSection& section,
                    int passNumber) {
    char text[128];
    const std::string format = row.format;
    if (format.find("%s") != std::string::npos) {
        std::snprintf(text, sizeof text, row.format, section.name);
    } else if (format.find("%d") != std::string::npos) {
        std::snprintf(text, sizeof text, row.format,
                      passNumber > 0 ? passNumber : section.passCount);
    } else if (row.field != nullptr) {
        std::snprintf(text, sizeof text, row.format, static_cast<double>(record.*row.field));
    } else {
        std::snprintf(text, sizeof text, "%s", row.format);
    }
    return text;
}

// The page expected: lines in order with their line index.
struct ExpectedLine {
    int index;
    TextColour colour;
    std::string text;
};

class Page {
  public:
    template <typename Record, size_t n>
    void add(const PageRow<Record> (&rows)[n], const Record& record, const BeamSection& section,
             int passNumber = 0) {
        for (const auto& row : rows) {
            index_ += row.advance;
            lines.push_back({index_, row.colour, printed(row, record, section, passNumber)});
        }
    }
    void skip(int count) { index_ += count; }

    std::vector<ExpectedLine> lines;

  private:
    int index_ = 0;
};

const TextLayout kLayout = measureTextMetrics({16, 0, 7, true});

void expectPage(const std::vector<DrawnLine>& drawn, const std::vector<ExpectedLine>& expected,
                int marginX, int marginY, TextOffset offset = {}) {
    ASSERT_EQ(drawn.size(), expected.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(drawn[i].text, expected[i].text);
        EXPECT_TRUE(drawn[i].colour == expected[i].colour);
        EXPECT_EQ(drawn[i].x, marginX + kLayout.charWidth * (1 - offset.horizontal));
        EXPECT_EQ(drawn[i].y,
                  marginY + kLayout.lineHeight * (1 + expected[i].index - offset.vertical));
    }
}

Project computedProject(int passCount) {
    Project project = exampleProject(passCount);
    project.flags.customEntered = 1;
    project.flags.computed = 1;
    computeDesign(project);
    return project;
}

TEST(TextPage, PageFollowsTheFlags) {
    const struct {
        const char* name;
        int standardChosen, customEntered, computed, graphicsMode;
        TextPage page;
    } cases[] = {
        {"nothing given", 0, 0, 0, 0, TextPage::Welcome},
        {"catalogue beam", 1, 0, 0, 0, TextPage::InputSummary},
        {"typed-in section", 0, 1, 0, 0, TextPage::InputSummary},
        {"computed", 1, 1, 1, 0, TextPage::Results},
        {"computed whatever else", 0, 0, 1, 0, TextPage::Results},
        {"flags from a damaged file", 2, 0, 0, 0, TextPage::None},
        {"graphics mode", 1, 1, 1, 1, TextPage::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectFlags flags{};
        flags.standardChosen = c.standardChosen;
        flags.customEntered = c.customEntered;
        flags.computed = c.computed;
        EXPECT_EQ(chooseTextPage(flags, c.graphicsMode), c.page);
        Project project = exampleProject();
        project.flags = flags;
        RecordingSurface surface;
        EXPECT_EQ(paintTextPage(project, c.graphicsMode, kLayout, {}, surface), c.page);
        EXPECT_EQ(surface.lines.empty(), c.page == TextPage::None);
    }
}

TEST(TextPage, WelcomeIsOneBlueLine) {
    Project project{};
    RecordingSurface surface;
    paintTextPage(project, 0, kLayout, {}, surface);
    ASSERT_EQ(surface.lines.size(), 1u);
    EXPECT_EQ(surface.lines[0].text, " ROLVANTA Roll Profile Generation For I-Beams");
    EXPECT_TRUE(surface.lines[0].colour == kTextBlue);
    EXPECT_EQ(surface.lines[0].x, 260 + 7);
    EXPECT_EQ(surface.lines[0].y, 50 + 16);
}

TEST(TextPage, InputSummaryWithAndWithoutSetup) {
    Project project = exampleProject(9);
    project.flags.standardChosen = 1;
    Page expected;
    expected.add(kSummaryRows, project.section, project.section);
    RecordingSurface summary;
    paintTextPage(project, 0, kLayout, {}, summary);
    expectPage(summary.lines, expected.lines, 25, 25);
    EXPECT_EQ(summary.lines.size(), 11u);

    project.flags.setupDone = 1;
    expected.skip(2);
    expected.add(kSetupRows, project.section, project.section);
    RecordingSurface withSetup;
    paintTextPage(project, 0, kLayout, {}, withSetup);
    expectPage(withSetup.lines, expected.lines, 25, 25);
    EXPECT_EQ(withSetup.lines.size(), 14u);
}

// The results page of a computed project: the hot section, then one block
// for each record but the last.
std::vector<ExpectedLine> expectedResults(const Project& project) {
    Page expected;
    expected.add(kResultRows, project.section, project.section);
    expected.skip(2);
    for (int i = 0; i < project.section.passCount - 1; ++i) {
        expected.add(kPassBlockRows, project.passes.records[i], project.section, i + 2);
        expected.skip(2);
    }
    return expected.lines;
}

TEST(TextPage, ResultsListTheHotSectionAndEveryPassButTheLastRecord) {
    for (const int passCount : {0, 1, 5, 13}) {
        SCOPED_TRACE(passCount);
        const Project project = computedProject(passCount);
        RecordingSurface surface;
        paintTextPage(project, 0, kLayout, {}, surface);
        expectPage(surface.lines, expectedResults(project), 25, 25);
    }
    // Pass 2 at line 23, each block 16 lines: the last value of 13 passes at line 213.
    EXPECT_EQ(expectedResults(computedProject(13)).back().index, 213);
}

TEST(TextPage, ScrollPositionsMoveEveryLine) {
    const Project project = computedProject(5);
    for (const TextOffset offset : {TextOffset{3, 0}, TextOffset{0, 5}, TextOffset{199, 73}}) {
        RecordingSurface surface;
        paintTextPage(project, 0, kLayout, offset, surface);
        expectPage(surface.lines, expectedResults(project), 25, 25, offset);
    }
}

TEST(TextPage, NumbersUseAPointWhateverTheLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
    Project project = exampleProject();
    project.flags.customEntered = 1;
    RecordingSurface surface;
    paintTextPage(project, 0, kLayout, {}, surface);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(surface.lines[1].text, "Web Width             =     100.000 mm");
}

TEST(TextPage, NameWithoutTerminatorStopsAtItsField) {
    Project project = exampleProject();
    project.flags.customEntered = 1;
    std::memset(project.section.name, 'W', sizeof project.section.name);
    RecordingSurface surface;
    paintTextPage(project, 0, kLayout, {}, surface);
    EXPECT_EQ(surface.lines[0].text, "FINAL DIMENSIONS OF BEAM  :  " + std::string(52, 'W'));
}

}  // namespace
}  // namespace rolvanta::testing
