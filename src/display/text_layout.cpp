#include "display/text_layout.h"

namespace rolvanta {

TextLayout measureTextMetrics(const FontMeasures& font) {
    TextLayout layout;
    layout.lineHeight = font.height + font.externalLeading;
    layout.charWidth = font.averageCharWidth;
    layout.capsWidth = (font.variablePitch ? 3 : 2) * layout.charWidth / 2;
    layout.maxWidth = 40 * layout.charWidth + 22 * layout.capsWidth;
    return layout;
}

}  // namespace rolvanta
