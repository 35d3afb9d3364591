#pragma once

// The two scroll bars of the text pages: the vertical one counts whole lines,
// the horizontal one average characters. Their positions are read by every
// paint; a scroll request moves a position and tells by how many pixels the
// page's pixels have to move.

#include "display/text_layout.h"

namespace rolvanta {

// Scroll requests, numbered as the window system numbers them.
enum ScrollRequest : int {
    kScrollLineUp = 0,    // or left
    kScrollLineDown = 1,  // or right
    kScrollPageUp = 2,
    kScrollPageDown = 3,
    kScrollThumbReleased = 4,  // the thumb is let go where it was dragged: no move
    kScrollThumbTrack = 5,     // the thumb is being dragged to the tracking position
    kScrollTop = 6,
    kScrollBottom = 7,
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

// The last vertical position: high enough to bring the last line of a
// 13-pass results page into view, whatever the page's length.
constexpr int kVerticalScrollMaximum = 199;

// Sets both ranges from the layout, page sizes 0, positions clamped into them.
void updateScrollRanges(TextScroll& scroll, const TextLayout& layout);

// The position a request asks for, clamped into the bar's range. With a page
// size of 0 a page request leaves the position where it is.
int requestedScrollPosition(const ScrollBarState& bar, int request, int trackingPosition);

// Moves the vertical position; the result is the distance in pixels the page
// moves down ((old - new) x lineHeight), 0 when the position did not change.
int scrollTextVertically(TextScroll& scroll, const TextLayout& layout, int request,
                         int trackingPosition);

// The same for the horizontal position, in average characters (charWidth).
int scrollTextHorizontally(TextScroll& scroll, const TextLayout& layout, int request,
                           int trackingPosition);

}  // namespace rolvanta
