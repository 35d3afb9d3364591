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

int scrollBar(ScrollBarState& bar, ScrollRequest request, int trackingPosition, int pixelsPerStep) {
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

int requestedScrollPosition(const ScrollBarState& bar, ScrollRequest request,
                            int trackingPosition) {
    int position = bar.position;
    switch (request) {
        case ScrollRequest::LineUp:
            position -= 1;
            break;
        case ScrollRequest::LineDown:
            position += 1;
            break;
        case ScrollRequest::PageUp:
            position -= bar.pageSize;
            break;
        case ScrollRequest::PageDown:
            position += bar.pageSize;
            break;
        case ScrollRequest::ThumbTrack:
            position = trackingPosition;
            break;
        case ScrollRequest::Top:
            position = bar.minimum;
            break;
        case ScrollRequest::Bottom:
            position = bar.maximum;
            break;
        case ScrollRequest::ThumbReleased:
            break;
    }
    return clampToBar(bar, position);
}

int scrollTextVertically(TextScroll& scroll, const TextLayout& layout, ScrollRequest request,
                         int trackingPosition) {
    return scrollBar(scroll.vertical, request, trackingPosition, layout.lineHeight);
}

int scrollTextHorizontally(TextScroll& scroll, const TextLayout& layout, ScrollRequest request,
                           int trackingPosition) {
    return scrollBar(scroll.horizontal, request, trackingPosition, layout.charWidth);
}

PixelShift scrollTextByKey(TextScroll& scroll, const TextLayout& layout, TextScrollKey key) {
    switch (key) {
        case TextScrollKey::Up:
            return {0, scrollTextVertically(scroll, layout, ScrollRequest::LineUp, 0)};
        case TextScrollKey::Down:
            return {0, scrollTextVertically(scroll, layout, ScrollRequest::LineDown, 0)};
        case TextScrollKey::Left:
            return {scrollTextHorizontally(scroll, layout, ScrollRequest::LineUp, 0), 0};
        case TextScrollKey::Right:
            return {scrollTextHorizontally(scroll, layout, ScrollRequest::LineDown, 0), 0};
        case TextScrollKey::PageUp:
            return {0, scrollTextVertically(scroll, layout, ScrollRequest::PageUp, 0)};
        case TextScrollKey::PageDown:
            return {0, scrollTextVertically(scroll, layout, ScrollRequest::PageDown, 0)};
        case TextScrollKey::Home:
            return {0, scrollTextVertically(scroll, layout, ScrollRequest::Top, 0)};
        case TextScrollKey::End:
            return {0, scrollTextVertically(scroll, layout, ScrollRequest::Bottom, 0)};
    }
    return {};
}

}  // namespace rolvanta
