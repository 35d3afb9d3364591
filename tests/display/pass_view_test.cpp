#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "display/pass_view.h"
#include "engine/pass_schedule.h"
#include "support/example_section.h"
#include "support/recording_canvas.h"

namespace rolvanta {
namespace {

using testing::Call;
using testing::CanvasCall;
using testing::RecordingCanvas;

Project computedProject(int passCount) {
    Project project = testing::exampleProject(passCount);
    computeDesign(project);
    return project;
}

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

void expectOutline(const CanvasCall& call, const SectionOutline& expected,
                   const std::string& what) {
    ASSERT_EQ(call.kind, Call::lineLoop) << what;
    ASSERT_EQ(call.points.size(), std::size_t{kOutlinePointCount}) << what;
    for (int i = 0; i < kOutlinePointCount; ++i) {
        EXPECT_EQ(call.points[i].x, expected.points[i].x) << what << ", point " << i + 1;
        EXPECT_EQ(call.points[i].y, expected.points[i].y) << what << ", point " << i + 1;
    }
}

std::string kinds(const RecordingCanvas& canvas) {
    static const char letters[] = "CVWcLlTpP";
    std::string out;
    for (const CanvasCall& call : canvas.calls) out += letters[static_cast<int>(call.kind)];
    return out;
}

TEST(RenderPassView, SinglePassFrameInOrder) {
    const Project project = computedProject(8);
    const RecordingCanvas canvas = frame(project, cursorAt(1));
    // clear, push, width; panel viewport with its 14 lines; separator
    // viewport and line; the outline in the pass colour; the caption; pop.
    // clang-format off
    EXPECT_EQ(kinds(canvas), "CpW" "VpcTTTTTTTTTTTTTTP" "VpclP" "cpLP" "T" "P");
    // clang-format on

    const auto viewports = canvas.of(Call::viewport);
    ASSERT_EQ(viewports.size(), 2u);
    EXPECT_EQ(std::vector<int>(viewports[0]->viewport, viewports[0]->viewport + 4),
              (std::vector<int>{0, 0, 100, 500}));
    EXPECT_EQ(std::vector<int>(viewports[1]->viewport, viewports[1]->viewport + 4),
              (std::vector<int>{100, 0, 900, 1000}));
    EXPECT_EQ(canvas.of(Call::lineWidth)[0]->width, 1.5f);

    const auto colours = canvas.of(Call::colour);
    ASSERT_EQ(colours.size(), 3u);
    EXPECT_EQ(colours[0]->rgb, (Rgb{64, 128, 128})) << "panel";
    EXPECT_EQ(colours[1]->rgb, (Rgb{128, 128, 128})) << "separator";

    const CanvasCall& separator = *canvas.of(Call::line)[0];
    EXPECT_EQ(separator.points[0].x, 105.0f);
    EXPECT_EQ(separator.points[0].y, 0.0f);
    EXPECT_EQ(separator.points[1].x, 105.0f);
    EXPECT_EQ(separator.points[1].y, 2000.0f);
}

TEST(RenderPassView, EachIndexShowsItsRecordColourAndPassNumber) {
    const Project project = computedProject(15);
    const PassColours table = makePassColours();
    for (int index = 1; index <= 15; ++index) {
        const int position = index - 1;
        const RecordingCanvas canvas = frame(project, cursorAt(index));
        const std::string what = "index " + std::to_string(index);

        const auto loops = canvas.of(Call::lineLoop);
        ASSERT_EQ(loops.size(), 1u) << what;
        expectOutline(*loops[0], computeSectionOutline(position, project.passes.records[position]),
                      what);
        EXPECT_EQ(canvas.of(Call::colour).back()->rgb, table.entries[position]) << what;

        const CanvasCall& caption = *canvas.of(Call::text).back();
        EXPECT_EQ(caption.font, TextFont::caption) << what;
        EXPECT_EQ(caption.text, "PASS : " + std::to_string(index + 1)) << what;
        EXPECT_EQ(caption.position.x, 400.0f) << what;
        EXPECT_EQ(caption.position.y, 100.0f) << what;
        EXPECT_EQ(canvas.of(Call::text).size(), 15u) << what << ": panel and caption";
    }
}

struct PanelLine {
    float y;
    std::string text;
};

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
    const std::vector<PanelLine> expected = {
        {950, "   ( ALL DIMENSIONS IN MM )"},
        {900, "WEB WIDTH : 100.19"},
        {850, "WEB THICKNESS :2.67"},
        {800, "WEB AREA : 1234.50"},
        {750, "DEAD FLANGE HEIGHT : 0.00"},
        {700, "DEAD FLANGE THICKNESS : -3.14"},
        {650, "DEAD FLANGE ROOT : 0.00"},
        {600, "DEAD FLANGE TIP : 100.00"},
        {550, "DEAD FLANGE AREA : 263.27"},
        {500, "LIVE FLANGE HEIGHT : 42.50"},
        {450, "LIVE FLANGE THICKNESS : 6.38"},
        {400, "LIVE FLANGE ROOT : 8.58"},
        {350, "LIVE FLANGE TIP : 4.17"},
        {300, "LIVE FLANGE AREA : 339999995214436424907732413799364296704.00"},
    };
    // The user's decimal comma must not reach the view.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;

    RecordingCanvas canvas;
    drawDimensionPanel(canvas, record);
    std::setlocale(LC_ALL, previous.c_str());

    const auto texts = canvas.of(Call::text);
    ASSERT_EQ(texts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(texts[i]->text, expected[i].text) << "line " << i;
        EXPECT_EQ(texts[i]->font, TextFont::label) << "line " << i;
        EXPECT_EQ(texts[i]->position.x, 5.0f) << "line " << i;
        EXPECT_EQ(texts[i]->position.y, expected[i].y) << "line " << i;
    }
    EXPECT_TRUE(comma) << "the de_DE.UTF-8 locale is missing (scripts/install-deps makes it)";
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
            expectOutline(*loops[i], computeSectionOutline(i, project.passes.records[i]),
                          what + ", position " + std::to_string(i));
            EXPECT_EQ(colours[i]->rgb, table.entries[i]) << what << ", position " << i;
            EXPECT_EQ(std::vector<int>(viewports[i]->viewport, viewports[i]->viewport + 4),
                      (std::vector<int>{0, 0, side, side}))
                << what;
        }
    }
}

TEST(RenderPassView, FramesStayInsideThePassTable) {
    struct Case {
        const char* name;
        int passCount;
        int index;
        std::size_t loops;
    };
    const Case cases[] = {
        {"no computed project", 0, 0, 0},
        {"negative pass count", -3, 0, 0},
        {"pass count beyond the table", 1000, 0, 15},
        {"largest pass count", 2147483647, 0, 15},
        {"cursor on the last record", 15, 15, 1},
        {"cursor set past the table", 15, 16, 0},
        {"single-pass face with index 0", 8, -4, 0},
    };
    Project project = computedProject(15);
    for (const Case& c : cases) {
        project.section.passCount = c.passCount;
        PassViewCursor cursor = cursorAt(c.index);
        cursor.overview = c.index == 0;
        const RecordingCanvas canvas = frame(project, cursor);
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
