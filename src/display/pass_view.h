#pragma once

// One frame of the pass view, laid out for the window it is drawn in and
// drawn through a LineCanvas. The view has two faces, chosen by the cursor:
// the overview, where the outlines of all computed passes lie over one
// another each in its own colour, labelled with their pass numbers, with the
// bar that enters the mill among them in grey, labelled "IN", and a legend
// of the colours; and the single-pass view with the pass's outline
// and its dimension lines, a panel of its dimensions and a caption with its
// pass number. Both fit the drawing to the window unless the user zoomed or
// panned. A frame reads the project and writes nothing; a cursor or pass
// count beyond the 15-record pass table never reaches past it, and a frame
// allocates nothing.

#include <cstddef>
#include <string_view>

#include "display/line_canvas.h"
#include "display/pass_colours.h"
#include "display/pass_notes.h"
#include "display/pass_view_cursor.h"
#include "display/pass_view_layout.h"
#include "display/section_dimensions.h"
#include "display/view_transform.h"
#include "engine/project_records.h"

namespace rolvanta {

// The window: its size in pixels at a device pixel ratio of 1, and the ratio.
struct ViewGeometry {
    double width;
    double height;
    double pixelRatio;
};

// Between the window's edges and whatever is drawn near them.
constexpr double kViewMargin = 16;

// Colours of the view on its black background. Every text reads on black
// with a contrast of at least 4.5 : 1; the panel's values keep the teal of
// the old panel, lightened where it would read less well.
constexpr Rgb kViewBackground{0, 0, 0};
constexpr Rgb kViewTextColour{232, 232, 232};
constexpr Rgb kPanelTealColour{64, 128, 128};
Rgb panelValueColour();
constexpr Rgb kSeparatorGrey{128, 128, 128};
constexpr Rgb kDimensionLineColour{176, 176, 176};
constexpr Rgb kLeaderColour{150, 150, 150};
// The bar in is no pass: it is drawn in a grey apart from the passes' colours
// and the view's other greys, beneath the passes, at a contrast of 3.3 : 1.
constexpr Rgb kBarInColour{96, 96, 96};

// The overview's caption when the bar in is no sound section.
constexpr const char* kBarInOutOfFit =
    "Bar in left out of the fit: its outline is not a sound section";

// Width of the outlines in device pixels: 1.5 pixels scaled by the ratio,
// never under 1 (and so at least 2 from a ratio of 2 up).
float outlineWidth(double pixelRatio);
// Width of the thin lines (separator, dimension lines, leaders, swatches).
float thinLineWidth(double pixelRatio);

// A short text held in the frame.
struct FrameText {
    char chars[64];
    std::size_t length = 0;

    std::string_view view() const { return {chars, length}; }
};

// A dimension line as the view draws it.
struct ViewDimension {
    ViewPoint lines[16];  // segments: the line, the extension lines, the arrows
    int lineEnds = 0;
    ViewPoint textAt{};
    FrameText text;
};

constexpr int kPanelLineCount = 14;

struct PassViewFrame {
    bool overview = true;
    // The face has something to draw (a computed pass, or passes).
    bool drawn = false;

    // Where the drawing is fitted, which the zoom keeps its centre in; what
    // the outlines are clipped to; the fitted and the shown transform.
    ViewRect drawingArea{};
    ViewRect clip{};
    ViewTransform fit;
    ViewTransform transform;

    float outlineWidth = 1;
    float thinWidth = 1;

    int outlineCount = 0;
    ViewOutline outlines[kPassTableSize]{};
    Rgb colours[kPassTableSize]{};

    // The overview. The bar in is its last outline; it is left out of the
    // fit when it is not a sound section, which the caption then says.
    PlacedLabel labels[kPassTableSize]{};
    FrameText labelTexts[kPassTableSize];
    LegendLayout legend;
    int barIn = -1;
    bool barInFitted = true;

    // The single pass.
    PanelLayout panel;
    std::string_view panelLabels[kPanelLineCount]{};
    FrameText panelValues[kPanelLineCount];
    double separatorX = 0;
    ViewDimension dimensions[kDimensionLineCount];
    ViewPoint captionAt{};
    FrameText caption;      // the single pass's; the overview's while it has one
    ViewRect captionBox{};  // the overview's caption, cleared behind it
    // The pass's notes beneath the caption (display/pass_notes.h).
    int noteCount = 0;
    std::string_view notes[kShownPassNotes + 1]{};
    ViewPoint notesAt[kShownPassNotes + 1]{};
};

// Lays out the frame for the cursor's face, the zoom and the window. While
// nothing is computed nothing is drawn: the view shows passViewHint instead.
// A single pass with notes has them beneath its caption; the frame refers to
// the notes' texts, which must outlive it.
void layoutPassView(PassViewFrame& frame, const Project& project, const PassViewCursor& cursor,
                    const PassColours& colours, const PassViewZoom& zoom,
                    const ViewGeometry& geometry, const TextMeasure& measure,
                    const PassNotes* notes = nullptr);

// Draws a laid-out frame.
void drawPassView(LineCanvas& canvas, const PassViewFrame& frame);

// Both: one frame of the view.
void renderPassView(LineCanvas& canvas, const Project& project, const PassViewCursor& cursor,
                    const PassColours& colours, const PassViewZoom& zoom,
                    const ViewGeometry& geometry, const PassNotes* notes = nullptr);

// The line the view shows, centred, in place of passes it does not have
// (UTF-8); null once a schedule of one pass or more has been computed.
const char* passViewHint(const Project& project);

// What the user asks of the view's zoom with the keyboard.
enum class ViewZoomKey { ZoomIn, ZoomOut, Fit };

// Applies a key to the zoom, about the middle of the drawing area.
void zoomByKey(PassViewZoom& zoom, const PassViewFrame& frame, ViewZoomKey key);

}  // namespace rolvanta
