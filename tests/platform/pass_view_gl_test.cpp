// The pass view on a real OpenGL context (xvfb-run, Mesa): the grabbed
// framebuffer must show each pass's colour along its outline, and the panel,
// separator and caption where the frame puts them. The frames are saved
// beside the dialog screenshots for a person to look at.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "display/pass_view.h"
#include "engine/pass_schedule.h"
#include "platform/pass_view_widget.h"
#include "platform_testing.h"
#include "support/example_section.h"

#ifndef ROLVANTA_SCREENSHOT_DIR
#define ROLVANTA_SCREENSHOT_DIR "screenshots"
#endif

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
    return project;
}

// The widget at 1000 x 1000 pixels, shown and painted once.
struct ShownView {
    Project project;
    PassViewCursor cursor;
    PassColours colours = makePassColours();
    PassViewWidget widget{project, cursor, colours};

    ShownView(const Project& p, int index) : project(p) {
        cursor.index = index;
        cursor.overview = index == 0;
        widget.resize(1000, 1000);
        widget.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
    }
};

void keep(const QImage& image, const char* name) {
    QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
    EXPECT_TRUE(image.save(QString(ROLVANTA_SCREENSHOT_DIR "/%1.png").arg(name)));
}

struct Segment {
    QPointF from;
    QPointF to;
};

double distance(QPointF p, const Segment& s) {
    const QPointF d = s.to - s.from;
    const double length2 = QPointF::dotProduct(d, d);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - s.from, d) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = s.from + t * d;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// An outline's edges in image pixels (top-left origin) for a viewport at
// (left, 0) of the given size in the 1000-pixel high view.
std::vector<Segment> outlineInImage(const SectionOutline& outline, int left, int width,
                                    int height) {
    const auto pixel = [&](OutlinePoint p) {
        return QPointF(left + p.x / 1000.0 * width, 1000 - p.y / 1000.0 * height);
    };
    std::vector<Segment> segments;
    for (int i = 0; i + 1 < kOutlinePointCount; ++i) {
        segments.push_back({pixel(outline.points[i]), pixel(outline.points[i + 1])});
    }
    return segments;
}

// Whether the colour lies within a pixel of p.
bool colourNear(const QImage& image, QPointF p, Rgb colour) {
    const QPoint centre(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
    return pixelsOfColour(image, colour, QRect(centre - QPoint(1, 1), QSize(3, 3))) > 0;
}

// Points every few pixels along the edges.
std::vector<QPointF> samples(const std::vector<Segment>& segments) {
    std::vector<QPointF> points;
    for (const Segment& s : segments) {
        const double length = std::hypot(s.to.x() - s.from.x(), s.to.y() - s.from.y());
        const int steps = std::max(1, static_cast<int>(length / 4));
        for (int i = 1; i < steps; ++i) points.push_back(s.from + (s.to - s.from) * i / steps);
    }
    return points;
}

TEST(PassViewGl, FramebufferShowsEachPassWhereItsOutlineLies) {
    ASSERT_TRUE(openGlAvailable());
    const Project project = computedBeam(13);
    {
        ShownView view(project, 0);
        ASSERT_TRUE(view.widget.hasOpenGl());
        const QImage image = view.widget.grabFramebuffer();
        keep(image, "pass-view-overview");
        ASSERT_EQ(image.size(), QSize(1000, 1000));

        const int side = overviewViewportSize(project.section);
        std::vector<std::vector<Segment>> outlines;
        for (int position = 0; position < 13; ++position) {
            outlines.push_back(outlineInImage(
                computeSectionOutline(position, project.passes.records[position]), 0, side, side));
        }
        // Later passes are drawn over earlier ones: check each pass where no
        // later outline passes within a few pixels. Position 0 lies entirely
        // under position 2, a few millimetres apart and turned the same way;
        // the single-pass face shows it.
        for (int position = 1; position < 13; ++position) {
            int checked = 0;
            int found = 0;
            for (QPointF p : samples(outlines[position])) {
                bool covered = false;
                for (int later = position + 1; later < 13 && !covered; ++later) {
                    for (const Segment& s : outlines[later])
                        covered = covered || distance(p, s) < 2.5;
                }
                if (covered) continue;
                ++checked;
                if (colourNear(image, p, view.colours.entries[position])) ++found;
            }
            EXPECT_GT(checked, 10) << "position " << position;
            EXPECT_EQ(found, checked) << "position " << position;
        }
        // Away from every outline the background stays black.
        EXPECT_EQ(image.pixel(900, 100) & 0xFFFFFF, 0u);
        EXPECT_EQ(image.pixel(side + 50, 1000 - side / 2) & 0xFFFFFF, 0u);
    }
    for (int index : {1, 2}) {
        ShownView view(project, index);
        ASSERT_TRUE(view.widget.hasOpenGl());
        const QImage image = view.widget.grabFramebuffer();
        if (index == 2) keep(image, "pass-view-single-pass");
        const int position = index - 1;
        const Rgb colour = view.colours.entries[position];

        const std::vector<QPointF> points = samples(outlineInImage(
            computeSectionOutline(position, project.passes.records[position]), 100, 900, 1000));
        const auto missing = std::count_if(
            points.begin(), points.end(), [&](QPointF p) { return !colourNear(image, p, colour); });
        EXPECT_EQ(missing, 0) << "index " << index << ": of " << points.size()
                              << " points along the outline";
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
