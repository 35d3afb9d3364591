#pragma once

// Where the parts of the pass view go in a window of any size: the panel of
// dimensions, the legend of pass colours and the pass labels beside their
// outlines. Everything in view pixels (see view_transform.h), measured with
// the renderer's faces; nothing here draws.

#include "display/line_canvas.h"
#include "display/section_outline.h"
#include "display/view_transform.h"
#include "engine/project_records.h"

namespace rolvanta {

// An outline in the view.
struct ViewOutline {
    ViewPoint points[kOutlinePointCount];
};

// The panel: lines of a label and a value (a heading has no value). The
// lines run down a column at a pitch that spreads them over the height they
// have, down to a tight pitch; where even that does not fit they flow into
// as many columns as it takes, so no line is ever left out. Labels are set
// flush left, values flush right in their column.
constexpr int kMostPanelLines = 16;

struct PanelLineExtent {
    TextExtent label;
    TextExtent value;  // width 0: a heading
};

struct PanelLayout {
    int count = 0;
    int columns = 1;
    int rows = 0;
    double pitch = 0;
    ViewRect box{};  // the texts' extent
    ViewPoint label[kMostPanelLines]{};
    ViewPoint value[kMostPanelLines]{};  // where each value's baseline starts
};

// Lays out count lines (at most kMostPanelLines) from the top-left corner of
// the area, which gives the height they have; the width is what they need.
PanelLayout layoutPanel(const PanelLineExtent* lines, int count, const ViewRect& area);

// The legend: a heading and, for each outline, a colour swatch with its
// name (a pass number, or the bar in). Either a band across the top of the
// area, wrapping into as many rows as the width needs, or a column at its
// right, in as many columns as the height needs; in both it sits in the
// top-right corner.
enum class LegendPlace { TopBand, RightColumn };

struct LegendLayout {
    int count = 0;
    ViewRect box{};
    ViewPoint heading{};
    ViewRect swatch[kPassTableSize]{};
    ViewPoint number[kPassTableSize]{};
};

// items: the extent of each name, which its cell is made as wide as.
LegendLayout layoutLegend(const TextExtent* items, int count, TextExtent heading,
                          const ViewRect& area, LegendPlace place);

// The area left to the drawing beside the legend.
ViewRect areaBesideLegend(const ViewRect& area, const LegendLayout& legend, LegendPlace place);

// A pass label set beside its outline, joined to it by a short leader.
struct PlacedLabel {
    bool placed = false;
    ViewRect box{};
    ViewPoint baseline{};
    ViewPoint anchor{};     // on the outline
    ViewPoint leaderEnd{};  // on the label's box
};

// How far a label stands off its outline, and the room a label needs beside
// the drawing for it.
constexpr double kLabelDistance = 7;
double labelRoom(TextExtent size);

// Places each outline's label beside it, outside it and off its lines,
// inside the bounds and clear of the obstacle and of the labels already
// placed, preferring places where it crosses the fewest other outlines.
// An outline with no such place (zoomed far in, say) goes unlabelled.
void placeOutlineLabels(const ViewOutline* outlines, const TextExtent* sizes, int count,
                        const ViewRect& bounds, const ViewRect& obstacle, PlacedLabel* labels);

// Whether the segment from a to b meets the rectangle.
bool segmentMeetsRect(ViewPoint a, ViewPoint b, const ViewRect& rect);

}  // namespace rolvanta
