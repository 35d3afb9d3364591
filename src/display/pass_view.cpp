#include "display/pass_view.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "engine/pass_fields.h"
#include "engine/section_outline.h"

namespace rolvanta {

namespace {
// How far the dimension lines stand off the outline, how far their
// extension lines run past them, and the size of their arrows.
constexpr double kDimensionOffset = 26;
constexpr double kExtensionOvershoot = 5;
constexpr double kArrowLength = 8;
constexpr double kArrowHalfWidth = 3;
constexpr double kTextGap = 5;

// A text cut to the frame's buffer.
FrameText textOf(std::string_view text) {
    FrameText out;
    out.length = std::min(text.size(), sizeof out.chars);
    std::memcpy(out.chars, text.data(), out.length);
    return out;
}

// Numbers formatted as "%.2f" or "%d" would in the C locale: the view shows
// "." as the decimal point whatever the user's locale.
FrameText fixed2(double value) {
    FrameText out;
    // A float has at most 39 integer digits, far inside the buffer.
    const auto result =
        std::to_chars(out.chars, out.chars + sizeof out.chars, value, std::chars_format::fixed, 2);
    out.length = result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - out.chars) : 0;
    return out;
}

FrameText withNumber(std::string_view prefix, int number) {
    FrameText out = textOf(prefix);
    const auto result = std::to_chars(out.chars + out.length, out.chars + sizeof out.chars, number);
    if (result.ec == std::errc()) out.length = static_cast<std::size_t>(result.ptr - out.chars);
    return out;
}

// The heading first; then the dimensions top down, each captioned with its
// field's panel label.
constexpr std::string_view kPanelHeading = "   ( ALL DIMENSIONS IN MM )";
constexpr float PassRecord::*kPanelLines[kPanelLineCount - 1] = {
    &PassRecord::passWidth,
    &PassRecord::webThickness,
    &PassRecord::webArea,
    &PassRecord::deadFlangeHeight,
    &PassRecord::deadFlangeThickness,
    &PassRecord::deadFlangeRoot,
    &PassRecord::deadFlangeTip,
    &PassRecord::deadFlangeArea,
    &PassRecord::liveFlangeHeight,
    &PassRecord::liveFlangeThickness,
    &PassRecord::liveFlangeRoot,
    &PassRecord::liveFlangeTip,
    &PassRecord::liveFlangeArea,
};

ViewOutline toView(const SectionOutline& outline, const ViewTransform& transform) {
    ViewOutline view;
    for (int i = 0; i < kOutlinePointCount; ++i)
        view.points[i] = transform.toView(outline.points[i]);
    return view;
}

void addSegment(ViewDimension& d, ViewPoint a, ViewPoint b) {
    if (d.lineEnds + 2 > static_cast<int>(std::size(d.lines))) return;
    d.lines[d.lineEnds++] = a;
    d.lines[d.lineEnds++] = b;
}

// An open arrow with its tip at `tip`, its barbs back along the unit
// direction (ux, uy).
void addArrow(ViewDimension& d, ViewPoint tip, double ux, double uy) {
    const double bx = tip.x + ux * kArrowLength;
    const double by = tip.y + uy * kArrowLength;
    addSegment(d, tip, {bx - uy * kArrowHalfWidth, by + ux * kArrowHalfWidth});
    addSegment(d, tip, {bx + uy * kArrowHalfWidth, by - ux * kArrowHalfWidth});
}

ViewDimension viewDimension(const DimensionLine& line, const ViewTransform& transform) {
    ViewDimension d;
    const ViewPoint from = transform.toView(line.from);
    const ViewPoint to = transform.toView(line.to);
    for (int i = 0; i < 2; ++i) {
        addSegment(d, transform.toView(line.extensionFrom[i]),
                   transform.toView(line.extensionTo[i]));
    }
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const double ux = length > 0 ? (to.x - from.x) / length : 0;
    const double uy = length > 0 ? (to.y - from.y) / length : 0;
    if (length >= 2 * kArrowLength + 4) {
        addSegment(d, from, to);
        addArrow(d, from, ux, uy);
        addArrow(d, to, -ux, -uy);
    } else {
        // Too short for arrows inside: they point in from outside.
        const double reach = kArrowLength + 6;
        addSegment(d, {from.x - ux * reach, from.y - uy * reach},
                   {to.x + ux * reach, to.y + uy * reach});
        addArrow(d, from, -ux, -uy);
        addArrow(d, to, ux, uy);
    }
    char text[64];
    dimensionText(line, text);
    d.text = textOf(text);
    return d;
}

void layoutSinglePass(PassViewFrame& frame, const Project& project, int position,
                      const PassColours& colours, const PassViewZoom& zoom,
                      const ViewGeometry& geometry, const TextMeasure& measure,
                      const PassNotes* notes) {
    const PassRecord& record = project.passes.records[position];
    frame.drawn = true;
    frame.outlineCount = 1;
    frame.colours[0] = passColour(colours, position);

    // The panel down the left-hand side.
    PanelLineExtent extents[kPanelLineCount];
    frame.panelLabels[0] = kPanelHeading;
    frame.panelValues[0] = FrameText{};
    for (int i = 1; i < kPanelLineCount; ++i) {
        frame.panelLabels[i] = passField(kPanelLines[i - 1]).panelLabel;
        frame.panelValues[i] = fixed2(record.*kPanelLines[i - 1]);
    }
    for (int i = 0; i < kPanelLineCount; ++i) {
        extents[i] = {measure.measureText(TextFont::Label, frame.panelLabels[i]),
                      measure.measureText(TextFont::Label, frame.panelValues[i].view())};
        if (frame.panelValues[i].length == 0) extents[i].value.width = 0;
    }
    frame.panel = layoutPanel(
        extents, kPanelLineCount,
        {kViewMargin, kViewMargin, geometry.width / 2, geometry.height - 2 * kViewMargin});
    frame.separatorX = std::round(frame.panel.box.right() + kViewMargin) + 0.5;

    // The caption under the drawing.
    frame.caption = withNumber("PASS : ", position + 2);
    const TextExtent caption = measure.measureText(TextFont::Caption, frame.caption.view());
    // The pass's notes, a label line each, beneath the caption.
    frame.noteCount = 0;
    if (notes != nullptr) {
        for (const std::string& line : notes->lines[position]) {
            if (frame.noteCount == kShownPassNotes + 1) break;
            frame.notes[frame.noteCount++] = line;
        }
    }
    const TextExtent noteLine = measure.measureText(TextFont::Label, "");
    const double notesHeight = frame.noteCount * noteLine.height();
    const double left = frame.separatorX + kViewMargin;
    const double bottom = geometry.height - kViewMargin - notesHeight - caption.height() - kTextGap;
    frame.drawingArea = {left, kViewMargin, std::max(1.0, geometry.width - kViewMargin - left),
                         std::max(1.0, bottom - kViewMargin)};
    frame.clip = {frame.separatorX + 1, 0, std::max(0.0, geometry.width - frame.separatorX - 1),
                  geometry.height};

    // Room beside the outline for the dimension lines and their values.
    const SectionDimensions measured = sectionDimensions(position, record, 0, 0);
    double textWidth = 0;
    TextExtent label = measure.measureText(TextFont::Label, "");
    for (int i = 1; i < kDimensionLineCount; ++i) {
        char text[64];
        dimensionText(measured.lines[i], text);
        textWidth = std::max(textWidth, measure.measureText(TextFont::Label, text).width);
    }
    ViewPadding padding;
    padding.left = kDimensionOffset + kExtensionOvershoot + kTextGap + textWidth + 2;
    padding.bottom = kDimensionOffset + kTextGap + label.height() + 2;
    padding.top = padding.right = 6;

    const SectionOutline outline = computeSectionOutline(position, record);
    DrawingBox box;
    box.add(outline);
    frame.fit = fitTransform(box, frame.drawingArea, padding);
    frame.transform = zoomedTransform(zoom, frame.fit, frame.drawingArea);
    frame.outlines[0] = toView(outline, frame.transform);

    // The caption centred under the fitted drawing, where it stays when the
    // drawing is zoomed or moved.
    double middle = frame.drawingArea.centre().x;
    if (!box.empty) {
        middle = frame.fit.toView({toDrawingFloat((box.minX + box.maxX) / 2), 0}).x;
    }
    const double rightmost = geometry.width - kViewMargin - caption.width;
    frame.captionAt = {std::max(left, std::min(rightmost, middle - caption.width / 2)),
                       geometry.height - kViewMargin - notesHeight - caption.descent};
    for (int i = 0; i < frame.noteCount; ++i) {
        const double width = measure.measureText(TextFont::Label, frame.notes[i]).width;
        const double x =
            std::max(left, std::min(geometry.width - kViewMargin - width, middle - width / 2));
        frame.notesAt[i] = {
            x, frame.captionAt.y + caption.descent + noteLine.ascent + i * noteLine.height()};
    }

    const double scale = frame.transform.scale;
    const SectionDimensions dimensions =
        sectionDimensions(position, record, kDimensionOffset / scale, kExtensionOvershoot / scale);
    for (int i = 0; i < kDimensionLineCount; ++i) {
        ViewDimension& d = frame.dimensions[i];
        d = viewDimension(dimensions.lines[i], frame.transform);
        const double width = measure.measureText(TextFont::Label, d.text.view()).width;
        const ViewPoint from = frame.transform.toView(dimensions.lines[i].from);
        const ViewPoint to = frame.transform.toView(dimensions.lines[i].to);
        if (i == 0) {
            d.textAt = {(from.x + to.x) / 2 - width / 2, from.y + kTextGap + label.ascent};
        } else {
            d.textAt = {from.x - kExtensionOvershoot - kTextGap - width,
                        (from.y + to.y) / 2 + (label.ascent - label.descent) / 2};
        }
    }
    // The web's value between the two flange heights' values: keep the
    // three a line apart (the view's y runs down, the upper legs first).
    const double apart = label.height() + 2;
    ViewPoint& upper = frame.dimensions[3].textAt;
    const ViewPoint& web = frame.dimensions[2].textAt;
    ViewPoint& lower = frame.dimensions[1].textAt;
    upper.y = std::min(upper.y, web.y - apart);
    lower.y = std::max(lower.y, web.y + apart);
}

void layoutOverview(PassViewFrame& frame, const Project& project, const PassColours& colours,
                    const PassViewZoom& zoom, const ViewGeometry& geometry,
                    const TextMeasure& measure) {
    // Every record the schedule computed: the passes, and last the bar that
    // enters the mill's first stand.
    const int count = scheduledRecordCount(project.section);
    frame.outlineCount = count;
    if (count == 0) return;
    frame.drawn = true;
    const int bar = count - 1;
    frame.barIn = bar;
    frame.barInFitted = soundOutline(bar, project.passes.records[bar]);

    SectionOutline outlines[kPassTableSize];
    DrawingBox box;
    TextExtent sizes[kPassTableSize];
    TextExtent widest;
    for (int i = 0; i < count; ++i) {
        outlines[i] = computeSectionOutline(i, project.passes.records[i]);
        if (i != bar || frame.barInFitted) box.add(outlines[i]);
        frame.colours[i] = i == bar ? kBarInColour : passColour(colours, i);
        frame.labelTexts[i] = i == bar ? textOf(kBarInLabel) : withNumber("", i + 2);
        sizes[i] = measure.measureText(TextFont::Label, frame.labelTexts[i].view());
        if (sizes[i].width > widest.width) widest = sizes[i];
    }
    // The legend's numbers all as wide as the widest, the bar in by its name.
    TextExtent items[kPassTableSize];
    for (int i = 0; i < bar; ++i) items[i] = widest;
    items[bar] = measure.measureText(TextFont::Label, kBarInName);

    // A bar in that is no section would shrink the passes to a speck: it is
    // drawn as it comes but left out of the fit, and the caption says so.
    double captionHeight = 0;
    if (!frame.barInFitted) {
        frame.caption = textOf(kBarInOutOfFit);
        const TextExtent caption = measure.measureText(TextFont::Label, frame.caption.view());
        captionHeight = caption.height() + kTextGap;
        const double x = std::max(kViewMargin, (geometry.width - caption.width) / 2);
        frame.captionAt = {x, geometry.height - kViewMargin - caption.descent};
        frame.captionBox = {x - 6, frame.captionAt.y - caption.ascent - 3, caption.width + 12,
                            caption.height() + 6};
    }
    const ViewRect area{kViewMargin, kViewMargin, std::max(1.0, geometry.width - 2 * kViewMargin),
                        std::max(1.0, geometry.height - 2 * kViewMargin - captionHeight)};
    const double room = labelRoom(widest);
    const ViewPadding padding{room, room, room, room};
    const TextExtent heading = measure.measureText(TextFont::Label, "PASS");
    // The legend across the top or down the right, whichever leaves the
    // drawing larger.
    double bestScale = -1;
    for (LegendPlace place : {LegendPlace::TopBand, LegendPlace::RightColumn}) {
        const LegendLayout legend = layoutLegend(items, count, heading, area, place);
        const ViewRect rest = areaBesideLegend(area, legend, place);
        const ViewTransform fit = fitTransform(box, rest, padding);
        if (fit.scale > bestScale) {
            bestScale = fit.scale;
            frame.legend = legend;
            frame.drawingArea = rest;
            frame.fit = fit;
        }
    }
    frame.transform = zoomedTransform(zoom, frame.fit, frame.drawingArea);
    frame.clip = {0, 0, geometry.width, geometry.height};
    for (int i = 0; i < count; ++i) frame.outlines[i] = toView(outlines[i], frame.transform);
    // A bar in left out of the fit runs out of the drawing: its label goes
    // beside the part of it that is in view.
    ViewOutline labelled[kPassTableSize];
    std::copy(frame.outlines, frame.outlines + count, labelled);
    if (!frame.barInFitted) {
        const ViewRect& in = frame.drawingArea;
        for (ViewPoint& p : labelled[bar].points) {
            p = {std::clamp(p.x, in.left, in.right()), std::clamp(p.y, in.top, in.bottom())};
        }
    }
    placeOutlineLabels(labelled, sizes, count, area, frame.legend.box, frame.labels);
}
}  // namespace

