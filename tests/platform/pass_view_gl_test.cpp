// The pass view on a real OpenGL context (xvfb-run, Mesa): the grabbed
// framebuffer must show each pass's colour along its outline, and the panel,
// separator and caption where the frame puts them. The frames are saved
// beside the dialog screenshots for a person to look at.

#include <gtest/gtest.h>

#include <QDir>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <vector>

#include "display/pass_view.h"
#include "platform/pass_view_widget.h"
#include "platform_testing.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

using testing::pixelsOfColour;

// A medium-weight beam of catalogue size, 600 x 210, large enough for its
// passes to lie apart from one another in the overview.
Project computedBeam(int passCount) {
    Project project = testing::exampleProject(passCount);
    BeamSection& s = project.section;
    std::strcpy(s.name, "MB 600");
    setFinishedWebWidth(s, 600.0f);
    s.webThickness = 12.0f;
    s.flangeHeight = 210.0f;
    s.flangeThickness = 20.8f;
    s.rootRadius = 20.0f;
    s.tipRadius = 10.0f;
    s.mass = 122.6f;
    s.area = 15621.0f;
    computeDesign(project);
    project.flags.computed = true;
    return project;
}

// The frame the widget shows at 1000 x 1000 pixels, saved for a look.
QImage shownFrame(const Project& project, int index, const char* name) {
    PassViewCursor cursor;
    cursor.index = index;
    cursor.overview = index == 0;
    const PassColours colours = makePassColours();
    PassViewWidget widget(project, cursor, colours);
    widget.resize(1000, 1000);
    widget.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
    EXPECT_TRUE(widget.hasOpenGl());
    const QImage image = widget.grabFramebuffer();
    QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
    EXPECT_TRUE(image.save(QString(ROLVANTA_SCREENSHOT_DIR "/%1.png").arg(name)));
    return image;
}

// The outline of record `position` in image pixels (top-left origin), for a
// viewport at (left, 0) of the given size.
QPainterPath outlineInImage(const Project& project, int position, int left, int width, int height) {
    const SectionOutline outline =
        computeSectionOutline(position, project.passes.records[position]);
    QPolygonF polygon;
    for (const OutlinePoint& p : outline.points) {
        polygon << QPointF(left + p.x / 1000.0 * width, 1000 - p.y / 1000.0 * height);
    }
    QPainterPath path;
    path.addPolygon(polygon);
    return path;
}

// Points every few pixels along the path.
std::vector<QPointF> samples(const QPainterPath& path) {
    std::vector<QPointF> points;
    const int count = std::max(2, static_cast<int>(path.length() / 4));
    for (int i = 0; i < count; ++i) points.push_back(path.pointAtPercent(double(i) / count));
    return points;
}

// Whether the colour lies within a pixel of p.
bool colourNear(const QImage& image, QPointF p, Rgb colour) {
    const QPoint centre = p.toPoint();
    return pixelsOfColour(image, colour, QRect(centre - QPoint(1, 1), QSize(3, 3))) > 0;
}

TEST(PassViewGl, FramebufferShowsEachPassWhereItsOutlineLies) {
    ASSERT_TRUE(openGlAvailable());
    const Project project = computedBeam(13);
    const PassColours colours = makePassColours();

    const QImage overview = shownFrame(project, 0, "pass-view-overview");
    ASSERT_EQ(overview.size(), QSize(1000, 1000));
    const int side = overviewViewportSize(project.section);
    // Later passes are drawn over earlier ones: check each pass where no
    // later outline passes within a few pixels. Position 0 lies entirely
    // under position 2, a few millimetres apart and turned the same way; the
    // single-pass face shows it.
    QPainterPathStroker stroker;
    stroker.setWidth(5);
    QPainterPath later;
    for (int position = 12; position >= 1; --position) {
        const QPainterPath outline = outlineInImage(project, position, 0, side, side);
        int checked = 0;
        int found = 0;
        for (QPointF p : samples(outline)) {
            if (later.contains(p)) continue;
            ++checked;
            found += colourNear(overview, p, colours.entries[position]);
        }
        EXPECT_GT(checked, 10) << "position " << position;
        EXPECT_EQ(found, checked) << "position " << position;
        later = later.united(stroker.createStroke(outline));
    }
    // Away from every outline the background stays black.
    EXPECT_EQ(overview.pixel(900, 100) & 0xFFFFFF, 0u);
    EXPECT_EQ(overview.pixel(side + 50, 1000 - side / 2) & 0xFFFFFF, 0u);

    for (int index : {1, 2}) {
        const QImage image = shownFrame(project, index, "pass-view-single-pass");
        const Rgb colour = colours.entries[index - 1];
        const auto points = samples(outlineInImage(project, index - 1, 100, 900, 1000));
        const auto missing = std::count_if(
            points.begin(), points.end(), [&](QPointF p) { return !colourNear(image, p, colour); });
        EXPECT_EQ(missing, 0) << "index " << index << ": of " << points.size() << " points";
        // The separator: x = 105 of the 900-pixel viewport at 100.
        EXPECT_GT(pixelsOfColour(image, {128, 128, 128}, QRect(192, 0, 5, 1000)), 900) << index;
        // The caption "PASS : n" on its baseline at (460, 100) from the bottom.
        EXPECT_GT(pixelsOfColour(image, colour, QRect(455, 1000 - 100 - 32, 200, 40)), 30) << index;
        // The first panel line on its baseline at (0.5, 475) from the bottom.
        EXPECT_GT(pixelsOfColour(image, {64, 128, 128}, QRect(0, 1000 - 475 - 15, 250, 20)), 20)
            << index;
    }
}

}  // namespace
}  // namespace rolvanta
