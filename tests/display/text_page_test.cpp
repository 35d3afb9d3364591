#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

#include "display/text_layout.h"
#include "display/text_page.h"
#include "display/text_scroll.h"
#include "engine/windows1252.h"
#include "support/example_section.h"
#include "support/golden_file.h"

namespace rolvanta::testing {
namespace {

// A default font 16 pixels high, 7 wide on average.
const TextLayout kLayout = measureTextMetrics({16, 0, 7, true});

TEST(TextLayout, MeasuresFromTheDefaultFont) {
    const struct {
        const char* name;
        FontMeasures font;
        int pageFontHeight;
        const char* layout;  // lineHeight charWidth capsWidth maxWidth
    } cases[] = {
        {"variable pitch", {16, 0, 7, true}, 0, "16 7 10 500"},
        {"fixed pitch", {16, 0, 8, false}, 0, "16 8 8 496"},
        {"odd width rounds down", {13, 2, 5, true}, 0, "15 5 7 354"},
        {"nothing measured", {0, 0, 0, true}, 0, "0 0 0 0"},
        {"lines no closer than the page font", {14, 0, 6, true}, 15, "15 6 9 438"},
        {"a larger default font", {16, 1, 7, true}, 15, "17 7 10 500"},
    };
    for (const auto& c : cases) {
        const TextLayout l = measureTextMetrics(c.font, c.pageFontHeight);
        EXPECT_EQ(std::to_string(l.lineHeight) + " " + std::to_string(l.charWidth) + " " +
                      std::to_string(l.capsWidth) + " " + std::to_string(l.maxWidth),
                  c.layout)
            << c.name;
    }
}

// The ranges end where the page's end comes into view; a page step is what
// the window shows whole. Each case's bars, "minimum maximum pageSize
// position" vertical | horizontal, are in the golden file.
TEST(TextScroll, RangesFollowThePageAndTheWindow) {
    const struct {
        const char* name;
        TextLayout layout;
        PixelSize page, client;
        int position;  // before
    } cases[] = {
        {"page inside the window", kLayout, {532, 300}, {800, 600}, 0},
        {"longer page", kLayout, {532, 1000}, {800, 600}, 3},
        {"a part line still scrolls", kLayout, {532, 617}, {800, 600}, 0},
        {"narrow window", kLayout, {532, 300}, {300, 600}, 0},
        {"window lower than a line", kLayout, {532, 1000}, {800, 10}, 0},
        {"past the new end", kLayout, {532, 1000}, {800, 600}, 90},
        {"no page", kLayout, {0, 0}, {800, 600}, 9},
        {"not measured", TextLayout{}, {532, 1000}, {800, 600}, 9},
    };
    const auto text = [](const ScrollBarState& bar) {
        return std::to_string(bar.minimum) + " " + std::to_string(bar.maximum) + " " +
               std::to_string(bar.pageSize) + " " + std::to_string(bar.position);
    };
    std::string bars;
    for (const auto& c : cases) {
        TextScroll scroll;
        scroll.vertical.position = c.position;
        updateScrollRanges(scroll, c.layout, c.page, c.client);
        bars += std::string(c.name) + ": " + text(scroll.vertical) + " | " +
                text(scroll.horizontal) + "\n";
    }
    expectGolden("scroll-ranges.txt", bars);
}

TEST(TextScroll, RequestsAndKeysMoveByLinesAndPages) {
    // 100 lines to scroll through, 10 at a time; 20 characters, 30 at a time.
    const ScrollBarState vertical{0, 100, 10, 50};
    const ScrollBarState horizontal{0, 20, 30, 5};
    const struct {
        const char* name;
        int from;
        ScrollRequest request;
        int tracking, to;
    } requests[] = {
        {"line down", 50, ScrollRequest::LineDown, 0, 51},
        {"line up", 50, ScrollRequest::LineUp, 0, 49},
        {"line up at the top", 0, ScrollRequest::LineUp, 0, 0},
        {"line down at the end", 100, ScrollRequest::LineDown, 0, 100},
        {"page down", 50, ScrollRequest::PageDown, 0, 60},
        {"page up", 50, ScrollRequest::PageUp, 0, 40},
        {"page up near the top", 4, ScrollRequest::PageUp, 0, 0},
        {"page down near the end", 95, ScrollRequest::PageDown, 0, 100},
        {"thumb dragged", 50, ScrollRequest::ThumbTrack, 70, 70},
        {"thumb dragged past the end", 50, ScrollRequest::ThumbTrack, 500, 100},
        {"thumb released", 50, ScrollRequest::ThumbReleased, 70, 50},
        {"top", 50, ScrollRequest::Top, 0, 0},
        {"end", 50, ScrollRequest::Bottom, 0, 100},
    };
    for (const auto& c : requests) {
        TextScroll scroll{vertical, horizontal};
        scroll.vertical.position = c.from;
        EXPECT_EQ(scrollTextVertically(scroll, kLayout, c.request, c.tracking),
                  (c.from - c.to) * 16)
            << c.name;
        EXPECT_EQ(scroll.vertical.position, c.to) << c.name;
        EXPECT_EQ(scroll.horizontal.position, 5) << c.name;
    }

    // Where the bars end up, and how far the page moved (x, y pixels).
    const struct {
        TextScrollKey key;
        const char* result;
    } keys[] = {
        {TextScrollKey::Up, "49 5 0 16"},      {TextScrollKey::Down, "51 5 0 -16"},
        {TextScrollKey::Left, "50 4 7 0"},     {TextScrollKey::Right, "50 6 -7 0"},
        {TextScrollKey::PageUp, "40 5 0 160"}, {TextScrollKey::PageDown, "60 5 0 -160"},
        {TextScrollKey::Home, "0 5 0 800"},    {TextScrollKey::End, "100 5 0 -800"},
    };
    for (const auto& c : keys) {
        TextScroll scroll{vertical, horizontal};
        const PixelShift moved = scrollTextByKey(scroll, kLayout, c.key);
        EXPECT_EQ(std::to_string(scroll.vertical.position) + " " +
                      std::to_string(scroll.horizontal.position) + " " + std::to_string(moved.x) +
                      " " + std::to_string(moved.y),
                  c.result)
            << static_cast<int>(c.key);
    }
}

// The page as drawn, one line per text: "x y colour text", text in UTF-8.
class RecordingSurface : public TextSurface {
  public:
    void drawText(int x, int y, TextColour colour, std::string_view text) override {
        const char* name = colour == kTextRed       ? "red"
                           : colour == kTextBlack   ? "black"
                           : colour == kTextBlue    ? "blue"
                           : colour == kTextDarkRed ? "darkred"
                                                    : "other";
        drawn += std::to_string(x) + " " + std::to_string(y) + " " + name + " \"" +
                 utf8FromWindows1252(text) + "\"\n";
    }
    std::string drawn;
};

Project withFlags(Project project, int standardChosen, int customEntered, int computed) {
    project.flags.standardChosen = standardChosen;
    project.flags.customEntered = customEntered;
    project.flags.computed = computed;
    return project;
}

// The pages as drawn, each under the page the flags chose and its size (down
// to the last line's bottom, across to the margin and the widest line allowed
// for, 500 pixels): the welcome line, the summary of a catalogue beam before
// and after the Setup, the results (the hot section, then one block for each
// record but the last) under a decimal comma, scrolled, and without passes
// whatever else the flags say, a typed-in name that fills its field, and no
// page under the pass view.
TEST(TextPage, PagesEqualTheGoldenFile) {
    const auto page = [](const std::string& name, const Project& project, TextOffset offset = {},
                         DisplayMode mode = DisplayMode::TextPages) {
        RecordingSurface surface;
        const TextPage shown = paintTextPage(project, mode, kLayout, offset, surface);
        const PixelSize size = textPageSize(project, mode, kLayout);
        return "== " + name + ": page " + std::to_string(static_cast<int>(shown)) + ", " +
               std::to_string(size.width) + " x " + std::to_string(size.height) + "\n" +
               surface.drawn;
    };
    Project summary = withFlags(exampleProject(9), 1, 0, 0);
    std::string pages = page("welcome", Project{}) + page("summary", summary);
    summary.flags.setupDone = 1;
    pages += page("summary after the Setup", summary);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "no de_DE.UTF-8 locale";
    pages +=
        page("results of 5 passes under a decimal comma", withFlags(computedProject(5), 0, 1, 1));
    std::setlocale(LC_ALL, "C");
    const Project thirteen = withFlags(computedProject(13), 0, 1, 1);
    pages +=
        page("results of 13 passes scrolled by 199 lines and 73 characters", thirteen, {199, 73}) +
        page("results of 0 passes, computed alone", withFlags(computedProject(0), 0, 0, 1)) +
        page("results of 1 passes, every flag", withFlags(computedProject(1), 1, 1, 1));
    Project named = withFlags(exampleProject(), 0, 1, 0);
    std::memset(named.section.name, 'W', sizeof named.section.name);
    pages += page("a name without its terminator", named) +
             page("the pass view shown", thirteen, {}, DisplayMode::PassView);
    expectGolden("text-pages.txt", pages);
}

}  // namespace
}  // namespace rolvanta::testing
