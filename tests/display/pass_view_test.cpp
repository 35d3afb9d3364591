#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "display/pass_view.h"
#include "support/example_section.h"
#include "support/recording_canvas.h"

namespace rolvanta {
namespace {

using testing::Call;
using testing::CanvasCall;
using testing::computedProject;
using testing::RecordingCanvas;

PassViewCursor cursorAt(int index) {
    PassViewCursor cursor;
    cursor.index = index;
    cursor.overview = index == 0;
    return cursor;
}

RecordingCanvas frame(const Project& project, const PassViewCursor& cursor) {
    RecordingCanvas canvas;
    renderPassView(canvas, project, cursor, makePassColours());
    return canvas;
}

// The outline's points as the canvas receives them.
std::vector<OutlinePoint> pointsOf(int position, const PassRecord& record) {
    const SectionOutline outline = computeSectionOutline(position, record);
    return {outline.points, outline.points + kOutlinePointCount};
}

std::string kinds(const RecordingCanvas& canvas) {
    static const char letters[] = "CVWcLlTpP";
    std::string out;
    for (const CanvasCall& call : canvas.calls) out += letters[static_cast<int>(call.kind)];
    return out;
}

std::vector<int> viewportOf(const CanvasCall* call) {
    return std::vector<int>(call->viewport, call->viewport + 4);
}

TEST(RenderPassView, SinglePassShowsItsRecordColourAndPassNumber) {
    const Project project = computedProject(15);
    const PassColours table = makePassColours();
    for (int index = 1; index <= 15; ++index) {
        const int position = index - 1;
        const RecordingCanvas canvas = frame(project, cursorAt(index));
        SCOPED_TRACE("index " + std::to_string(index));
        // clear, push, width; panel viewport with its 14 lines; separator
        // viewport and line; the outline in the pass colour; the caption; pop.
        // clang-format off
        EXPECT_EQ(kinds(canvas), "CpW" "VpcTTTTTTTTTTTTTTP" "VpclP" "cpLP" "T" "P");
        // clang-format on
        const auto viewports = canvas.of(Call::viewport);
        EXPECT_EQ(viewportOf(viewports[0]), (std::vector<int>{0, 0, 100, 500})) << "panel";
        EXPECT_EQ(viewportOf(viewports[1]), (std::vector<int>{100, 0, 900, 1000})) << "outline";
        EXPECT_EQ(canvas.of(Call::lineWidth)[0]->width, 1.5f);

        const auto colours = canvas.of(Call::colour);
        EXPECT_EQ(colours[0]->rgb, (Rgb{64, 128, 128})) << "panel";
        EXPECT_EQ(colours[1]->rgb, (Rgb{128, 128, 128})) << "separator";
        EXPECT_EQ(colours[2]->rgb, table.entries[position]) << "outline";
        const CanvasCall& separator = *canvas.of(Call::line)[0];
        EXPECT_EQ(separator.points, (std::vector<OutlinePoint>{{105, 0}, {105, 2000}}));
        EXPECT_EQ(canvas.of(Call::lineLoop)[0]->points,
                  pointsOf(position, project.passes.records[position]));

        const CanvasCall& caption = *canvas.of(Call::text).back();
        EXPECT_EQ(caption.font, TextFont::caption);
        EXPECT_EQ(caption.text, "PASS : " + std::to_string(index + 1));
        EXPECT_EQ(caption.position, (OutlinePoint{400, 100}));
    }
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
    const std::string expected[] = {
        "   ( ALL DIMENSIONS IN MM )",
        "WEB WIDTH : 100.19",
        "WEB THICKNESS :2.67",
        "WEB AREA : 1234.50",
        "DEAD FLANGE HEIGHT : 0.00",
        "DEAD FLANGE THICKNESS : -3.14",
        "DEAD FLANGE ROOT : 0.00",
        "DEAD FLANGE TIP : 100.00",
        "DEAD FLANGE AREA : 263.27",
        "LIVE FLANGE HEIGHT : 42.50",
        "LIVE FLANGE THICKNESS : 6.38",
        "LIVE FLANGE ROOT : 8.58",
        "LIVE FLANGE TIP : 4.17",
        "LIVE FLANGE AREA : 339999995214436424907732413799364296704.00",
    };
    // The user's decimal comma must not reach the view.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "no de_DE.UTF-8 locale";
    RecordingCanvas canvas;
    drawDimensionPanel(canvas, record);
    std::setlocale(LC_ALL, "C");

    const auto texts = canvas.of(Call::text);
    ASSERT_EQ(texts.size(), std::size(expected));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i]->text, expected[i]);
        EXPECT_EQ(texts[i]->font, TextFont::label) << expected[i];
        EXPECT_EQ(texts[i]->position, (OutlinePoint{5.0f, 950.0f - 50 * i})) << expected[i];
    }
}

TEST(RenderPassView, OverviewDrawsEveryComputedRecordInItsColour) {
    const PassColours table = makePassColours();
    for (int passCount : {5, 8, 13, 15}) {
        const Project project = computedProject(passCount);
        const RecordingCanvas canvas = frame(project, cursorAt(0));
        const std::string what = "passCount " + std::to_string(passCount);
        const int side = static_cast<int>(project.section.webWidth + 100.0);

        EXPECT_TRUE(canvas.of(Call::text).empty()) << what;
        EXPECT_TRUE(canvas.of(Call::line).empty()) << what;
        const auto loops = canvas.of(Call::lineLoop);
        const auto colours = canvas.of(Call::colour);
        const auto viewports = canvas.of(Call::viewport);
        ASSERT_EQ(loops.size(), std::size_t(passCount)) << what;
        ASSERT_EQ(colours.size(), std::size_t(passCount)) << what;
        ASSERT_EQ(viewports.size(), std::size_t(passCount)) << what;
        for (int i = 0; i < passCount; ++i) {
            EXPECT_EQ(loops[i]->points, pointsOf(i, project.passes.records[i]))
                << what << ", " << i;
            EXPECT_EQ(colours[i]->rgb, table.entries[i]) << what << ", position " << i;
            EXPECT_EQ(viewportOf(viewports[i]), (std::vector<int>{0, 0, side, side})) << what;
        }
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
        {"single-pass face with index 0", 8, -4, 0},
    };
    Project project = computedProject(15);
    for (const auto& c : cases) {
        project.section.passCount = c.passCount;
        const RecordingCanvas canvas = frame(project, cursorAt(c.index));
        EXPECT_EQ(canvas.of(Call::lineLoop).size(), c.loops) << c.name;
        EXPECT_EQ(canvas.of(Call::push).size(), canvas.of(Call::pop).size()) << c.name;
        EXPECT_EQ(canvas.calls.front().kind, Call::clear) << c.name;
    }
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
