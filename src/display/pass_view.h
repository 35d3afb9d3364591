#pragma once

// One frame of the pass view, drawn through a LineCanvas. The view has two
// faces, chosen by the cursor: the overview, where the outlines of all
// computed passes lie over one another each in its own colour, and the
// single-pass view with the pass's outline, a panel of its dimensions and a
// caption with its pass number. A frame reads the project and writes nothing;
// a cursor or pass count beyond the 15-record pass table never reaches past it.

#include "display/line_canvas.h"
#include "display/pass_colours.h"
#include "display/pass_view_cursor.h"
#include "display/section_outline.h"
#include "engine/project_records.h"

namespace rolvanta {

// Draws nothing but the black background while nothing is computed: the
// view then shows passViewHint instead.
void renderPassView(LineCanvas& canvas, const Project& project, const PassViewCursor& cursor,
                    const PassColours& colours);

// The line the view shows, centred, in place of passes it does not have
// (UTF-8); null once a schedule has been computed.
const char* passViewHint(const Project& project);

// The record's dimensions as labelled lines at the left edge, in millimetres
// with two decimals, in the panel colour.
void drawDimensionPanel(LineCanvas& canvas, const PassRecord& record);

// The grey line between the panel and the outline.
void drawPanelSeparator(LineCanvas& canvas);

// The outline as one closed loop in the current colour.
void drawSectionOutline(LineCanvas& canvas, const SectionOutline& outline);

// Side in pixels of the square viewport of the overview: the web width in
// millimetres plus 100, truncated, taken as pixels (0 for a web width that is
// not a number, and never more than the largest viewport a window can have).
int overviewViewportSize(const BeamSection& section);

}  // namespace rolvanta
