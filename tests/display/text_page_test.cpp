#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <string>
#include <vector>

#include "display/text_page.h"
#include "engine/windows1252.h"
#include "support/example_section.h"
#include "support/golden_file.h"

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
}

// The pages as drawn: the welcome line, the summary before and after the
// Setup, the results (the hot section, then one block for each record but
// the last) under a decimal comma, scrolled, and without passes, and a name
// that fills its field.
TEST(TextPage, PagesEqualTheGoldenFile) {
    Project summary = withFlags(exampleProject(9), 1, 0, 0);
    std::string pages =
        "== welcome\n" + painted(Project{}).page() + "== summary\n" + painted(summary).page();
    summary.flags.setupDone = 1;
    pages += "== summary after the Setup\n" + painted(summary).page();
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "no de_DE.UTF-8 locale";
    pages += "== results of 5 passes under a decimal comma\n" +
             painted(withFlags(computedProject(5), 0, 1, 1)).page();
    std::setlocale(LC_ALL, "C");
    pages += "== results of 13 passes scrolled by 199 lines and 73 characters\n" +
             painted(withFlags(computedProject(13), 0, 1, 1), {199, 73}).page();
    for (const int passCount : {0, 1}) {
        pages += "== results of " + std::to_string(passCount) + " passes\n" +
                 painted(withFlags(computedProject(passCount), 0, 1, 1)).page();
    }
    Project named = withFlags(exampleProject(), 0, 1, 0);
    std::memset(named.section.name, 'W', sizeof named.section.name);
    pages += "== a name without its terminator\n" + painted(named).page();
    expectGolden("text-pages.txt", pages);
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

}  // namespace
}  // namespace rolvanta::testing
