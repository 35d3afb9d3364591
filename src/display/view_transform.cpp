#include "display/view_transform.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rolvanta {

float toDrawingFloat(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (value > kLargest) return std::numeric_limits<float>::infinity();
    if (value < -kLargest) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);  // a NaN stays one
}

void DrawingBox::add(OutlinePoint p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    if (empty) {
        minX = maxX = p.x;
        minY = maxY = p.y;
        empty = false;
        return;
    }
    minX = std::min(minX, double{p.x});
    maxX = std::max(maxX, double{p.x});
    minY = std::min(minY, double{p.y});
    maxY = std::max(maxY, double{p.y});
}

void DrawingBox::add(const SectionOutline& outline) {
    for (const OutlinePoint& p : outline.points) add(p);
}

ViewTransform fitTransform(const DrawingBox& box, const ViewRect& area,
                           const ViewPadding& padding) {
    // Whatever the window, keep at least a pixel to fit into.
    const double width = std::max(1.0, area.width - padding.left - padding.right);
    const double height = std::max(1.0, area.height - padding.top - padding.bottom);
    const double innerX = area.left + padding.left + width / 2;
    const double innerY = area.top + padding.top + height / 2;

    // A single point, or no point at all: one pixel per millimetre.
    double scale = 1;
    const bool hasWidth = !box.empty && box.width() > 0;
    const bool hasHeight = !box.empty && box.height() > 0;
    if (hasWidth && hasHeight) {
        scale = std::min(width / box.width(), height / box.height());
    } else if (hasWidth) {
        scale = width / box.width();
    } else if (hasHeight) {
        scale = height / box.height();
    }
    // A section thousands of kilometres wide still gets a drawable scale.
    if (!(scale > 1e-9) || !std::isfinite(scale)) scale = 1e-9;

    const double centreX = box.empty ? 0 : (box.minX + box.maxX) / 2;
    const double centreY = box.empty ? 0 : (box.minY + box.maxY) / 2;
    return {scale, innerX - scale * centreX, innerY + scale * centreY};
}

namespace {
void keep(PassViewZoom& zoom, const ViewTransform& transform, const ViewRect& area) {
    const ViewPoint middle = area.centre();
    zoom.fitted = false;
    zoom.scale = transform.scale;
    zoom.centreX = (middle.x - transform.originX) / transform.scale;
    zoom.centreY = (transform.originY - middle.y) / transform.scale;
}
}  // namespace

ViewTransform zoomedTransform(const PassViewZoom& zoom, const ViewTransform& fit,
                              const ViewRect& area) {
    if (zoom.fitted || !(zoom.scale > 0) || !std::isfinite(zoom.scale)) return fit;
    const ViewPoint middle = area.centre();
    return {zoom.scale, middle.x - zoom.scale * zoom.centreX, middle.y + zoom.scale * zoom.centreY};
}

void zoomAbout(PassViewZoom& zoom, const ViewTransform& fit, const ViewRect& area, ViewPoint at,
               double factor) {
    if (!(factor > 0) || !std::isfinite(factor)) return;
    const ViewTransform before = zoomedTransform(zoom, fit, area);
    const double scale =
        std::clamp(before.scale * factor, fit.scale * kSmallestZoom, fit.scale * kLargestZoom);
    // The drawing point under `at` stays under it.
    const double x = (at.x - before.originX) / before.scale;
    const double y = (before.originY - at.y) / before.scale;
    keep(zoom, {scale, at.x - scale * x, at.y + scale * y}, area);
}

void panBy(PassViewZoom& zoom, const ViewTransform& fit, const ViewRect& area, double dx,
           double dy) {
    if (!std::isfinite(dx) || !std::isfinite(dy)) return;
    ViewTransform moved = zoomedTransform(zoom, fit, area);
    moved.originX += dx;
    moved.originY += dy;
    keep(zoom, moved, area);
}

}  // namespace rolvanta
