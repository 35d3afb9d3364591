#include "display/text_layout.h"

#include <algorithm>

namespace rolvanta {

TextLayout measureTextMetrics(const FontMeasures& font, int pageFontHeight) {
    TextLayout layout;
    layout.lineHeight = std::max(font.height + font.externalLeading, pageFontHeight);
    layout.charWidth = font.averageCharWidth;
    layout.capsWidth = (font.variablePitch ? 3 : 2) * layout.charWidth / 2;
    layout.maxWidth = 40 * layout.charWidth + 22 * layout.capsWidth;
    return layout;
}

}  // namespace rolvanta
