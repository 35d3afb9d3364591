#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <iomanip>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "display/pass_view.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

using testing::computedProject;

std::ostream& operator<<(std::ostream& out, OutlinePoint p) { return out << p.x << ',' << p.y; }
std::ostream& operator<<(std::ostream& out, Rgb c) {
    return out << +c.red << ' ' << +c.green << ' ' << +c.blue;
}

// The parts separated by blanks, floats to every digit they hold.
template <typename... Parts>
std::string said(const Parts&... parts) {
    std::ostringstream out;
    out << std::setprecision(9);
    ((out << parts << ' '), ...);
    const std::string text = out.str();
    return text.substr(0, text.size() - 1);
}

std::string loopOf(const OutlinePoint* points, int count) {
    std::string loop = "loop";
    for (int i = 0; i < count; ++i) loop += " " + said(points[i]);
    return loop;
}

std::string loopOf(int position, const PassRecord& record) {
    return loopOf(computeSectionOutline(position, record).points, kOutlinePointCount);
}

// Writes down every call as a line of text.
class RecordingCanvas : public LineCanvas {
  public:
    std::vector<std::string> calls;

    void clear() override { calls.push_back("clear"); }
    void setViewport(int x, int y, int width, int height) override {
        calls.push_back(said("viewport", x, y, width, height));
    }
    void setLineWidth(float width) override { calls.push_back(said("width", width)); }
    void setColour(Rgb colour) override { calls.push_back(said("colour", colour)); }
    void drawLineLoop(const OutlinePoint* points, int count) override {
        calls.push_back(loopOf(points, count));
    }
    void drawLine(OutlinePoint from, OutlinePoint to) override {
        calls.push_back(said("line", from, to));
    }
    void drawText(TextFont font, OutlinePoint at, std::string_view text) override {
        calls.push_back(said(font == TextFont::label ? "label" : "caption", at, text));
    }
    void pushMatrix() override { calls.push_back("push"); }
    void popMatrix() override { calls.push_back("pop"); }

    std::vector<std::string> of(const std::string& kind) const {
        std::vector<std::string> found;
        for (const std::string& call : calls) {
            if (call.rfind(kind, 0) == 0) found.push_back(call);
        }
        return found;
    }
};

RecordingCanvas frame(const Project& project, int cursorIndex) {
    PassViewCursor cursor;
    cursor.index = cursorIndex;
    cursor.overview = cursorIndex == 0;
    RecordingCanvas canvas;
    renderPassView(canvas, project, cursor, makePassColours());
    return canvas;
}

TEST(RenderPassView, SinglePassShowsPanelSeparatorOutlineAndCaption) {
    const Project project = computedProject(15);
    const PassColours colours = makePassColours();
    for (int index = 1; index <= 15; ++index) {
        const int position = index - 1;
        const PassRecord& record = project.passes.records[position];
        RecordingCanvas panel;
        drawDimensionPanel(panel, record);
        std::vector<std::string> expected = {"clear", "push", "width 1.5", "viewport 0 0 100 500"};
        expected.insert(expected.end(), panel.calls.begin(), panel.calls.end());
        for (const std::string& call :
             {std::string("viewport 100 0 900 1000"), std::string("push"),
              said("colour", Rgb{128, 128, 128}), std::string("line 105,0 105,2000"),
              std::string("pop"), said("colour", colours.entries[position]), std::string("push"),
              loopOf(position, record), std::string("pop"),
              "caption 400,100 PASS : " + std::to_string(index + 1), std::string("pop")}) {
            expected.push_back(call);
        }
        EXPECT_EQ(frame(project, index).calls, expected) << "index " << index;
    }
}

TEST(RenderPassView, OverviewDrawsEveryComputedRecordInItsColour) {
    const PassColours colours = makePassColours();
    for (int passCount : {5, 13, 15}) {
        const Project project = computedProject(passCount);
        const std::string side = std::to_string(int(project.section.webWidth + 100.0));
        std::vector<std::string> expected = {"clear", "push", "width 1.5"};
        for (int i = 0; i < passCount; ++i) {
            expected.push_back(said("colour", colours.entries[i]));
            expected.push_back("viewport 0 0 " + side + " " + side);
            expected.push_back("push");
            expected.push_back(loopOf(i, project.passes.records[i]));
            expected.push_back("pop");
        }
        expected.push_back("pop");
        EXPECT_EQ(frame(project, 0).calls, expected) << passCount << " passes";
    }
}

