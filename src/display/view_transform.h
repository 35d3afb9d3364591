#pragma once

// Where the pass view's drawing lands in the window. The drawing space is in
// millimetres of the section, y upwards (see section_outline.h); the view is
// in pixels of the window at a device pixel ratio of 1, from its top-left
// corner, y downwards. A transform scales uniformly and shifts; the fit puts
// a box of the drawing in the middle of an area of the view, as large as it
// goes, and the zoom keeps the user's own scale and position from there.

#include "display/section_outline.h"

namespace rolvanta {

// A coordinate as a drawing-space float: beyond a float's range it becomes
// infinite rather than undefined.
float toDrawingFloat(double value);

struct ViewPoint {
    double x;
    double y;
};

struct ViewRect {
    double left;
    double top;
    double width;
    double height;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    ViewPoint centre() const { return {left + width / 2, top + height / 2}; }
    bool contains(ViewPoint p) const {
        return p.x >= left && p.x <= right() && p.y >= top && p.y <= bottom();
    }
    bool containsRect(const ViewRect& r) const {
        return r.left >= left && r.right() <= right() && r.top >= top && r.bottom() <= bottom();
    }
    bool intersects(const ViewRect& r) const {
        return r.left < right() && left < r.right() && r.top < bottom() && top < r.bottom();
    }
};

// A box of the drawing space; empty until a point is added.
struct DrawingBox {
    double minX = 0;
    double minY = 0;
    double maxX = 0;
    double maxY = 0;
    bool empty = true;

    // Points that are not finite numbers are left out.
    void add(OutlinePoint p);
    void add(const SectionOutline& outline);
    double width() const { return maxX - minX; }
    double height() const { return maxY - minY; }
};

// Pixels kept free between the area's edges and the fitted box, for what is
// drawn beside the drawing (dimension lines, labels).
struct ViewPadding {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

struct ViewTransform {
    double scale = 1;    // pixels per millimetre
    double originX = 0;  // where the drawing's (0, 0) lies in the view
    double originY = 0;

    ViewPoint toView(OutlinePoint p) const {
        return {originX + scale * p.x, originY - scale * p.y};
    }
    OutlinePoint toDrawing(ViewPoint p) const {
        return {toDrawingFloat((p.x - originX) / scale), toDrawingFloat((originY - p.y) / scale)};
    }
};

// The largest uniform scale at which the box fits into the area less the
// padding, with the box centred there. A box with no extent along an axis
// fits along the other; an empty box, or an area smaller than its padding,
// still gives a usable (small) transform centred on the area.
ViewTransform fitTransform(const DrawingBox& box, const ViewRect& area, const ViewPadding& padding);

// The user's zoom and pan of the pass view. While fitted, every frame fits
// its drawing to the window; once the user zooms or drags, the scale and the
// drawing point at the middle of the area stay as set, whatever pass is shown
// and however the window changes, until the view is fitted again.
struct PassViewZoom {
    bool fitted = true;
    double scale = 1;    // pixels per millimetre
    double centreX = 0;  // the drawing point shown at the middle of the area
    double centreY = 0;
};

// How far the user can zoom, as multiples of the fitted scale.
constexpr double kSmallestZoom = 0.25;
constexpr double kLargestZoom = 64.0;
// One step of the wheel or of the + and - keys.
constexpr double kZoomStep = 1.25;

// The transform a frame draws with: the fit, or the user's zoom and pan.
ViewTransform zoomedTransform(const PassViewZoom& zoom, const ViewTransform& fit,
                              const ViewRect& area);

// Zooms by factor (above 1 in, below 1 out) keeping the drawing point under
// `at` where it is; the scale stays within the zoom limits about the fit.
void zoomAbout(PassViewZoom& zoom, const ViewTransform& fit, const ViewRect& area, ViewPoint at,
               double factor);

// Moves the drawing by dx, dy pixels.
void panBy(PassViewZoom& zoom, const ViewTransform& fit, const ViewRect& area, double dx,
           double dy);

}  // namespace rolvanta
