#pragma once

// The two scroll bars of the text pages: the vertical one counts whole lines,
// the horizontal one average characters. Their ranges end where the page's
// last line and its widest line come into view, and a page step is what the
// window shows. Their positions are read by every paint; a scroll request
// moves a position and tells by how many pixels the page's pixels move.

#include "display/text_layout.h"

namespace rolvanta {

// What a scroll bar asks for.
enum class ScrollRequest {
    LineUp,    // or left
    LineDown,  // or right
    PageUp,
    PageDown,
    ThumbReleased,  // the thumb is let go where it was dragged: no move
    ThumbTrack,     // the thumb is being dragged to the tracking position
    Top,
    Bottom,
};

struct ScrollBarState {
    int minimum = 0;
    int maximum = 0;
    int pageSize = 0;
    int position = 0;
};

struct TextScroll {
    ScrollBarState vertical;    // lines
    ScrollBarState horizontal;  // average characters
};

// Sizes in pixels.
struct PixelSize {
    int width = 0;
    int height = 0;
};

// Fits both bars to a page of the given size (at scroll position 0, margins
// included) shown in a client area of the given size: a page step is the
// number of whole lines (characters) the client area shows, the last
// position the one that brings the page's end into view. Positions are
// clamped into the new ranges.
void updateScrollRanges(TextScroll& scroll, const TextLayout& layout, PixelSize page,
                        PixelSize client);

// The position a request asks for, clamped into the bar's range.
int requestedScrollPosition(const ScrollBarState& bar, ScrollRequest request, int trackingPosition);

// Moves the vertical position; the result is the distance in pixels the page
// moves down ((old - new) x lineHeight), 0 when the position did not change.
int scrollTextVertically(TextScroll& scroll, const TextLayout& layout, ScrollRequest request,
                         int trackingPosition);

// The same for the horizontal position, in average characters (charWidth).
int scrollTextHorizontally(TextScroll& scroll, const TextLayout& layout, ScrollRequest request,
                           int trackingPosition);

// The keys that scroll the text pages.
enum class TextScrollKey { Up, Down, Left, Right, PageUp, PageDown, Home, End };

// How far a page moved, in pixels: right and down are positive.
struct PixelShift {
    int x = 0;
    int y = 0;
};

// Scrolls as the key asks: the arrows by a line or a character, PgUp and PgDn
// by a page, Home and End to the page's top and end.
PixelShift scrollTextByKey(TextScroll& scroll, const TextLayout& layout, TextScrollKey key);

}  // namespace rolvanta
