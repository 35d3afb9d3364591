// The pass view on a real OpenGL context (xvfb-run, Mesa): the grabbed
// framebuffer must show each pass's colour along its outline, and the
// labels, legend, panel, dimensions and caption where the frame puts them,
// whole, in windows of common sizes. The frames are saved beside the dialog
// screenshots for a person to look at.

#include <gtest/gtest.h>

#include <QDir>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "display/pass_view.h"
#include "engine/pass_fields.h"
#include "platform/pass_view_widget.h"
#include "platform_testing.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

using testing::pixelsOfColour;

// Colours are compared with this much room in each channel.
constexpr int kTolerance = 24;

// A beam of catalogue size: its web width, web thickness, flange height and
// thickness, root and tip radius, mass and area.
struct Beam {
    const char* name;
    float sizes[8];
};
// Medium weight, 600 x 210.
constexpr Beam kMediumBeam600{"MB 600", {600, 12, 210, 20.8f, 20, 10, 122.6f, 15621}};

Project computedBeam(int passCount, const Beam& beam = kMediumBeam600) {
    Project project = testing::exampleProject(passCount);
    BeamSection& s = project.section;
    std::strcpy(s.name, beam.name);
    setFinishedWebWidth(s, beam.sizes[0]);
    float* fields[] = {&s.webThickness, &s.flangeHeight, &s.flangeThickness,
                       &s.rootRadius,   &s.tipRadius,    &s.mass,
                       &s.area};
    for (int i = 0; i < 7; ++i) *fields[i] = beam.sizes[i + 1];
    computeDesign(project);
    project.flags.computed = true;
    return project;
}

struct Shown {
    QImage image;
    PassViewFrame frame;
};

// The frame the widget shows at the size, saved for a look, with the
// layout it was drawn from.
Shown shownFrame(const Project& project, int index, QSize size, const std::string& name) {
    PassViewCursor cursor;
    cursor.index = index;
    cursor.overview = index == 0;
    const PassColours colours = makePassColours();
    PassViewWidget widget(project, cursor, colours);
    widget.resize(size);
    widget.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
    EXPECT_TRUE(widget.hasOpenGl());
    Shown shown{widget.grabFramebuffer(), {}};
    widget.layOut(shown.frame);
    QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
    EXPECT_TRUE(shown.image.save(
        QString(ROLVANTA_SCREENSHOT_DIR "/%1.png").arg(QString::fromStdString(name))));
    return shown;
}

QPainterPath pathOf(const ViewOutline& outline) {
    QPolygonF polygon;
    for (const ViewPoint& p : outline.points) polygon << QPointF(p.x, p.y);
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
    return pixelsOfColour(image, colour, QRect(centre - QPoint(1, 1), QSize(3, 3)), kTolerance) > 0;
}

QRect boxOf(TextFont font, ViewPoint baseline, std::string_view text, const TextMeasure& fonts) {
    const TextExtent e = fonts.measureText(font, text);
    return QRectF(baseline.x, baseline.y - e.ascent, e.width, e.height()).toAlignedRect();
}

