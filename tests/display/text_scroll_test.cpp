#include <gtest/gtest.h>

#include "display/text_layout.h"
#include "display/text_scroll.h"

namespace rolvanta {
namespace {

TEST(TextLayout, MeasuresFromTheDefaultFont) {
    const struct {
        const char* name;
        FontMeasures font;
        int pageFontHeight;
        int lineHeight, capsWidth, maxWidth, horizontalMaximum;
    } cases[] = {
        {"variable pitch", {16, 0, 7, true}, 0, 16, 10, 40 * 7 + 22 * 10, 500 / 7 + 2},
        {"fixed pitch", {16, 0, 8, false}, 0, 16, 8, 40 * 8 + 22 * 8, 62 + 2},
        {"odd width rounds down", {13, 2, 5, true}, 0, 15, 7, 40 * 5 + 22 * 7, 354 / 5 + 2},
        {"nothing measured", {0, 0, 0, true}, 0, 0, 0, 0, 0},
        {"lines no closer than the page font", {14, 0, 6, true}, 15, 15, 9, 438, 438 / 6 + 2},
        {"a larger default font", {16, 1, 7, true}, 15, 17, 10, 500, 500 / 7 + 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TextLayout layout = measureTextMetrics(c.font, c.pageFontHeight);
        EXPECT_EQ(layout.lineHeight, c.lineHeight);
        EXPECT_EQ(layout.charWidth, c.font.averageCharWidth);
        EXPECT_EQ(layout.capsWidth, c.capsWidth);
        EXPECT_EQ(layout.maxWidth, c.maxWidth);
        TextScroll scroll;
        updateScrollRanges(scroll, layout);
        EXPECT_EQ(scroll.vertical.maximum, 199);
        EXPECT_EQ(scroll.vertical.pageSize, 0);
        EXPECT_EQ(scroll.horizontal.maximum, c.horizontalMaximum);
    }
}

TEST(TextScroll, RequestsMoveByWholeLinesAndCharacters) {
    const TextLayout layout = measureTextMetrics({16, 0, 7, true});
    const struct {
        const char* name;
        int from;
        int request;
        int tracking;
        int to;
    } cases[] = {
        {"line down", 10, kScrollLineDown, 0, 11},
        {"line up", 10, kScrollLineUp, 0, 9},
        {"line up at the top", 0, kScrollLineUp, 0, 0},
        {"line down at the bottom", 199, kScrollLineDown, 0, 199},
        {"page down does nothing", 10, kScrollPageDown, 0, 10},
        {"page up does nothing", 10, kScrollPageUp, 0, 10},
        {"thumb dragged", 10, kScrollThumbTrack, 120, 120},
        {"thumb dragged past the end", 10, kScrollThumbTrack, 500, 199},
        {"thumb released", 10, kScrollThumbReleased, 120, 10},
        {"top", 50, kScrollTop, 0, 0},
        {"bottom", 50, kScrollBottom, 0, 199},
        {"unknown request", 50, 8, 0, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TextScroll scroll;
        updateScrollRanges(scroll, layout);
        scroll.vertical.position = c.from;
        const int moved = scrollTextVertically(scroll, layout, c.request, c.tracking);
        EXPECT_EQ(scroll.vertical.position, c.to);
        EXPECT_EQ(moved, (c.from - c.to) * layout.lineHeight);
    }

    TextScroll scroll;
    updateScrollRanges(scroll, layout);
    EXPECT_EQ(scrollTextHorizontally(scroll, layout, kScrollLineDown, 0), -7);
    EXPECT_EQ(scroll.horizontal.position, 1);
    EXPECT_EQ(scrollTextHorizontally(scroll, layout, kScrollBottom, 0), -7 * 72);
    EXPECT_EQ(scroll.horizontal.position, 73);
    EXPECT_EQ(scrollTextHorizontally(scroll, layout, kScrollLineDown, 0), 0);
    EXPECT_EQ(scroll.vertical.position, 0) << "the vertical position stays";
}

}  // namespace
}  // namespace rolvanta