Rgb panelValueColour() { return lightenedToContrast(kPanelTealColour, kViewBackground, 4.5); }

float outlineWidth(double pixelRatio) {
    return static_cast<float>(std::max(1.0, 1.5 * pixelRatio));
}

float thinLineWidth(double pixelRatio) { return static_cast<float>(std::max(1.0, pixelRatio)); }

void layoutPassView(PassViewFrame& frame, const Project& project, const PassViewCursor& cursor,
                    const PassColours& colours, const PassViewZoom& zoom,
                    const ViewGeometry& geometry, const TextMeasure& measure,
                    const PassNotes* notes) {
    frame.overview = cursor.overview;
    frame.noteCount = 0;
    frame.drawn = false;
    frame.outlineCount = 0;
    frame.barIn = -1;
    frame.barInFitted = true;
    frame.caption = FrameText{};
    frame.legend = LegendLayout{};
    frame.outlineWidth = outlineWidth(geometry.pixelRatio);
    frame.thinWidth = thinLineWidth(geometry.pixelRatio);
    frame.drawingArea = {0, 0, std::max(1.0, geometry.width), std::max(1.0, geometry.height)};
    frame.clip = frame.drawingArea;
    frame.fit = frame.transform = fitTransform(DrawingBox{}, frame.drawingArea, {});
    if (passViewHint(project) != nullptr) return;
    if (cursor.overview) {
        layoutOverview(frame, project, colours, zoom, geometry, measure);
        return;
    }
    // The cursor's own bounds keep it inside the table; a cursor that was
    // set some other way shows nothing rather than memory past the table.
    const int position = cursor.index - 1;
    if (position < 0 || position >= kPassTableSize) return;
    layoutSinglePass(frame, project, position, colours, zoom, geometry, measure, notes);
}

