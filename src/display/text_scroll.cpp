#include "display/text_scroll.h"

#include <algorithm>

namespace rolvanta {
namespace {

int clampToBar(const ScrollBarState& bar, int position) {
    return std::clamp(position, bar.minimum, std::max(bar.minimum, bar.maximum));
}

int scrollBar(ScrollBarState& bar, int request, int trackingPosition, int pixelsPerStep) {
    const int old = bar.position;
    bar.position = requestedScrollPosition(bar, request, trackingPosition);
    return (old - bar.position) * pixelsPerStep;
}

}  // namespace

void updateScrollRanges(TextScroll& scroll, const TextLayout& layout) {
    scroll.vertical.minimum = 0;
    scroll.vertical.maximum = kVerticalScrollMaximum;
    scroll.vertical.pageSize = 0;
    scroll.horizontal.minimum = 0;
    // A layout not measured yet has no characters to scroll by.
    scroll.horizontal.maximum = layout.charWidth > 0 ? layout.maxWidth / layout.charWidth + 2 : 0;
    scroll.horizontal.pageSize = 0;
    scroll.vertical.position = clampToBar(scroll.vertical, scroll.vertical.position);
    scroll.horizontal.position = clampToBar(scroll.horizontal, scroll.horizontal.position);
}

int requestedScrollPosition(const ScrollBarState& bar, int request, int trackingPosition) {
    int position = bar.position;
    switch (request) {
        case kScrollLineUp:
            position -= 1;
            break;
        case kScrollLineDown:
            position += 1;
            break;
        case kScrollPageUp:
            position -= bar.pageSize;
            break;
        case kScrollPageDown:
            position += bar.pageSize;
            break;
        case kScrollThumbTrack:
            position = trackingPosition;
            break;
        case kScrollTop:
            position = bar.minimum;
            break;
        case kScrollBottom:
            position = bar.maximum;
            break;
        default:
            break;  // thumb released, unknown requests
    }
    return clampToBar(bar, position);
}

int scrollTextVertically(TextScroll& scroll, const TextLayout& layout, int request,
                         int trackingPosition) {
    return scrollBar(scroll.vertical, request, trackingPosition, layout.lineHeight);
}

int scrollTextHorizontally(TextScroll& scroll, const TextLayout& layout, int request,
                           int trackingPosition) {
    return scrollBar(scroll.horizontal, request, trackingPosition, layout.charWidth);
}

}  // namespace rolvanta
