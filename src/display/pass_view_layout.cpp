#include "display/pass_view_layout.h"

#include <algorithm>
#include <cmath>

namespace rolvanta {

namespace {
// Between a label and its value, and between the panel's columns.
constexpr double kValueGap = 12;
constexpr double kColumnGap = 28;
// Line pitch as multiples of the text height: spread out, and tight.
constexpr double kWidePitch = 1.7;
constexpr double kTightPitch = 1.15;
// Between the legend and the drawing, and within the legend.
constexpr double kLegendGap = 12;
constexpr double kSwatchGap = 5;
constexpr double kLegendItemGap = 14;
}  // namespace

PanelLayout layoutPanel(const PanelLineExtent* lines, int count, const ViewRect& area) {
    PanelLayout layout;
    count = std::clamp(count, 0, kMostPanelLines);
    layout.count = count;
    if (count == 0) {
        layout.box = {area.left, area.top, 0, 0};
        return layout;
    }
    double ascent = 0;
    double descent = 0;
    for (int i = 0; i < count; ++i) {
        ascent = std::max({ascent, lines[i].label.ascent, lines[i].value.ascent});
        descent = std::max({descent, lines[i].label.descent, lines[i].value.descent});
    }
    const double height = ascent + descent;
    const double tight = std::ceil(height * kTightPitch);

    int columns = 1;
    while (columns < count && ((count + columns - 1) / columns) * tight > area.height) ++columns;
    const int rows = (count + columns - 1) / columns;
    layout.columns = columns;
    layout.rows = rows;
    layout.pitch =
        std::clamp(std::floor(area.height / rows), tight, std::ceil(height * kWidePitch));

    double left = area.left;
    for (int column = 0; column < columns; ++column) {
        const int first = column * rows;
        const int last = std::min(count, first + rows);
        double labelWidth = 0;
        double valueWidth = 0;
        double headingWidth = 0;
        for (int i = first; i < last; ++i) {
            if (lines[i].value.width > 0) {
                labelWidth = std::max(labelWidth, lines[i].label.width);
                valueWidth = std::max(valueWidth, lines[i].value.width);
            } else {
                headingWidth = std::max(headingWidth, lines[i].label.width);
            }
        }
        const double width =
            std::max(headingWidth, valueWidth > 0 ? labelWidth + kValueGap + valueWidth : 0.0);
        for (int i = first; i < last; ++i) {
            const double baseline = area.top + (i - first) * layout.pitch + ascent;
            layout.label[i] = {left, baseline};
            layout.value[i] = {left + width - lines[i].value.width, baseline};
        }
        left += width + (column + 1 < columns ? kColumnGap : 0);
    }
    layout.box = {area.left, area.top, left - area.left, (rows - 1) * layout.pitch + height};
    return layout;
}

LegendLayout layoutLegend(const TextExtent* items, int count, TextExtent heading,
                          const ViewRect& area, LegendPlace place) {
    LegendLayout legend;
    count = std::clamp(count, 0, kPassTableSize);
    legend.count = count;
    if (count == 0) return legend;
    TextExtent tallest;
    for (int i = 0; i < count; ++i) {
        if (items[i].height() > tallest.height()) tallest = items[i];
    }
    const double textHeight = std::max(heading.height(), tallest.height());
    const double swatch = std::round(tallest.height() * 0.8);
    const auto itemWidth = [&](int i) { return swatch + kSwatchGap + items[i].width; };
    const double pitch = std::ceil(textHeight * 1.3);
    const double headingWidth = heading.width + kLegendItemGap;

    // Each item's cell from the legend's top-left corner.
    double cellX[kPassTableSize];
    double cellY[kPassTableSize];
    double width = 0;
    double height = 0;
    if (place == LegendPlace::TopBand) {
        // Items run across behind the heading and wrap under it.
        const double room = area.width - headingWidth;
        double x = 0;
        int line = 0;
        for (int i = 0; i < count; ++i) {
            if (x > 0 && x + itemWidth(i) > room) {
                ++line;
                x = 0;
            }
            cellX[i] = headingWidth + x;
            cellY[i] = line * pitch;
            x += itemWidth(i);
            width = std::max(width, headingWidth + x);
            x += kLegendItemGap;
        }
        height = (line + 1) * pitch;
    } else {
        // The heading above, items down in columns as wide as their widest.
        const int perLine = std::clamp(static_cast<int>((area.height - pitch) / pitch), 1, count);
        double x = 0;
        for (int first = 0; first < count; first += perLine) {
            const int last = std::min(count, first + perLine);
            double columnWidth = 0;
            for (int i = first; i < last; ++i) {
                cellX[i] = x;
                cellY[i] = (i - first + 1) * pitch;
                columnWidth = std::max(columnWidth, itemWidth(i));
            }
            x += columnWidth + (last < count ? kLegendItemGap : 0);
        }
        width = std::max(heading.width, x);
        height = (std::min(perLine, count) + 1) * pitch;
    }
    const double left = area.right() - width;
    const double top = area.top;
    legend.box = {left, top, width, height};
    const double baselineShift =
        (pitch - textHeight) / 2 + std::max(heading.ascent, tallest.ascent);
    legend.heading = {left, top + baselineShift};
    for (int i = 0; i < count; ++i) {
        const double x = left + cellX[i];
        const double y = top + cellY[i];
        legend.swatch[i] = {x, y + (pitch - swatch) / 2, swatch, swatch};
        legend.number[i] = {x + swatch + kSwatchGap, y + baselineShift};
    }
    return legend;
}

ViewRect areaBesideLegend(const ViewRect& area, const LegendLayout& legend, LegendPlace place) {
    if (legend.count == 0) return area;
    if (place == LegendPlace::TopBand) {
        const double used = legend.box.height + kLegendGap;
        return {area.left, area.top + used, area.width, std::max(1.0, area.height - used)};
    }
    const double used = legend.box.width + kLegendGap;
    return {area.left, area.top, std::max(1.0, area.width - used), area.height};
}

double labelRoom(TextExtent size) {
    return kLabelDistance + std::max(size.width, size.height()) + 2;
}

bool segmentMeetsRect(ViewPoint a, ViewPoint b, const ViewRect& rect) {
    // Liang and Barsky's clipping of the segment against the four sides.
    double enter = 0;
    double leave = 1;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - rect.left, rect.right() - a.x, a.y - rect.top, rect.bottom() - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
        if (enter > leave) return false;
    }
    return true;
}

