#pragma once

// What the pass view needs from a 2-D line renderer. Positions are in the
// drawing space 0..1000 on both axes, mapped onto the current viewport;
// viewports are in window pixels from the bottom-left corner. Nothing here
// reports failure: a renderer that cannot draw simply shows nothing.

#include <cstdint>
#include <string_view>

#include "engine/section_outline.h"

namespace rolvanta {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend bool operator==(Rgb a, Rgb b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

// The two text faces of the view, both "Times": the caption 32 pixels high,
// the labels of the dimension panel 15 pixels.
enum class TextFont { caption, label };

class LineCanvas {
  public:
    virtual ~LineCanvas() = default;

    // Clears the whole window to black.
    virtual void clear() = 0;
    virtual void setViewport(int x, int y, int width, int height) = 0;
    virtual void setLineWidth(float width) = 0;
    // The colour of the lines and texts that follow.
    virtual void setColour(Rgb colour) = 0;
    // One closed loop through count points.
    virtual void drawLineLoop(const OutlinePoint* points, int count) = 0;
    virtual void drawLine(OutlinePoint from, OutlinePoint to) = 0;
    // Text whose first glyph starts on its baseline at the raster position,
    // in the current colour, unscaled by the viewport. The text is
    // Windows-1252 bytes.
    virtual void drawText(TextFont font, OutlinePoint rasterPosition, std::string_view text) = 0;
    virtual void pushMatrix() = 0;
    virtual void popMatrix() = 0;
};

}  // namespace rolvanta