TEST(PassViewGl, OverviewShowsEveryPassLabelledAcrossTheWindow) {
    ASSERT_TRUE(openGlAvailable());
    const Project project = computedBeam(13);
    const PassColours colours = makePassColours();
    const PassViewFonts fonts;
    const Shown shown = shownFrame(project, 0, QSize(1280, 1024), "pass-view-overview");
    const QImage& image = shown.image;
    const PassViewFrame& frame = shown.frame;
    ASSERT_EQ(image.size(), QSize(1280, 1024));

    // Later passes are drawn over earlier ones, all over the bar in (the
    // last record): check each where no later outline passes within a few
    // pixels.
    QPainterPathStroker stroker;
    stroker.setWidth(5);
    QPainterPath later;
    int top = image.height();
    int bottom = 0;
    for (int position : {11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 12}) {
        const bool bar = position == 12;
        const Rgb colour = bar ? kBarInColour : colours.entries[position];
        const QPainterPath outline = pathOf(frame.outlines[position]);
        int checked = 0;
        int found = 0;
        for (QPointF p : samples(outline)) {
            if (later.contains(p)) continue;
            ++checked;
            if (colourNear(image, p, colour)) {
                ++found;
                top = std::min(top, int(p.y()));
                bottom = std::max(bottom, int(p.y()));
            }
        }
        EXPECT_EQ(found, checked) << "position " << position;
        later = later.united(stroker.createStroke(outline));

        // Its number ("IN") beside it, and in the legend ("Bar in") with a
        // swatch of its colour.
        const std::string number = bar ? kBarInLabel : std::to_string(position + 2);
        const std::string name = bar ? kBarInName : number;
        ASSERT_TRUE(frame.labels[position].placed) << number;
        EXPECT_GT(
            pixelsOfColour(image, kViewTextColour,
                           boxOf(TextFont::Label, frame.labels[position].baseline, number, fonts),
                           kTolerance),
            8)
            << "label " << number;
        EXPECT_GT(pixelsOfColour(image, kViewTextColour,
                                 boxOf(TextFont::Label, frame.legend.number[position], name, fonts),
                                 kTolerance),
                  8)
            << "legend " << name;
        const QRect swatch =
            QRectF(frame.legend.swatch[position].left, frame.legend.swatch[position].top,
                   frame.legend.swatch[position].width, frame.legend.swatch[position].height)
                .toAlignedRect()
                .adjusted(2, 2, -2, -2);
        EXPECT_GE(pixelsOfColour(image, colour, swatch, kTolerance),
                  swatch.width() * swatch.height() * 3 / 4)
            << "swatch " << number;
    }
    EXPECT_GE(bottom - top, 0.4 * image.height()) << "the drawing spans the window";
    // Away from every outline and text the background stays black.
    EXPECT_EQ(pixelsOfColour(image, {0, 0, 0}, QRect(0, image.height() - 8, 1280, 8)), 8 * 1280);
}

TEST(PassViewGl, SinglePassShowsOutlinePanelAndCaptionWholeIn800x600) {
    ASSERT_TRUE(openGlAvailable());
    const Project project = computedBeam(13);
    const PassColours colours = makePassColours();
    const PassViewFonts fonts;
    const int index = 2;  // pass 3 alone
    const Shown shown = shownFrame(project, index, QSize(800, 600), "pass-view-single-pass");
    const QImage& image = shown.image;
    const PassViewFrame& frame = shown.frame;
    ASSERT_EQ(image.size(), QSize(800, 600));
    const Rgb colour = colours.entries[index - 1];
    const QRect window = image.rect();

    const QPainterPath outline = pathOf(frame.outlines[0]);
    EXPECT_TRUE(window.contains(outline.boundingRect().toAlignedRect()));
    const auto points = samples(outline);
    const auto missing = std::count_if(points.begin(), points.end(),
                                       [&](QPointF p) { return !colourNear(image, p, colour); });
    EXPECT_EQ(missing, 0) << "of " << points.size() << " points";

    const QRect caption = boxOf(TextFont::Caption, frame.captionAt, frame.caption.view(), fonts);
    EXPECT_TRUE(window.contains(caption));
    EXPECT_GT(pixelsOfColour(image, kViewTextColour, caption, kTolerance), 60);

    // Every panel line, its label and its value.
    for (int i = 0; i < frame.panel.count; ++i) {
        const QRect label =
            boxOf(TextFont::Label, frame.panel.label[i], frame.panelLabels[i], fonts);
        EXPECT_TRUE(window.contains(label)) << "line " << i;
        EXPECT_GT(pixelsOfColour(image, kViewTextColour, label, kTolerance), 20) << "line " << i;
        if (frame.panelValues[i].length == 0) continue;
        const QRect value =
            boxOf(TextFont::Label, frame.panel.value[i], frame.panelValues[i].view(), fonts);
        EXPECT_TRUE(window.contains(value)) << "line " << i;
        EXPECT_GT(pixelsOfColour(image, panelValueColour(), value, kTolerance), 10) << "line " << i;
    }
    EXPECT_EQ(frame.panel.count, 14);
    for (const ViewDimension& d : frame.dimensions) {
        const QRect text = boxOf(TextFont::Label, d.textAt, d.text.view(), fonts);
        EXPECT_TRUE(window.contains(text)) << d.text.view();
        EXPECT_GT(pixelsOfColour(image, kViewTextColour, text, kTolerance), 10) << d.text.view();
    }
}

}  // namespace
}  // namespace rolvanta
