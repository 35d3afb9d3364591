#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "display/pass_view.h"
#include "support/example_section.h"
#include "support/golden_file.h"

namespace rolvanta {
namespace {

using testing::computedProject;

// Faces of fixed measures: every character half an em wide and a bit.
class FixedMeasure : public TextMeasure {
  public:
    TextExtent measureText(TextFont font, std::string_view text) const override {
        const double em = font == TextFont::Caption ? 28 : 15;
        return {0.55 * em * static_cast<double>(text.size()), 0.9 * em, 0.22 * em};
    }
};

// The frame as drawn, one call a line: a display list.
class RecordingCanvas : public LineCanvas {
  public:
    std::string drawn;

    TextExtent measureText(TextFont font, std::string_view text) const override {
        return FixedMeasure().measureText(font, text);
    }
    void clear() override { drawn += "clear\n"; }
    void setClip(const ViewRect& r) override {
        add("clip", {{r.left, r.top}, {r.width, r.height}});
    }
    void setLineWidth(float width) override { drawn += "width " + number(width) + "\n"; }
    void setColour(Rgb c) override {
        drawn += "colour " + std::to_string(c.red) + " " + std::to_string(c.green) + " " +
                 std::to_string(c.blue) + "\n";
    }
    void drawLineLoop(const ViewPoint* points, int count) override {
        add("loop", {points, points + count});
    }
    void drawLines(const ViewPoint* ends, int count) override {
        add("lines", {ends, ends + count});
    }
    void fillRect(const ViewRect& r) override {
        add("rect", {{r.left, r.top}, {r.width, r.height}});
    }
    void drawText(TextFont font, ViewPoint at, std::string_view text) override {
        add(font == TextFont::Caption ? "caption" : "text", {at});
        drawn.back() = ' ';
        drawn += std::string(text) + "\n";
    }