TEST(RenderPassView, FramesStayInsideThePassTable) {
    const struct {
        const char* name;
        int passCount;
        int index;
        std::size_t loops;
    } cases[] = {
        {"no computed project", 0, 0, 0},
        {"negative pass count", -3, 0, 0},
        {"pass count beyond the table", 1000, 0, 15},
        {"largest pass count", 2147483647, 0, 15},
        {"cursor on the last record", 15, 15, 1},
        {"cursor set past the table", 15, 16, 0},
        {"single-pass face with a negative index", 8, -4, 0},
    };
    Project project = computedProject(15);
    for (const auto& c : cases) {
        project.section.passCount = c.passCount;
        const RecordingCanvas canvas = frame(project, c.index);
        EXPECT_EQ(canvas.of("loop").size(), c.loops) << c.name;
        EXPECT_EQ(canvas.of("push").size(), canvas.of("pop").size()) << c.name;
        EXPECT_EQ(canvas.calls.front(), "clear") << c.name;
    }
    EXPECT_EQ(passViewHint(project), nullptr);
    // Nothing computed: a black view, with the hint for the widget to show.
    project.flags.computed = false;
    EXPECT_EQ(frame(project, 0).calls, std::vector<std::string>{"clear"});
    ASSERT_NE(passViewHint(project), nullptr);
    EXPECT_NE(std::string(passViewHint(project)).find("Compute"), std::string::npos);
}

TEST(DrawDimensionPanel, LinesPositionsAndDecimals) {
    PassRecord record{};
    record.passWidth = 100.188f;
    record.webThickness = 2.675f;  // just below 2.675 in single precision
    record.webArea = 1234.5f;
    record.deadFlangeHeight = 0.005f;  // just below 0.005
    record.deadFlangeThickness = -3.14159f;
    record.deadFlangeRoot = 0;
    record.deadFlangeTip = 99.995f;  // just above 99.995
    record.deadFlangeArea = 263.268f;
    record.liveFlangeHeight = 42.5f;
    record.liveFlangeThickness = 6.375f;  // a tie, exact in binary: to even
    record.liveFlangeRoot = 8.584f;
    record.liveFlangeTip = 4.166f;
    record.liveFlangeArea = 3.4e38f;
    // The user's decimal comma must not reach the view.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "no de_DE.UTF-8 locale";
    RecordingCanvas canvas;
    drawDimensionPanel(canvas, record);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(canvas.of("label"), (std::vector<std::string>{
                                      "label 5,950    ( ALL DIMENSIONS IN MM )",
                                      "label 5,900 WEB WIDTH : 100.19",
                                      "label 5,850 WEB THICKNESS :2.67",
                                      "label 5,800 WEB AREA : 1234.50",
                                      "label 5,750 DEAD FLANGE HEIGHT : 0.00",
                                      "label 5,700 DEAD FLANGE THICKNESS : -3.14",
                                      "label 5,650 DEAD FLANGE ROOT : 0.00",
                                      "label 5,600 DEAD FLANGE TIP : 100.00",
                                      "label 5,550 DEAD FLANGE AREA : 263.27",
                                      "label 5,500 LIVE FLANGE HEIGHT : 42.50",
                                      "label 5,450 LIVE FLANGE THICKNESS : 6.38",
                                      "label 5,400 LIVE FLANGE ROOT : 8.58",
                                      "label 5,350 LIVE FLANGE TIP : 4.17",
                                      "label 5,300 LIVE FLANGE AREA : "
                                      "339999995214436424907732413799364296704.00",
                                  }));
}

TEST(OverviewViewportSize, WebWidthInPixelsTruncated) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        const char* name;
        float webWidth;
        int side;
    } cases[] = {
        {"300 mm", 300.0f, 400},
        {"just below 300 mm", std::nextafter(300.0f, 0.0f), 399},
        {"just below 200 mm", std::nextafter(200.0f, 0.0f), 299},
        {"no section", 0.0f, 100},
        {"negative width", -40.5f, 59},
        {"width cancelling the margin", -100.0f, 0},
        {"below the margin", -250.0f, 0},
        {"not a number", nan, 0},
        {"infinite", inf, 16384},
        {"huge", 3e38f, 16384},
    };
    for (const auto& c : cases) {
        BeamSection section{};
        section.webWidth = c.webWidth;
        EXPECT_EQ(overviewViewportSize(section), c.side) << c.name;
    }
}

}  // namespace
}  // namespace rolvanta
