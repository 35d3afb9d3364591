#include "display/text_scroll.h"

#include <algorithm>

namespace rolvanta {
namespace {

int clampToBar(const ScrollBarState& bar, int position) {
    return std::clamp(position, bar.minimum, std::max(bar.minimum, bar.maximum));
}

// A bar moving content of contentPixels through a view of viewPixels in
// steps of stepPixels. A layout not measured yet has nothing to scroll by.
void fitBar(ScrollBarState& bar, int contentPixels, int viewPixels, int stepPixels) {
    bar.minimum = 0;
    if (stepPixels <= 0) {
        bar.maximum = bar.pageSize = bar.position = 0;
        return;
    }
    const int hidden = std::max(0, contentPixels - std::max(0, viewPixels));
    bar.maximum = (hidden + stepPixels - 1) / stepPixels;
    bar.pageSize = std::max(1, viewPixels / stepPixels);
    bar.position = clampToBar(bar, bar.position);
}

int scrollBar(ScrollBarState& bar, int request, int trackingPosition, int pixelsPerStep) {
    const int old = bar.position;
    bar.position = requestedScrollPosition(bar, request, trackingPosition);
    return (old - bar.position) * pixelsPerStep;
}

}  // namespace

void updateScrollRanges(TextScroll& scroll, const TextLayout& layout, PixelSize page,
                        PixelSize client) {
    fitBar(scroll.vertical, page.height, client.height, layout.lineHeight);
    fitBar(scroll.horizontal, page.width, client.width, layout.charWidth);
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

PixelShift scrollTextByKey(TextScroll& scroll, const TextLayout& layout, TextScrollKey key) {
    switch (key) {
        case TextScrollKey::up:
            return {0, scrollTextVertically(scroll, layout, kScrollLineUp, 0)};
        case TextScrollKey::down:
            return {0, scrollTextVertically(scroll, layout, kScrollLineDown, 0)};
        case TextScrollKey::left:
            return {scrollTextHorizontally(scroll, layout, kScrollLineUp, 0), 0};
        case TextScrollKey::right:
            return {scrollTextHorizontally(scroll, layout, kScrollLineDown, 0), 0};
        case TextScrollKey::pageUp:
            return {0, scrollTextVertically(scroll, layout, kScrollPageUp, 0)};
        case TextScrollKey::pageDown:
            return {0, scrollTextVertically(scroll, layout, kScrollPageDown, 0)};
        case TextScrollKey::home:
            return {0, scrollTextVertically(scroll, layout, kScrollTop, 0)};
        case TextScrollKey::end:
            return {0, scrollTextVertically(scroll, layout, kScrollBottom, 0)};
    }
    return {};
}

}  // namespace rolvanta
