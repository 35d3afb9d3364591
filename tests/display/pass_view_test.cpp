#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "display/loads_chart.h"
#include "display/pass_view.h"
#include "support/example_section.h"
#include "support/golden_file.h"
#include "support/mill_loads_fixture.h"

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
    void drawLineLoop(const ViewPoint* p, int n) override { add("loop", {p, p + n}); }
    void drawLines(const ViewPoint* p, int n) override { add("lines", {p, p + n}); }
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
        char text[400];
        return {text,
                std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2).ptr};
    }
    void add(const char* what, const std::vector<ViewPoint>& points) {
        drawn += what;
        for (const ViewPoint& p : points) drawn += " " + number(p.x) + "," + number(p.y);
        drawn += "\n";
    }
};

PassViewFrame frameOf(const Project& project, int index, const ViewGeometry& view) {
    PassViewFrame frame;
    layoutPassView(frame, project, PassViewCursor{index, false, index == 0}, makePassColours(), {},
                   view, FixedMeasure());
    return frame;
}

ViewRect boundsOf(const ViewPoint* p, int count) {
    const auto [left, right] =
        std::minmax_element(p, p + count, [](ViewPoint a, ViewPoint b) { return a.x < b.x; });
    const auto [top, bottom] =
        std::minmax_element(p, p + count, [](ViewPoint a, ViewPoint b) { return a.y < b.y; });
    return {left->x, top->y, right->x - left->x, bottom->y - top->y};
}

