#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <initializer_list>
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

// Numbers apart, as the golden files write them.
std::string numbers(std::initializer_list<int> values) {
    std::string text;
    for (int value : values) text += (text.empty() ? "" : " ") + std::to_string(value);
    return text;
}

// The layouts measured from the default font ("lineHeight charWidth
// capsWidth maxWidth"); the bars' ranges ("minimum maximum pageSize
// position", vertical | horizontal), which end where the page's end comes
// into view, a page step being what the window shows whole; and from line 50
// of 100 shown 10 at a time and character 5 of 20, where each request and key
// leaves the bars (vertical horizontal) and how far the page moved (x y).
TEST(TextScroll, LayoutsRangesAndMovesEqualTheGoldenFile) {
    std::string all;
    const struct {
        const char* name;
        FontMeasures font;
        int pageFontHeight;
    } fonts[] = {
        {"variable pitch", {16, 0, 7, true}, 0},
        {"fixed pitch", {16, 0, 8, false}, 0},
        {"odd width rounds down", {13, 2, 5, true}, 0},
        {"nothing measured", {0, 0, 0, true}, 0},
        {"lines no closer than the page font", {14, 0, 6, true}, 15},
        {"a larger default font", {16, 1, 7, true}, 15},
    };
    for (const auto& c : fonts) {
        const TextLayout l = measureTextMetrics(c.font, c.pageFontHeight);
        all += std::string(c.name) + ": " +
               numbers({l.lineHeight, l.charWidth, l.capsWidth, l.maxWidth}) + "\n";
    }
    const struct {
        const char* name;
        TextLayout layout;
        PixelSize page, client;
        int position;  // before
    } ranges[] = {
        {"page inside the window", kLayout, {532, 300}, {800, 600}, 0},
        {"longer page", kLayout, {532, 1000}, {800, 600}, 3},
        {"a part line still scrolls", kLayout, {532, 617}, {800, 600}, 0},
        {"narrow window", kLayout, {532, 300}, {300, 600}, 0},
        {"window lower than a line", kLayout, {532, 1000}, {800, 10}, 0},
        {"past the new end", kLayout, {532, 1000}, {800, 600}, 90},
        {"no page", kLayout, {0, 0}, {800, 600}, 9},
        {"not measured", TextLayout{}, {532, 1000}, {800, 600}, 9},
    };
    const auto bar = [](const ScrollBarState& b) {
        return numbers({b.minimum, b.maximum, b.pageSize, b.position});
    };
    for (const auto& c : ranges) {
        TextScroll scroll;
        scroll.vertical.position = c.position;
        updateScrollRanges(scroll, c.layout, c.page, c.client);
        all += std::string(c.name) + ": " + bar(scroll.vertical) + " | " + bar(scroll.horizontal) +
               "\n";
    }
    const auto moved = [&](const std::string& name, const TextScroll& scroll, PixelShift shift) {
        all += name + ": " + numbers({scroll.vertical.position, scroll.horizontal.position}) +
               " moved " + numbers({shift.x, shift.y}) + "\n";
    };
    const struct {
        const char* name;
        int from;
        ScrollRequest request;
        int tracking;
    } requests[] = {
        {"line down", 50, ScrollRequest::LineDown, 0},
        {"line up", 50, ScrollRequest::LineUp, 0},
        {"line up at the top", 0, ScrollRequest::LineUp, 0},
        {"line down at the end", 100, ScrollRequest::LineDown, 0},
        {"page down", 50, ScrollRequest::PageDown, 0},
        {"page up", 50, ScrollRequest::PageUp, 0},
        {"page up near the top", 4, ScrollRequest::PageUp, 0},
        {"page down near the end", 95, ScrollRequest::PageDown, 0},
        {"thumb dragged", 50, ScrollRequest::ThumbTrack, 70},
        {"thumb dragged past the end", 50, ScrollRequest::ThumbTrack, 500},
        {"thumb released", 50, ScrollRequest::ThumbReleased, 70},
        {"top", 50, ScrollRequest::Top, 0},
        {"end", 50, ScrollRequest::Bottom, 0},
    };
    for (const auto& c : requests) {
        TextScroll scroll{{0, 100, 10, c.from}, {0, 20, 30, 5}};
        const int y = scrollTextVertically(scroll, kLayout, c.request, c.tracking);
        moved(c.name, scroll, {0, y});
    }
    const char* const keys[] = {"Up", "Down", "Left", "Right", "PageUp", "PageDown", "Home", "End"};
    for (int key = 0; key < 8; ++key) {
        TextScroll scroll{{0, 100, 10, 50}, {0, 20, 30, 5}};
        const PixelShift shift = scrollTextByKey(scroll, kLayout, static_cast<TextScrollKey>(key));
        moved(std::string("key ") + keys[key], scroll, shift);
    }
    expectGolden("text-scroll.txt", all);
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