  private:
    static std::string number(double value) {  // whatever the locale and the sign of NaN
        if (std::isnan(value)) return "nan";
        std::ostringstream text;
        text.imbue(std::locale::classic());
        text << std::fixed << std::setprecision(2) << value;
        return text.str();
    }
    void add(const char* what, const std::vector<ViewPoint>& points) {
        drawn += what;
        for (const ViewPoint& p : points) drawn += " " + number(p.x) + "," + number(p.y);
        drawn += "\n";
    }
};

PassViewCursor cursorAt(int index) {
    PassViewCursor cursor;
    cursor.index = index;
    cursor.overview = index == 0;
    return cursor;
}

PassViewFrame frameOf(const Project& project, int index, double width, double height,
                      const PassViewZoom& zoom = {}, double ratio = 1) {
    PassViewFrame frame;
    layoutPassView(frame, project, cursorAt(index), makePassColours(), zoom, {width, height, ratio},
                   FixedMeasure());
    return frame;
}

ViewRect boundsOf(const ViewPoint* points, int count) {
    double minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
    for (int i = 1; i < count; ++i) {
        minX = std::min(minX, points[i].x);
        maxX = std::max(maxX, points[i].x);
        minY = std::min(minY, points[i].y);
        maxY = std::max(maxY, points[i].y);
    }
    return {minX, minY, maxX - minX, maxY - minY};
}

ViewRect textBox(TextFont font, ViewPoint baseline, std::string_view text) {
    const TextExtent e = FixedMeasure().measureText(font, text);
    return {baseline.x, baseline.y - e.ascent, e.width, e.height()};
}

constexpr double kPixel = 1e-6;

TEST(FitTransform, FillsTheAreaCentredWithItsPadding) {
    DrawingBox box;
    box.add(OutlinePoint{100, 200});
    box.add(OutlinePoint{700, 500});  // 600 x 300
    const struct {
        const char* name;
        ViewRect area;
        ViewPadding padding;
        bool widthFills;
    } cases[] = {
        {"wide view", {0, 0, 1920, 400}, {10, 10, 10, 10}, false},
        {"narrow view", {50, 20, 300, 900}, {40, 0, 0, 30}, true},
        {"tiny view", {0, 0, 24, 16}, {2, 2, 2, 2}, true},
        {"view smaller than its padding", {5, 5, 10, 10}, {20, 20, 20, 20}, true},
    };
    for (const auto& c : cases) {
        const ViewTransform t = fitTransform(box, c.area, c.padding);
        const ViewPoint a = t.toView({100, 200});
        const ViewPoint b = t.toView({700, 500});
        const double innerWidth = std::max(1.0, c.area.width - c.padding.left - c.padding.right);
        const double innerHeight = std::max(1.0, c.area.height - c.padding.top - c.padding.bottom);
        EXPECT_NEAR(b.x - a.x, c.widthFills ? innerWidth : 2 * innerHeight, kPixel) << c.name;
        EXPECT_NEAR(a.y - b.y, c.widthFills ? innerWidth / 2 : innerHeight, kPixel) << c.name;
        EXPECT_NEAR((a.x + b.x) / 2, c.area.left + c.padding.left + innerWidth / 2, kPixel)
            << c.name;
        EXPECT_NEAR((a.y + b.y) / 2, c.area.top + c.padding.top + innerHeight / 2, kPixel)
            << c.name;
    }
    // Nothing to fit, or a single point, still gives a finite transform.
    for (const DrawingBox& flat : {DrawingBox{}, DrawingBox{437, 350, 437, 350, false}}) {
        const ViewTransform t = fitTransform(flat, {0, 0, 640, 480}, {});
        EXPECT_GT(t.scale, 0);
        EXPECT_TRUE(std::isfinite(t.originX) && std::isfinite(t.originY));
    }
}

TEST(PassViewZoom, ZoomKeepsThePointerStillPanMovesFitRestores) {
    const ViewRect area{200, 16, 1000, 800};
    const ViewTransform fit{1.5, 300, 900};
    PassViewZoom zoom;
    const ViewPoint pointer{333, 444};
    const OutlinePoint under = fit.toDrawing(pointer);
    for (double factor : {1.25, 1.25, 0.8, 3.0}) {
        zoomAbout(zoom, fit, area, pointer, factor);
        const ViewPoint now = zoomedTransform(zoom, fit, area).toView(under);
        EXPECT_NEAR(now.x, pointer.x, 1e-3) << factor;
        EXPECT_NEAR(now.y, pointer.y, 1e-3) << factor;
    }
    EXPECT_NEAR(zoomedTransform(zoom, fit, area).scale, 1.5 * 1.25 * 1.25 * 0.8 * 3, 1e-9);

    const ViewPoint before = zoomedTransform(zoom, fit, area).toView({0, 0});
    panBy(zoom, fit, area, 25, -40);
    const ViewPoint after = zoomedTransform(zoom, fit, area).toView({0, 0});
    EXPECT_NEAR(after.x - before.x, 25, 1e-6);
    EXPECT_NEAR(after.y - before.y, -40, 1e-6);

    // The zoom holds when the fit changes (another pass, another window).
    const ViewTransform otherFit{0.7, 10, 20};
    EXPECT_NEAR(zoomedTransform(zoom, otherFit, area).toView({0, 0}).x, after.x, 1e-6);

    for (int i = 0; i < 100; ++i) zoomAbout(zoom, fit, area, pointer, 2);
    EXPECT_NEAR(zoomedTransform(zoom, fit, area).scale, 1.5 * kLargestZoom, 1e-9);
    for (int i = 0; i < 100; ++i) zoomAbout(zoom, fit, area, pointer, 0.5);
    EXPECT_NEAR(zoomedTransform(zoom, fit, area).scale, 1.5 * kSmallestZoom, 1e-9);
    zoomAbout(zoom, fit, area, pointer, std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(std::isfinite(zoomedTransform(zoom, fit, area).scale));

    PassViewFrame frame;
    frame.fit = fit;
    frame.drawingArea = area;
    zoomByKey(zoom, frame, ViewZoomKey::Fit);
    EXPECT_TRUE(zoom.fitted);
    zoomByKey(zoom, frame, ViewZoomKey::ZoomIn);
    const ViewPoint middle = area.centre();
    const ViewPoint stays = zoomedTransform(zoom, fit, area).toView(fit.toDrawing(middle));
    EXPECT_NEAR(stays.x, middle.x, 1e-3);
    EXPECT_NEAR(zoomedTransform(zoom, fit, area).scale, 1.5 * kZoomStep, 1e-9);
}

TEST(PassViewFrame, SinglePassShowsOutlineDimensionsPanelAndCaptionWhole) {
    const Project project = computedProject(13);
    for (const ViewGeometry view : {ViewGeometry{640, 480, 1}, ViewGeometry{800, 600, 1},
                                    ViewGeometry{1280, 1024, 2}, ViewGeometry{3840, 2160, 1}}) {
        for (int index : {1, 2, 12}) {
            const std::string name = std::to_string(int(view.width)) + "x" +
                                     std::to_string(int(view.height)) + " pass index " +
                                     std::to_string(index);
            const PassViewFrame frame = frameOf(project, index, view.width, view.height);
            const ViewRect whole{0, 0, view.width, view.height};
            const ViewRect right{frame.separatorX, 0, view.width - frame.separatorX, view.height};
            const ViewRect outline = boundsOf(frame.outlines[0].points, kOutlinePointCount);
            EXPECT_TRUE(frame.drawingArea.containsRect(outline)) << name;
            // The drawing fills its area along one axis, beside its dimensions.
            EXPECT_GT(std::max(outline.width / frame.drawingArea.width,
                               outline.height / frame.drawingArea.height),
                      0.6)
                << name;
            for (const ViewDimension& d : frame.dimensions) {
                EXPECT_TRUE(right.containsRect(textBox(TextFont::Label, d.textAt, d.text.view())))
                    << name << " " << d.text.view();
                EXPECT_TRUE(right.containsRect(boundsOf(d.lines, d.lineEnds))) << name;
            }
            const ViewRect caption =
                textBox(TextFont::Caption, frame.captionAt, frame.caption.view());
            EXPECT_TRUE(right.containsRect(caption)) << name;
            EXPECT_FALSE(caption.intersects(outline)) << name;
            EXPECT_EQ(frame.caption.view(), "PASS : " + std::to_string(index + 1)) << name;
            for (int i = 0; i < frame.panel.count; ++i) {
                const ViewRect line =
                    textBox(TextFont::Label, frame.panel.label[i], frame.panelLabels[i]);
                EXPECT_GE(line.left, kViewMargin) << name;
                EXPECT_TRUE(whole.containsRect(line)) << name << " line " << i;
                EXPECT_LT(line.right(), frame.separatorX) << name;
            }
        }
    }
}

TEST(PassViewFrame, PanelKeepsEveryLineAtAnyHeight) {
    std::vector<PanelLineExtent> lines(kPanelLineCount, {{180, 13.5, 3.3}, {60, 13.5, 3.3}});
    lines[0].value.width = 0;
    lines[0].label.width = 210;
    double pitchAt600 = 0;
    for (double height : {1000.0, 600.0, 480.0, 200.0}) {
        const ViewRect area{16, 16, 500, height - 32};
        const PanelLayout panel = layoutPanel(lines.data(), kPanelLineCount, area);
        ASSERT_EQ(panel.count, kPanelLineCount) << height;
        EXPECT_EQ(panel.columns, height >= 480 ? 1 : 2) << height;
        for (int i = 0; i < kPanelLineCount; ++i) {
            const ViewRect label{panel.label[i].x, panel.label[i].y - 13.5, lines[i].label.width,
                                 16.8};
            const ViewRect value{panel.value[i].x, panel.value[i].y - 13.5, lines[i].value.width,
                                 16.8};
            EXPECT_TRUE(panel.box.containsRect(label)) << height << " line " << i;
            EXPECT_TRUE(area.containsRect(label)) << height << " line " << i;
            if (i > 0) {
                EXPECT_LE(label.right(), value.left - 10) << height << " line " << i;
            }
            for (int j = 0; j < i; ++j) {
                const ViewRect other{panel.label[j].x, panel.label[j].y - 13.5, 1, 16.8};
                EXPECT_FALSE(label.intersects(other)) << height << " lines " << j << ", " << i;
            }
        }
        if (height == 600) pitchAt600 = panel.pitch;
        if (height == 1000) {
            EXPECT_GT(panel.pitch, 20) << "spread out";
        }
    }
    EXPECT_GE(pitchAt600, 16.8 * 1.15);
}

TEST(PassViewFrame, OverviewLabelsEveryPassBesideItsOutline) {
    const Project project = computedProject(15);
    for (const ViewGeometry view :
         {ViewGeometry{1280, 1024, 1}, ViewGeometry{800, 600, 1}, ViewGeometry{640, 480, 1},
          ViewGeometry{1920, 1080, 1}, ViewGeometry{3840, 2160, 1}, ViewGeometry{700, 1400, 1}}) {
        const std::string name =
            std::to_string(int(view.width)) + "x" + std::to_string(int(view.height));
        const PassViewFrame frame = frameOf(project, 0, view.width, view.height);
        ASSERT_EQ(frame.outlineCount, 15) << name;
        const ViewRect whole{0, 0, view.width, view.height};
        EXPECT_TRUE(whole.containsRect(frame.legend.box)) << name;
        EXPECT_EQ(frame.legend.count, 15) << name;
        double top = view.height;
        double bottom = 0;
        for (int i = 0; i < 15; ++i) {
            const ViewOutline& outline = frame.outlines[i];
            const ViewRect bounds = boundsOf(outline.points, kOutlinePointCount);
            top = std::min(top, bounds.top);
            bottom = std::max(bottom, bounds.bottom());
            EXPECT_TRUE(whole.containsRect(bounds)) << name << " outline " << i;
            EXPECT_FALSE(bounds.intersects(frame.legend.box)) << name << " outline " << i;
            const PlacedLabel& label = frame.labels[i];
            ASSERT_TRUE(label.placed) << name << " pass " << i + 2;
            EXPECT_EQ(frame.labelTexts[i].view(), i == 14 ? "IN" : std::to_string(i + 2));
            for (int k = 0; k + 1 < kOutlinePointCount; ++k) {
                EXPECT_FALSE(segmentMeetsRect(outline.points[k], outline.points[k + 1], label.box))
                    << name << " label of pass " << i + 2 << " on its outline";
            }
            EXPECT_LT(
                std::hypot(label.anchor.x - label.leaderEnd.x, label.anchor.y - label.leaderEnd.y),
                4 * kLabelDistance + 2)
                << name << " pass " << i + 2 << " label beside its outline";
            EXPECT_TRUE(whole.containsRect(label.box)) << name;
            EXPECT_FALSE(label.box.intersects(frame.legend.box)) << name << " pass " << i + 2;
            for (int j = 0; j < i; ++j) {
                EXPECT_FALSE(label.box.intersects(frame.labels[j].box))
                    << name << " passes " << j + 2 << " and " << i + 2;
            }
        }
        EXPECT_GE(bottom - top, 0.4 * view.height) << name;
    }
    // A sound bar in is fitted with the passes, without a caption.
    const PassViewFrame sound = frameOf(computedProject(9), 0, 800, 600);
    EXPECT_TRUE(sound.barInFitted);
    EXPECT_EQ(sound.caption.length, 0u);
    // One that is no section (at 15 passes its flange roots overlap; here a
    // needle) is drawn where it comes but left out of the fit, which the
    // caption says: the passes still fill the view.
    Project needle = project;
    needle.passes.records[14].passWidth = 1;
    const PassViewFrame frame = frameOf(needle, 0, 800, 600);
    ASSERT_FALSE(frame.barInFitted);
    EXPECT_EQ(frame.caption.view(), kBarInOutOfFit);
    ViewRect passes = boundsOf(frame.outlines[13].points, kOutlinePointCount);
    EXPECT_GE(passes.height, 0.4 * 600);
    RecordingCanvas canvas;
    drawPassView(canvas, frame);
    const std::string caption = std::string(" ") + kBarInOutOfFit + "\n";
    ASSERT_GE(canvas.drawn.size(), caption.size());
    EXPECT_EQ(canvas.drawn.substr(canvas.drawn.size() - caption.size()), caption);
    EXPECT_NE(canvas.drawn.find(" Bar in\n"), std::string::npos) << "in the legend";
}

TEST(PassViewFrame, TextsReadOnTheBlackBackground) {
    for (Rgb text : {kViewTextColour, panelValueColour()}) {
        EXPECT_GE(contrastRatio(text, kViewBackground), 4.5);
    }
    // Each pass's colour, lightened, where it would not read.
    const PassColours colours = makePassColours();
    for (Rgb colour : colours.entries) {
        const Rgb light = lightenedToContrast(colour, kViewBackground, 4.5);
        EXPECT_GE(contrastRatio(light, kViewBackground), 4.5);
        if (contrastRatio(colour, kViewBackground) >= 4.5) {
            EXPECT_EQ(light, colour);
        }
    }
    EXPECT_NEAR(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio({64, 128, 128}, {0, 0, 0}), 4.62, 0.01);
}

// The frames as drawn, as display lists: the panel's values in the view's
// own format under a decimal comma (100.188, 2.675 just below in single
// precision, 99.995 just above, the tie 6.375 to even, 3.4e38), the notes
// beneath the caption with how many more, and frames that stay inside the
// pass table whatever the pass count and the cursor say.
TEST(PassViewFrame, FramesEqualTheGoldenDisplayLists) {
    Project project = computedProject(15);
    PassNotes notes;
    setPassNotes(notes, 1, {"a", "b", "c", "d", "e"}, "Mill Loads");
    const auto frame = [&](const std::string& name, int index, ViewGeometry view = {800, 600, 1}) {
        RecordingCanvas canvas;
        renderPassView(canvas, project, cursorAt(index), makePassColours(), {}, view, &notes);
        return "== " + name + "\n" + canvas.drawn;
    };
    std::string frames = frame("pass 3 with five notes, 640 x 480", 2, {640, 480, 1}) +
                         frame("pass 3 with five notes, 1280 x 1024 at 2", 2, {1280, 1024, 2}) +
                         frame("pass 4 without notes", 3);
    const struct {
        const char* name;
        int passCount;
        int index;
    } edges[] = {
        {"no computed project", 0, 0},
        {"negative pass count", -3, 0},
        {"pass count beyond the table", 1000, 0},
        {"cursor on the last record", 15, 15},
        {"cursor set past the table", 15, 16},
        {"single-pass face with a negative index", 8, -4},
    };
    for (const auto& c : edges) {
        project.section.passCount = c.passCount;
        frames += frame(c.name, c.index);
    }
    project.section.passCount = 5;
    PassRecord& record = project.passes.records[0];
    record.passWidth = 100.188f;
    record.webThickness = 2.675f;
    record.deadFlangeTip = 99.995f;
    record.liveFlangeThickness = 6.375f;
    record.liveFlangeArea = 3.4e38f;
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "no de_DE.UTF-8 locale";
    frames += frame("pass 2 under a decimal comma", 1);
    std::setlocale(LC_ALL, "C");
    // Dimensions that are not numbers draw, and lay out, without harm.
    project.passes.records[0].passWidth = std::numeric_limits<float>::quiet_NaN();
    project.passes.records[1].liveFlangeHeight = std::numeric_limits<float>::infinity();
    for (int index : {0, 1, 2}) frames += frame("not a number, " + std::to_string(index), index);
    EXPECT_EQ(passViewHint(project), nullptr);
    // Nothing computed: a black view, with the hint for the widget to show.
    project.flags.computed = false;
    for (int index : {0, 1}) frames += frame("nothing computed, " + std::to_string(index), index);
    testing::expectGolden("pass-view-frames.txt", frames);
    ASSERT_NE(passViewHint(project), nullptr);
    EXPECT_NE(std::string(passViewHint(project)).find("Compute"), std::string::npos);
    // Computed without passes: the hint names the Setup.
    project.flags.computed = true;
    project.section.passCount = 0;
    ASSERT_NE(passViewHint(project), nullptr);
    EXPECT_NE(std::string(passViewHint(project)).find("Setup"), std::string::npos);
}

// Each line as "what text: from -> to | extensions from a b, to c d".
std::string describe(const SectionDimensions& d) {
    std::string all;
    const auto at = [](OutlinePoint p) {
        return std::to_string(int(p.x)) + "," + std::to_string(int(p.y));
    };
    for (const DimensionLine& line : d.lines) {
        char text[64];
        dimensionText(line, text);
        all += std::to_string(int(line.what)) + " " + text + ": " + at(line.from) + " -> " +
               at(line.to) + " | " + at(line.extensionFrom[0]) + " " + at(line.extensionFrom[1]) +
               ", " + at(line.extensionTo[0]) + " " + at(line.extensionTo[1]) + "\n";
    }
    return all;
}

TEST(SectionDimensions, MeasureTheOutlineWhereItIsDrawn) {
    PassRecord record{};
    record.passWidth = 300;
    record.webThickness = 10;
    record.deadFlangeHeight = 60;
    record.deadFlangeTip = 8;
    record.deadFlangeRoot = 14;
    record.liveFlangeHeight = 50;
    record.liveFlangeTip = 9;
    record.liveFlangeRoot = 15;
    // At an odd position the dead flange is below, at an even one the live.
    testing::expectGolden("section-dimensions.txt",
                          describe(sectionDimensions(1, record, 20, 3)) +
                              describe(sectionDimensions(0, record, 20, 3)));
}

}  // namespace
}  // namespace rolvanta