TEST(PassViewZoom, ZoomKeepsThePointerStillPanMovesFitRestores) {
    const ViewRect area{200, 16, 1000, 800};
    const ViewTransform fit{1.5, 300, 900};
    PassViewZoom zoom;
    const auto shown = [&] { return zoomedTransform(zoom, fit, area); };
    const ViewPoint pointer{333, 444};
    const OutlinePoint under = fit.toDrawing(pointer);
    for (double factor : {1.25, 1.25, 0.8, 3.0}) {
        zoomAbout(zoom, fit, area, pointer, factor);
        EXPECT_NEAR(shown().toView(under).x, pointer.x, 1e-3) << factor;
        EXPECT_NEAR(shown().toView(under).y, pointer.y, 1e-3) << factor;
    }
    EXPECT_NEAR(shown().scale, 1.5 * 1.25 * 1.25 * 0.8 * 3, 1e-9);

    const ViewPoint before = shown().toView({0, 0});
    panBy(zoom, fit, area, 25, -40);
    const ViewPoint after = shown().toView({0, 0});
    EXPECT_NEAR(after.x - before.x, 25, 1e-6);
    EXPECT_NEAR(after.y - before.y, -40, 1e-6);
    // The zoom holds when the fit changes (another pass, another window).
    EXPECT_NEAR(zoomedTransform(zoom, {0.7, 10, 20}, area).toView({0, 0}).x, after.x, 1e-6);

    for (int i = 0; i < 100; ++i) zoomAbout(zoom, fit, area, pointer, 2);
    EXPECT_NEAR(shown().scale, 1.5 * kLargestZoom, 1e-9);
    for (int i = 0; i < 100; ++i) zoomAbout(zoom, fit, area, pointer, 0.5);
    EXPECT_NEAR(shown().scale, 1.5 * kSmallestZoom, 1e-9);
    zoomAbout(zoom, fit, area, pointer, std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(std::isfinite(shown().scale));

    PassViewFrame frame;
    frame.fit = fit;
    frame.drawingArea = area;
    zoomByKey(zoom, frame, ViewZoomKey::Fit);
    EXPECT_TRUE(zoom.fitted);
    zoomByKey(zoom, frame, ViewZoomKey::ZoomIn);
    const ViewPoint middle = area.centre();
    EXPECT_NEAR(shown().toView(fit.toDrawing(middle)).x, middle.x, 1e-3);
    EXPECT_NEAR(shown().scale, 1.5 * kZoomStep, 1e-9);
}

// What the golden display lists cannot say for other windows: the overview
// shows whole, its passes filling the window, each labelled beside its
// outline, no label leaving the window or lying over an outline, the legend
// or another label. (The single pass's layout in windows from 40 x 30 to
// 3840 x 2160 is in the golden display lists.)
TEST(PassViewFrame, OverviewLabelsEveryPassInAnyWindow) {
    const Project overview = computedProject(15);
    for (const ViewGeometry view :
         {ViewGeometry{640, 480, 1}, ViewGeometry{800, 600, 1}, ViewGeometry{1280, 1024, 2},
          ViewGeometry{1920, 1080, 1}, ViewGeometry{3840, 2160, 1}, ViewGeometry{700, 1400, 1}}) {
        SCOPED_TRACE(std::to_string(int(view.width)) + "x" + std::to_string(int(view.height)));
        const ViewRect whole{0, 0, view.width, view.height};
        const PassViewFrame f = frameOf(overview, 0, view);
        ASSERT_EQ(f.outlineCount, 15);
        EXPECT_TRUE(whole.containsRect(f.legend.box));
        double top = view.height, bottom = 0;
        for (int i = 0; i < 15; ++i) {
            SCOPED_TRACE("overview outline " + std::to_string(i));
            const ViewOutline& outline = f.outlines[i];
            const ViewRect bounds = boundsOf(outline.points, kOutlinePointCount);
            top = std::min(top, bounds.top);
            bottom = std::max(bottom, bounds.bottom());
            EXPECT_TRUE(whole.containsRect(bounds));
            EXPECT_FALSE(bounds.intersects(f.legend.box));
            const PlacedLabel& label = f.labels[i];
            ASSERT_TRUE(label.placed);
            EXPECT_TRUE(whole.containsRect(label.box) && !label.box.intersects(f.legend.box));
            for (int k = 0; k + 1 < kOutlinePointCount; ++k) {
                EXPECT_FALSE(segmentMeetsRect(outline.points[k], outline.points[k + 1], label.box))
                    << "label on its outline";
            }
            EXPECT_LT(
                std::hypot(label.anchor.x - label.leaderEnd.x, label.anchor.y - label.leaderEnd.y),
                4 * kLabelDistance + 2)
                << "label beside its outline";
            for (int j = 0; j < i; ++j) {
                EXPECT_FALSE(label.box.intersects(f.labels[j].box)) << "and outline " << j;
            }
        }
        EXPECT_GE(bottom - top, 0.4 * view.height);
    }
}

// The panel's pitch at the heights of the golden frames is in their lists.
TEST(PassViewFrame, PanelKeepsEveryLineAtAnyHeight) {
    std::vector<PanelLineExtent> lines(kPanelLineCount, {{180, 13.5, 3.3}, {60, 13.5, 3.3}});
    lines[0].value.width = 0;
    lines[0].label.width = 210;
    const auto box = [](ViewPoint baseline, double width) {
        return ViewRect{baseline.x, baseline.y - 13.5, width, 16.8};
    };
    for (double height : {1000.0, 600.0, 480.0, 200.0}) {
        SCOPED_TRACE(height);
        const ViewRect area{16, 16, 500, height - 32};
        const PanelLayout panel = layoutPanel(lines.data(), kPanelLineCount, area);
        ASSERT_EQ(panel.count, kPanelLineCount);
        EXPECT_EQ(panel.columns, height >= 480 ? 1 : 2);
        for (int i = 0; i < kPanelLineCount; ++i) {
            const ViewRect label = box(panel.label[i], lines[i].label.width);
            EXPECT_TRUE(panel.box.containsRect(label) && area.containsRect(label)) << "line " << i;
            if (i > 0) {
                EXPECT_LE(label.right(), panel.value[i].x - 10) << "line " << i;
            }
            for (int j = 0; j < i; ++j) {
                EXPECT_FALSE(label.intersects(box(panel.label[j], 1)))
                    << "lines " << j << ", " << i;
            }
        }
    }
}

// The texts' colours are in the golden display lists; whether they read
// is not.
TEST(PassColours, TextsReadOnTheBlackBackground) {
    EXPECT_NEAR(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio({64, 128, 128}, {0, 0, 0}), 4.62, 0.01);
    for (Rgb text : {kViewTextColour, panelValueColour()}) {
        EXPECT_GE(contrastRatio(text, kViewBackground), 4.5);
    }
    // Each pass's colour, lightened where it would not read.
    for (Rgb colour : makePassColours().entries) {
        const Rgb light = lightenedToContrast(colour, kViewBackground, 4.5);
        EXPECT_GE(contrastRatio(light, kViewBackground), 4.5);
        if (contrastRatio(colour, kViewBackground) >= 4.5) {
            EXPECT_EQ(light, colour);
        }
    }
}

// The fifteen entries are pinned by the golden display lists.
TEST(PassColours, PositionsOutsideTheTableTakeTheNearestEntry) {
    const PassColours colours = makePassColours();
    const struct {
        int position;
        int entry;
    } cases[] = {{-1, 0}, {-2147483647 - 1, 0}, {15, 14}, {2147483647, 14}, {7, 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(passColour(colours, c.position), colours.entries[c.entry]) << c.position;
    }
}

// The frames as drawn, as display lists: each face fitted to windows from
// 40 x 30 (smaller than its margins) to 3840 x 2160, the panel's values in
// the view's own format under a decimal comma (100.188, 2.675 just below in
// single precision, 99.995 just above, the tie 6.375 to even, 3.4e38), the
// notes beneath the caption with how many more, the overview with a sound bar
// in (5 passes) and with one left out of the fit (15), frames that stay inside
// the pass table whatever the pass count and the cursor say, dimensions that
// are not numbers (an outline with no finite point fits as nothing), and the
// hint shown in place of passes.
TEST(PassViewFrame, FramesEqualTheGoldenDisplayLists) {
    Project project = computedProject(15);
    PassNotes notes;
    setPassNotes(notes, 1, {"a", "b", "c", "d", "e"}, "Mill Loads");
    const auto frame = [&](const std::string& name, int index, ViewGeometry view = {800, 600, 1}) {
        RecordingCanvas canvas;
        renderPassView(canvas, project, PassViewCursor{index, false, index == 0}, makePassColours(),
                       {}, view, &notes);
        return "== " + name + "\n" + canvas.drawn;
    };
    const auto hint = [&] {
        const char* hint = passViewHint(project);
        return std::string("hint: ") + (hint == nullptr ? "none" : hint) + "\n";
    };
    std::string frames = frame("pass 3 with five notes, 640 x 480", 2, {640, 480, 1}) +
                         frame("pass 3 with five notes, 1280 x 1024 at 2", 2, {1280, 1024, 2}) +
                         frame("pass 4 without notes", 3) +
                         frame("pass 3 in a window smaller than its margins", 2, {40, 30, 1}) +
                         frame("the overview in a window smaller than its margins", 0, {40, 30, 1});
    const auto edge = [&](const char* name, int passCount, int index,
                          ViewGeometry view = {800, 600, 1}) {
        project.section.passCount = passCount;
        return frame(name, index, view);
    };
    frames += edge("no computed project", 0, 0) + edge("negative pass count", -3, 0) +
              edge("pass count beyond the table", 1000, 0) +
              edge("cursor on the last record", 15, 15) +
              edge("cursor set past the table", 15, 16) +
              edge("pass 13 in 3840 x 2160", 15, 12, {3840, 2160, 1}) +
              edge("pass 13 in 700 x 1400", 15, 12, {700, 1400, 1}) +
              edge("single-pass face with a negative index", 8, -4);
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
    frames += hint();
    // Nothing computed: a black view, with the hint for the widget to show.
    project.flags.computed = false;
    for (int index : {0, 1}) frames += frame("nothing computed, " + std::to_string(index), index);
    frames += hint();
    // Computed without passes: the hint names the Setup.
    project.flags.computed = true;
    project.section.passCount = 0;
    testing::expectGolden("pass-view-frames.txt", frames + hint());
}

// One key message: 'L'/'R' press an arrow, 'l'/'r' release it, '+' is an
// auto-repeated press of the held arrow and '-' its auto-repeated release,
// 'x' presses and releases another key; a digit makes the schedule that
// many passes long.
void play(PassViewCursor& cursor, const std::string& keys, int passCount) {
    int held = kRightArrowKey;
    for (char key : keys) {
        if (key >= '0' && key <= '9') passCount = key - '0';
        const int arrow = key == 'L' || key == 'l' ? kLeftArrowKey : kRightArrowKey;
        if (key == 'L' || key == 'R') cursorKeyDown(cursor, held = arrow, passCount);
        if (key == 'l' || key == 'r') cursorKeyUp(cursor, arrow);
        if (key == '+') cursorKeyDown(cursor, held, passCount, KeyRepeat::Yes);
        if (key == '-') cursorKeyUp(cursor, held, KeyRepeat::Yes);
        if (key == 'x') {
            cursorKeyDown(cursor, 'A', passCount);
            cursorKeyUp(cursor, 'A');
        }
    }
}

TEST(PassViewCursor, KeySequences) {
    const struct {
        const char* name;
        int passCount;
        const char* keys;
        int index;
    } cases[] = {
        {"starts at the overview", 8, "", 0},
        {"first press after start-up moves", 8, "Rr", 1},
        {"one step per press", 8, "RrRrRr", 3},
        {"holding moves one step", 8, "R+++++r", 1},
        {"auto-repeat releases keep the latch", 8, "R-+-+-+-+r", 1},
        {"press after a held key moves again", 8, "R+-+-rR-+r", 2},
        {"without a release a second press waits", 8, "RR", 1},
        {"either arrow releases the latch", 8, "RlR", 2},
        {"left steps back", 8, "RrRrRrLl", 2},
        {"left at the overview stays", 8, "LlLl", 0},
        {"stops at passCount - 1", 8, "RrRrRrRrRrRrRrRrRrRr", 7},
        {"passCount 1 stays at the overview", 1, "RrRr", 0},
        {"no computed project stays at the overview", 0, "RrRr", 0},
        {"negative passCount stays at the overview", -5, "RrRr", 0},
        {"other keys move nothing", 8, "Rrxxx", 1},
        {"any key brings the cursor onto a shorter schedule", 13, "RrRrRrRrRrRr4x", 3},
        {"passCount beyond the table stops at its last record", 40,
         "RrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRr", 14},
    };
    for (const auto& c : cases) {
        PassViewCursor cursor;
        play(cursor, c.keys, c.passCount);
        EXPECT_EQ(cursor.index, c.index) << c.name;
        EXPECT_EQ(cursor.overview, c.index == 0) << c.name;
    }
}

// Writes down what the chart draws, one line each, in a face of fixed
// measures: lines 10 high, characters 6 wide.
class RecordingChart : public ChartCanvas {
  public:
    std::string drawn;

    double lineHeight() const override { return 10; }
    double textWidth(std::string_view text) const override {
        double characters = 0;
        for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return 6 * characters;
    }
    void fillRect(const ChartRect& r, Rgb colour) override {
        add("rect %.1f %.1f %.1f %.1f ", r.x, r.y, r.width, r.height);
        drawn += nameOf(colour) + "\n";
    }
    void drawPolyline(const std::vector<ChartPoint>& points, Rgb colour,
                      ChartStroke stroke) override {
        drawn += stroke == ChartStroke::Thick ? "THICK" : "line";
        for (const ChartPoint& p : points) add(" %.1f,%.1f", p.x, p.y);
        drawn += " " + nameOf(colour) + "\n";
    }
    void drawText(ChartPoint at, ChartAlign align, Rgb colour, std::string_view text) override {
        add("text %.1f,%.1f %c ", at.x, at.y, "LCR"[static_cast<int>(align)]);
        drawn += nameOf(colour) + " " + std::string(text) + "\n";
    }

  private:
    template <typename... Values>
    void add(const char* format, Values... values) {
        char text[160];
        std::snprintf(text, sizeof text, format, values...);
        drawn += text;
    }
    static std::string nameOf(Rgb c) {
        const std::pair<Rgb, const char*> names[] = {
            {kChartForce, "force"}, {kChartTorque, "torque"},
            {kChartMotor, "motor"}, {kChartTemperature, "temperature"},
            {kChartLimit, "limit"}, {kChartInk, "ink"},
            {kChartGrid, "grid"}};
        for (const auto& [colour, name] : names) {
            if (colour == c) return name;
        }
        return "?";
    }
};

// The first three passes of the fixture: use of the limits with the 100 %
// line and the temperature, and Pass 3's motor power, which has no rating,
// as a value beneath; then all of them in a window too low to read, and no
// loads at all.
TEST(LoadsChart, DrawsTheUseOfTheLimitsTheTemperatureAndTheValuesWithoutALimit) {
    const std::vector<PassLoads> loads = testing::millLoadsProject().loads;
    RecordingChart chart;
    paintLoadsChart({loads.begin(), loads.begin() + 3}, {0, 0, 400, 240}, chart);
    chart.drawn += "== too low\n";
    paintLoadsChart(loads, {0, 0, 400, 60}, chart);
    chart.drawn += "== no loads\n";
    paintLoadsChart({}, {0, 0, 400, 240}, chart);
    testing::expectGolden("loads-chart.txt", chart.drawn);
}

}  // namespace
}  // namespace rolvanta
