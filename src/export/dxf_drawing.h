#pragma once

// The pass drawings for CAD programs, as DXF (AutoCAD 2000, text). Every
// pass the report lists (pass table records 0 to passCount - 2, passes 2 to
// passCount) is one closed polyline through its fifteen outline points, in
// millimetres at 1:1, on a layer of its own ("PASS_02", "PASS_03", ...) in
// its pass colour, true colour with the nearest indexed colour beside it.
// The outlines lie over one another as in the pass view's overview, moved so
// that the view's reference point of the web (x 437, y 350) is the origin.
// Each pass number is a text on its layer, in a column to the right of the
// outlines. The header gives millimetres as the units and the drawing's
// extents. The text is ASCII with LF line ends, numbers with "." in any
// locale.

#include <string>
#include <vector>

#include "display/line_canvas.h"
#include "display/section_outline.h"
#include "engine/project_records.h"

namespace rolvanta {

struct DrawingPoint {
    double x;
    double y;
};

// The outline of the record at position in drawing millimetres.
std::vector<DrawingPoint> drawingOutline(int position, const PassRecord& record);

// "PASS_02" for position 0: the pass number with two digits.
std::string passLayerName(int position);

// The indexed colour (1 to 255) nearest to colour, by the distance of the
// red, green and blue channels.
int nearestIndexedColour(Rgb colour);

// Every drawn pass in one drawing.
std::string formatPassDrawingsDxf(const Project& project);

// The pass at position alone, its outline placed as in the drawing of all
// passes. A position outside the pass table gives an empty drawing.
std::string formatPassDrawingDxf(const Project& project, int position);

}  // namespace rolvanta