namespace {
bool outlineMeetsRect(const ViewOutline& outline, const ViewRect& rect) {
    for (int i = 0; i + 1 < kOutlinePointCount; ++i) {
        if (segmentMeetsRect(outline.points[i], outline.points[i + 1], rect)) return true;
    }
    return false;
}

bool insideOutline(const ViewOutline& outline, ViewPoint p) {
    bool inside = false;
    for (int i = 0, j = kOutlinePointCount - 1; i < kOutlinePointCount; j = i++) {
        const ViewPoint a = outline.points[i];
        const ViewPoint b = outline.points[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

ViewRect boundsOf(const ViewOutline& outline) {
    double minX = outline.points[0].x;
    double maxX = minX;
    double minY = outline.points[0].y;
    double maxY = minY;
    for (const ViewPoint& p : outline.points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    return {minX, minY, maxX - minX, maxY - minY};
}

ViewRect grown(const ViewRect& r, double by) {
    return {r.left - by, r.top - by, r.width + 2 * by, r.height + 2 * by};
}

// Twice the signed area: its sign tells which side of each edge is outside.
double orientation(const ViewOutline& outline) {
    double area = 0;
    for (int i = 0; i + 1 < kOutlinePointCount; ++i) {
        const ViewPoint a = outline.points[i];
        const ViewPoint b = outline.points[i + 1];
        area += a.x * b.y - b.x * a.y;
    }
    return area;
}
}  // namespace

void placeOutlineLabels(const ViewOutline* outlines, const TextExtent* sizes, int count,
                        const ViewRect& bounds, const ViewRect& obstacle, PlacedLabel* labels) {
    count = std::clamp(count, 0, kPassTableSize);
    ViewRect extents[kPassTableSize];
    for (int i = 0; i < count; ++i) extents[i] = boundsOf(outlines[i]);

    for (int i = 0; i < count; ++i) {
        const ViewOutline& own = outlines[i];
        const double w = sizes[i].width;
        const double h = sizes[i].height();
        const double turn = orientation(own);
        double bestCost = INFINITY;
        PlacedLabel best;
        // Close beside the outline where there is room, else a little off.
        for (double distance : {kLabelDistance, 2 * kLabelDistance, 4 * kLabelDistance}) {
            // The right-hand face first, then round the outline.
            constexpr int kEdges = kOutlinePointCount - 1;
            for (int k = 0; k < kEdges; ++k) {
                const int edge = (5 + k) % kEdges;
                const ViewPoint a = own.points[edge];
                const ViewPoint b = own.points[edge + 1];
                const double dx = b.x - a.x;
                const double dy = b.y - a.y;
                const double length = std::hypot(dx, dy);
                if (!(length >= 4)) continue;
                // Outward is to the right of the edge for a positive turn; a
                // flat outline tries both sides.
                const int sides = turn == 0 ? 2 : 1;
                for (int side = 0; side < sides; ++side) {
                    double nx = dy / length;
                    double ny = -dx / length;
                    if ((turn < 0) != (side == 1)) {
                        nx = -nx;
                        ny = -ny;
                    }
                    for (double along : {0.5, 0.2, 0.8}) {
                        if (along != 0.5 && length < 4 * w) break;
                        const ViewPoint anchor{a.x + along * dx, a.y + along * dy};
                        const double reach = distance + std::abs(nx) * w / 2 + std::abs(ny) * h / 2;
                        const ViewPoint centre{anchor.x + nx * reach, anchor.y + ny * reach};
                        const ViewRect box{centre.x - w / 2, centre.y - h / 2, w, h};
                        if (!bounds.containsRect(box) || box.intersects(obstacle)) continue;
                        const ViewRect clearance = grown(box, 2);
                        if (outlineMeetsRect(own, clearance) || insideOutline(own, centre))
                            continue;
                        bool free = true;
                        for (int j = 0; j < i && free; ++j) {
                            free = !labels[j].placed || !labels[j].box.intersects(clearance);
                        }
                        if (!free) continue;
                        double cost = 0;
                        for (int j = 0; j < count; ++j) {
                            if (j == i || !extents[j].intersects(clearance)) continue;
                            cost += outlineMeetsRect(outlines[j], clearance) ? 10 : 0;
                            cost += insideOutline(outlines[j], centre) ? 1 : 0;
                        }
                        if (cost < bestCost) {
                            bestCost = cost;
                            best.placed = true;
                            best.box = box;
                            best.baseline = {box.left, box.top + sizes[i].ascent};
                            best.anchor = {anchor.x + nx * 2, anchor.y + ny * 2};
                            best.leaderEnd = {std::clamp(anchor.x, box.left, box.right()),
                                              std::clamp(anchor.y, box.top, box.bottom())};
                        }
                    }
                    if (bestCost == 0) break;
                }
                if (bestCost == 0) break;
            }
            if (best.placed) break;
        }
        labels[i] = best;
    }
}

}  // namespace rolvanta
