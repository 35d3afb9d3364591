// The pass view on a real OpenGL context (xvfb-run, Mesa). Where everything
// goes is display/'s (golden display lists, tests/display); here the
// grabbed framebuffer must show what the frame lays out: each outline in its
// colour, the legend's swatches, and every text in the box its measure gives,
// in the overview and in a single pass, at two window sizes. The frames are
// saved beside the dialog screenshots for a person to look at.

#include <gtest/gtest.h>

#include <QDir>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTest>

#include <algorithm>
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

QPainterPath pathOf(const ViewOutline& outline) {
    QPolygonF polygon;
    for (const ViewPoint& p : outline.points) polygon << QPointF(p.x, p.y);
    QPainterPath path;
    path.addPolygon(polygon);
    return path;
}

// Checks each text the frame draws: inside the window, drawn in its colour
// in the box its measure gives.
struct TextsShown : LineCanvas {
    TextsShown(const TextMeasure& faces, const QImage& image, const char* name)
        : faces(faces), image(image), name(name) {}
    TextExtent measureText(TextFont font, std::string_view text) const override {
        return faces.measureText(font, text);
    }
    void clear() override {}
    void setClip(const ViewRect&) override {}
    void setLineWidth(float) override {}
    void setColour(Rgb c) override { colour = c; }
    void drawLineLoop(const ViewPoint*, int) override {}
    void drawLines(const ViewPoint*, int) override {}
    void fillRect(const ViewRect&) override {}
    void drawText(TextFont font, ViewPoint at, std::string_view text) override {
        const TextExtent e = faces.measureText(font, text);
        const QRect box = QRectF(at.x, at.y - e.ascent, e.width, e.height()).toAlignedRect();
        EXPECT_TRUE(image.rect().contains(box)) << name << " " << text;
        EXPECT_GT(pixelsOfColour(image, colour, box, kTolerance), std::max<int>(8, 2 * text.size()))
            << name << " " << text;
        ++texts;
    }
    const TextMeasure& faces;
    const QImage& image;
    const char* name;
    Rgb colour{};
    int texts = 0;
};

TEST(PassViewGl, TheFramebufferShowsWhatTheFrameLaysOut) {
    ASSERT_TRUE(openGlAvailable());
    const Project project = testing::computedProject(13);
    const PassColours colours = makePassColours();
    const PassViewFonts fonts;
    const struct {
        const char* name;
        int index;  // 0: the overview
        QSize size;
        int outlines;
    } cases[] = {
        {"pass-view-overview", 0, QSize(1280, 1024), 13},
        {"pass-view-single-pass", 2, QSize(800, 600), 1},
    };
    for (const auto& c : cases) {
        PassViewCursor cursor;
        cursor.index = c.index;
        cursor.overview = c.index == 0;
        PassViewWidget widget(project, cursor, colours);
        widget.resize(c.size);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget)) << c.name;
        ASSERT_TRUE(widget.hasOpenGl()) << c.name;
        const QImage image = widget.grabFramebuffer();
        PassViewFrame frame;
        widget.layOut(frame);
        QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
        EXPECT_TRUE(image.save(QString(ROLVANTA_SCREENSHOT_DIR "/%1.png").arg(c.name)));
        ASSERT_EQ(image.size(), c.size) << c.name;
        ASSERT_EQ(frame.outlineCount, c.outlines) << c.name;

        // Each outline in its colour, checked where no outline drawn later
        // (each pass over the one before, all over the bar in) comes within
        // a few pixels.
        std::vector<int> onTopFirst;
        for (int i = frame.outlineCount - 1; i >= 0; --i) {
            if (i != frame.barIn) onTopFirst.push_back(i);
        }
        if (frame.barIn >= 0) onTopFirst.push_back(frame.barIn);
        QPainterPathStroker stroker;
        stroker.setWidth(5);
        QPainterPath later;
        // Outlines are clipped to the drawing, and the caption's box is
        // cleared over a bar in left out of the fit.
        QPainterPath drawnIn;
        drawnIn.addRect(
            QRectF(frame.clip.left, frame.clip.top, frame.clip.width, frame.clip.height));
        if (frame.caption.length > 0) {
            const ViewRect& b = frame.captionBox;
            QPainterPath caption;
            caption.addRect(QRectF(b.left, b.top, b.width, b.height).adjusted(-3, -3, 3, 3));
            drawnIn = drawnIn.subtracted(caption);
        }
        for (const int i : onTopFirst) {
            const QPainterPath outline = pathOf(frame.outlines[i]);
            const int samples = std::max(2, static_cast<int>(outline.length() / 4));
            int checked = 0;
            int missing = 0;
            for (int k = 0; k < samples; ++k) {
                const QPoint p = outline.pointAtPercent(double(k) / samples).toPoint();
                if (later.contains(p) || !drawnIn.contains(p)) continue;
                ++checked;
                missing += pixelsOfColour(image, frame.colours[i],
                                          QRect(p - QPoint(1, 1), QSize(3, 3)), kTolerance) == 0;
            }
            EXPECT_GT(checked, i == frame.barIn ? 0 : samples / 4) << c.name << " outline " << i;
            EXPECT_EQ(missing, 0) << c.name << " outline " << i << " of " << checked << " points";
            later = later.united(stroker.createStroke(outline));
        }
        for (int i = 0; i < frame.legend.count && frame.overview; ++i) {
            const ViewRect& s = frame.legend.swatch[i];
            const QRect swatch =
                QRectF(s.left, s.top, s.width, s.height).toAlignedRect().adjusted(2, 2, -2, -2);
            EXPECT_GE(pixelsOfColour(image, frame.colours[i], swatch, kTolerance),
                      swatch.width() * swatch.height() * 3 / 4)
                << c.name << " swatch " << i;
        }

        TextsShown texts(fonts, image, c.name);
        drawPassView(texts, frame);
        EXPECT_GT(texts.texts, 10) << c.name;
        // Away from the drawing and the texts the background stays black.
        EXPECT_GT(pixelsOfColour(image, kViewBackground), image.width() * image.height() / 2)
            << c.name;
    }
}

}  // namespace
}  // namespace rolvanta