const char* passViewHint(const Project& project) {
    if (project.flags.computed && scheduledRecordCount(project.section) == 0) {
        return "No passes to draw: run Setup first (Inputs \u203A Setup), then Solve \u203A "
               "Compute";
    }
    if (project.flags.computed) return nullptr;
    return "Nothing computed yet: choose a profile, then Solve \u203A Compute draws its passes "
           "here";
}

void drawPassView(LineCanvas& canvas, const PassViewFrame& frame) {
    canvas.clear();
    if (!frame.drawn) return;
    if (!frame.overview) {
        canvas.setColour(kViewTextColour);
        for (int i = 0; i < frame.panel.count; ++i) {
            canvas.drawText(TextFont::Label, frame.panel.label[i], frame.panelLabels[i]);
        }
        canvas.setColour(panelValueColour());
        for (int i = 0; i < frame.panel.count; ++i) {
            if (frame.panelValues[i].length == 0) continue;
            canvas.drawText(TextFont::Label, frame.panel.value[i], frame.panelValues[i].view());
        }
        canvas.setLineWidth(frame.thinWidth);
        canvas.setColour(kSeparatorGrey);
        const ViewPoint separator[2] = {{frame.separatorX, 0}, {frame.separatorX, 1e5}};
        canvas.drawLines(separator, 2);
    }

    canvas.setClip(frame.clip);
    canvas.setLineWidth(frame.outlineWidth);
    // The bar in beneath the passes, each pass over the one before it.
    if (frame.barIn >= 0) {
        canvas.setColour(frame.colours[frame.barIn]);
        canvas.drawLineLoop(frame.outlines[frame.barIn].points, kOutlinePointCount);
    }
    for (int i = 0; i < frame.outlineCount; ++i) {
        if (i == frame.barIn) continue;
        canvas.setColour(frame.colours[i]);
        canvas.drawLineLoop(frame.outlines[i].points, kOutlinePointCount);
    }
    canvas.setLineWidth(frame.thinWidth);
    if (frame.overview) {
        canvas.setColour(kLeaderColour);
        for (int i = 0; i < frame.outlineCount; ++i) {
            if (!frame.labels[i].placed) continue;
            const ViewPoint leader[2] = {frame.labels[i].anchor, frame.labels[i].leaderEnd};
            canvas.drawLines(leader, 2);
        }
        canvas.setColour(kViewTextColour);
        for (int i = 0; i < frame.outlineCount; ++i) {
            if (!frame.labels[i].placed) continue;
            canvas.drawText(TextFont::Label, frame.labels[i].baseline, frame.labelTexts[i].view());
        }
        // The legend over whatever a zoomed drawing shows beneath it.
        const LegendLayout& legend = frame.legend;
        canvas.setColour(kViewBackground);
        canvas.fillRect({legend.box.left - 6, legend.box.top - 4, legend.box.width + 12,
                         legend.box.height + 8});
        canvas.setColour(kViewTextColour);
        canvas.drawText(TextFont::Label, legend.heading, "PASS");
        for (int i = 0; i < legend.count; ++i) {
            canvas.setColour(frame.colours[i]);
            canvas.fillRect(legend.swatch[i]);
            // A light rim keeps the darkest colours in sight.
            const ViewRect& s = legend.swatch[i];
            const ViewPoint rim[5] = {{s.left, s.top},
                                      {s.right(), s.top},
                                      {s.right(), s.bottom()},
                                      {s.left, s.bottom()},
                                      {s.left, s.top}};
            canvas.setColour(kLeaderColour);
            canvas.drawLineLoop(rim, 4);
            canvas.setColour(kViewTextColour);
            canvas.drawText(
                TextFont::Label, legend.number[i],
                i == frame.barIn ? std::string_view(kBarInName) : frame.labelTexts[i].view());
        }
        canvas.setClip({});
        if (frame.caption.length > 0) {
            // Over whatever a bar in out of the fit draws beneath it.
            canvas.setColour(kViewBackground);
            canvas.fillRect(frame.captionBox);
            canvas.setColour(kViewTextColour);
            canvas.drawText(TextFont::Label, frame.captionAt, frame.caption.view());
        }
        return;
    }
    canvas.setColour(kDimensionLineColour);
    for (const ViewDimension& d : frame.dimensions) canvas.drawLines(d.lines, d.lineEnds);
    canvas.setColour(kViewTextColour);
    for (const ViewDimension& d : frame.dimensions) {
        canvas.drawText(TextFont::Label, d.textAt, d.text.view());
    }
    canvas.setClip({});
    canvas.drawText(TextFont::Caption, frame.captionAt, frame.caption.view());
    canvas.setColour(kPassNoteColour);
    for (int i = 0; i < frame.noteCount; ++i) {
        canvas.drawText(TextFont::Label, frame.notesAt[i], frame.notes[i]);
    }
}

void renderPassView(LineCanvas& canvas, const Project& project, const PassViewCursor& cursor,
                    const PassColours& colours, const PassViewZoom& zoom,
                    const ViewGeometry& geometry, const PassNotes* notes) {
    PassViewFrame frame;
    layoutPassView(frame, project, cursor, colours, zoom, geometry, canvas, notes);
    drawPassView(canvas, frame);
}

void zoomByKey(PassViewZoom& zoom, const PassViewFrame& frame, ViewZoomKey key) {
    switch (key) {
        case ViewZoomKey::Fit:
            zoom = PassViewZoom{};
            return;
        case ViewZoomKey::ZoomIn:
            zoomAbout(zoom, frame.fit, frame.drawingArea, frame.drawingArea.centre(), kZoomStep);
            return;
        case ViewZoomKey::ZoomOut:
            zoomAbout(zoom, frame.fit, frame.drawingArea, frame.drawingArea.centre(),
                      1 / kZoomStep);
            return;
    }
}

}  // namespace rolvanta
