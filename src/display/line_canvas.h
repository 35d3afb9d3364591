#pragma once

// What the pass view needs from a 2-D line renderer. Positions are in pixels
// of the view at a device pixel ratio of 1, from its top-left corner, y
// downwards; the renderer scales them to its device pixels. Nothing here
// reports failure: a renderer that cannot draw simply shows nothing.

#include <cstdint>
#include <string_view>

#include "display/view_transform.h"

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

// The two text faces of the view, both the program's serif: the caption with
// an em of 28 pixels, and the labels of the panel, the dimension lines, the
// passes and the legend with an em of 15 pixels (at a pixel ratio of 1; the
// renderer scales them with the ratio). Drawn without antialiasing.
enum class TextFont { Caption, Label };

// The measures of a text in a face, in view pixels.
struct TextExtent {
    double width = 0;
    double ascent = 0;   // above the baseline
    double descent = 0;  // below it

    double height() const { return ascent + descent; }
};

class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // The text is Windows-1252 bytes; an empty text gives the face's ascent
    // and descent with no width.
    virtual TextExtent measureText(TextFont font, std::string_view text) const = 0;
};

class LineCanvas : public TextMeasure {
  public:
    // Clears the whole view to black.
    virtual void clear() = 0;
    // Lines and texts that follow show only inside the rectangle; a clip
    // with no area lifts the clip.
    virtual void setClip(const ViewRect& rect) = 0;
    // Width of the lines that follow in device pixels.
    virtual void setLineWidth(float devicePixels) = 0;
    // The colour of the lines, fills and texts that follow.
    virtual void setColour(Rgb colour) = 0;
    // One closed loop through count points.
    virtual void drawLineLoop(const ViewPoint* points, int count) = 0;
    // count / 2 separate segments, from ends[0] to ends[1] and so on.
    virtual void drawLines(const ViewPoint* ends, int count) = 0;
    virtual void fillRect(const ViewRect& rect) = 0;
    // Text whose first glyph starts on its baseline at the point, in the
    // current colour. The text is Windows-1252 bytes.
    virtual void drawText(TextFont font, ViewPoint baseline, std::string_view text) = 0;
};

}  // namespace rolvanta
