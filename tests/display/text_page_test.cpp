#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "display/text_page.h"
#include "engine/windows1252.h"
#include "support/example_section.h"

namespace rolvanta::testing {
namespace {

// The page as drawn, one line per text: "x y colour text", text in UTF-8.
class RecordingSurface : public TextSurface {
  public:
    void drawText(int x, int y, TextColour colour, std::string_view text) override {
        const char* name = colour == kTextRed       ? "red"
                           : colour == kTextBlack   ? "black"
                           : colour == kTextBlue    ? "blue"
                           : colour == kTextDarkRed ? "darkred"
                                                    : "other";
        lines.push_back(std::to_string(x) + " " + std::to_string(y) + " " + name + " \"" +
                        utf8FromWindows1252(text) + "\"");
    }
    std::string page() const {
        std::string all;
        for (const std::string& line : lines) all += line + "\n";
        return all;
    }
    std::vector<std::string> lines;
};

// A default font 16 pixels high, 7 wide on average.
const TextLayout kLayout = measureTextMetrics({16, 0, 7, true});

RecordingSurface painted(const Project& project, TextOffset offset = {}) {
    RecordingSurface surface;
    paintTextPage(project, DisplayMode::TextPages, kLayout, offset, surface);
    return surface;
}

Project withFlags(Project project, int standardChosen, int customEntered, int computed) {
    project.flags.standardChosen = standardChosen;
    project.flags.customEntered = customEntered;
    project.flags.computed = computed;
    return project;
}

TEST(TextPage, PageFollowsTheFlags) {
    const struct {
        const char* name;
        int standardChosen, customEntered, computed;
        DisplayMode mode;
        TextPage page;
    } cases[] = {
        {"nothing given", 0, 0, 0, DisplayMode::TextPages, TextPage::Welcome},
        {"catalogue beam", 1, 0, 0, DisplayMode::TextPages, TextPage::InputSummary},
        {"typed-in section", 0, 1, 0, DisplayMode::TextPages, TextPage::InputSummary},
        {"computed", 1, 1, 1, DisplayMode::TextPages, TextPage::Results},
        {"computed whatever else", 0, 0, 1, DisplayMode::TextPages, TextPage::Results},
        {"graphics mode", 1, 1, 1, DisplayMode::PassView, TextPage::None},
    };
    for (const auto& c : cases) {
        const Project project =
            withFlags(exampleProject(), c.standardChosen, c.customEntered, c.computed);
        RecordingSurface surface;
        EXPECT_EQ(paintTextPage(project, c.mode, kLayout, {}, surface), c.page) << c.name;
        EXPECT_EQ(surface.lines.empty(), c.page == TextPage::None) << c.name;
    }
    EXPECT_EQ(painted(Project{}).page(),
              "267 66 blue \" ROLVANTA Roll Profile Generation For I-Beams\"\n");
}

TEST(TextPage, InputSummaryWithAndWithoutSetup) {
    Project project = withFlags(exampleProject(9), 1, 0, 0);
    const std::string summary = painted(project).page();
    project.flags.setupDone = 1;
    EXPECT_EQ(painted(project).page(), summary +
                                           "32 233 darkred \"SETUP\"\n"
                                           "32 249 blue \"Number Of Passes Chosen = 9\"\n"
                                           "32 265 blue \"Temperature    = 1000 ºC\"\n");
    EXPECT_EQ(summary, R"(32 41 darkred "FINAL DIMENSIONS OF BEAM  :  MB 100"
32 57 blue "Web Width             =     100.000 mm"
32 73 blue "Web Thickness       =     4.000 mm"
32 89 blue "Flange Height         =     75.000 mm"
32 105 blue "Flange Thickness    =     7.200 mm"
32 121 blue "Root Radius           =     9.000 mm"
32 137 blue "Tip Radius             =     4.500 mm"
32 153 blue "Flange Slope           =     98.000 °"
32 169 blue "Mass Of Beam       =     11.500 Kg"
32 185 blue "Length Of Beam     =     1000.000 mm"
32 201 blue "C / S Area Of Beam     =     1460.000 mm²"
)");
}

// The results page: the hot section, then one block for each record but
// the last, the first block (pass 2, record 0) in full.
TEST(TextPage, ResultsUnderADecimalComma) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "no de_DE.UTF-8 locale";
    const RecordingSurface surface = painted(withFlags(computedProject(5), 0, 1, 1));
    std::setlocale(LC_ALL, "C");
    ASSERT_EQ(surface.lines.size(), 20u + 4 * 15);
    EXPECT_EQ(surface.page().substr(0, surface.page().find("32 665 blue \"Pass 3\"")),
              R"page(32 41 red " R E S U L T S "
32 57 black "--------------------"
32 89 blue "Pass 1 (Required Dimensions Before Cooling)"
32 105 black "-------------------------------------------------------"
32 121 black "Beam Name                     :     MB 100"
32 137 black "Web Width                     =     101.200 mm"
32 153 black "Web Thickness               =     4.000 mm"
32 169 black "Flange Height                 =     75.000 mm"
32 185 black "Flange Thickness            =     7.200 mm"
32 201 black "Root Radius                    =     9.000 mm"
32 217 black "Tip Radius                      =     4.500 mm"
32 233 black "Live Flange Height          =     35.500 mm"
32 249 black "Dead Flange Height         =     35.500 mm"
32 265 black "Root Thickness               =     9.695 mm"
32 281 black "Tip Thickness                 =     4.705 mm"
32 313 black "Flange Slope                    =     98.0 °"
32 329 black "Mass Of Beam                =     11.500 Kg"
32 345 black "Length Of Beam              =     1000.000 mm"
32 361 black "Number Of Passes           =     5"
32 377 black "Temperature                    =     1000.000 °C"
32 409 blue "Pass 2"
32 425 black "Web Area                               =     404.800 mm²"
32 441 black "Pass Width                             =     100.188 mm"
32 457 black "Web Thickness                       =     4.040 mm"
32 473 black "Dead Flange Area                   =     263.268 mm²"
32 489 black "Dead Flange Height                =     34.500 mm"
32 505 black "Dead Flange Thickness          =     7.631 mm"
32 521 black "Dead Flange Tip Thickness   =     4.987 mm"
32 537 black "Dead Flange Root Thickness =     10.275 mm"
32 553 black "Live Flange Area                    =     270.936 mm²"
32 569 black "Live Flange Height                 =     42.500 mm"
32 585 black "Live Flange Thickness           =     6.375 mm"
32 601 black "Live Flange Tip Thickness    =     4.166 mm"
32 617 black "Live Flange Root Thickness  =     8.584 mm"
32 633 black "Cross Sectional Area              =     1473.208 mm²"
)page");
}

TEST(TextPage, ResultsListEveryPassButTheLastRecordAndScroll) {
    for (const int passCount : {0, 1, 5, 13}) {
        const Project project = withFlags(computedProject(passCount), 0, 1, 1);
        for (const TextOffset offset : {TextOffset{}, TextOffset{3, 0}, TextOffset{199, 73}}) {
            const RecordingSurface surface = painted(project, offset);
            const int blocks = std::max(passCount - 1, 0);
            ASSERT_EQ(surface.lines.size(), 20u + 15 * blocks) << passCount;
            const int x = 32 - 7 * offset.horizontal;
            const int y = 41 - 16 * offset.vertical;
            EXPECT_EQ(surface.lines[0],
                      std::to_string(x) + " " + std::to_string(y) + " red \" R E S U L T S \"");
            for (int k = 0; k < blocks; ++k) {
                char area[64];
                std::snprintf(area, sizeof area, "=     %.3f mm²",
                              double{project.passes.records[k].crossSectionArea});
                // Pass 2 on line 24, each block 16 lines further.
                EXPECT_EQ(surface.lines[20 + 15 * k],
                          std::to_string(x) + " " + std::to_string(y + 16 * (23 + 16 * k)) +
                              " blue \"Pass " + std::to_string(k + 2) + "\"");
                EXPECT_NE(surface.lines[34 + 15 * k].find(area), std::string::npos) << k;
            }
        }
    }
}

// Down to the last line's bottom, across to the margin and the widest line
// allowed for (500 pixels).
TEST(TextPage, SizeEndsAtTheLastLine) {
    const struct {
        const char* name;
        Project project;
        DisplayMode mode;
        PixelSize size;
    } cases[] = {
        {"welcome", Project{}, DisplayMode::TextPages, {267 + 500, 66 + 16}},
        {"summary without setup",
         withFlags(exampleProject(), 1, 0, 0),
         DisplayMode::TextPages,
         {532, 201 + 16}},
        {"13 passes, last value on line 213",
         withFlags(computedProject(13), 0, 1, 1),
         DisplayMode::TextPages,
         {532, 41 + 16 * 213 + 16}},
        {"graphics mode", withFlags(computedProject(13), 0, 1, 1), DisplayMode::PassView, {0, 0}},
    };
    for (const auto& c : cases) {
        const PixelSize size = textPageSize(c.project, c.mode, kLayout);
        EXPECT_EQ(size.width, c.size.width) << c.name;
        EXPECT_EQ(size.height, c.size.height) << c.name;
    }
}

TEST(TextPage, NameWithoutTerminatorStopsAtItsField) {
    Project project = withFlags(exampleProject(), 0, 1, 0);
    std::memset(project.section.name, 'W', sizeof project.section.name);
    EXPECT_EQ(painted(project).lines[0],
              "32 41 darkred \"FINAL DIMENSIONS OF BEAM  :  " + std::string(52, 'W') + "\"");
}

}  // namespace
}  // namespace rolvanta::testing
