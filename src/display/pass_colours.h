#pragma once

// The fixed colour of each pass table position in the pass view. The table
// comes from the classic C runtime's pseudo-random sequence, so every run and
// every machine shows a pass in the same colour.

#include "display/line_canvas.h"
#include "engine/project_records.h"

namespace rolvanta {

struct PassColours {
    Rgb entries[kPassTableSize];
};

// Each channel is the next value of the sequence modulo 255 (so 0..254),
// red, green and blue in turn, position 0 first.
PassColours makePassColours();

// The colour of a position, which is bounded to the table.
Rgb passColour(const PassColours& colours, int position);

// The contrast of two colours as the web's accessibility guidelines reckon
// it: (L1 + 0.05) / (L2 + 0.05) of their relative luminances, lighter first;
// 1 for the same colour, 21 for white on black.
double contrastRatio(Rgb a, Rgb b);

// The colour mixed with white in the smallest step that gives at least the
// contrast asked for against the background; the colour itself when it
// already does.
Rgb lightenedToContrast(Rgb colour, Rgb background, double ratio);

}  // namespace rolvanta
