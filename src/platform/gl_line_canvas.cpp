#include "platform/gl_line_canvas.h"

#include <QFontMetricsF>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "engine/windows1252.h"

namespace rolvanta {

namespace {
constexpr double kSpace = 1000.0;  // the drawing space runs 0..1000 on both axes

QFont timesWithCellHeight(int cellHeight) {
    QFont font(QStringLiteral("Times"));
    font.setStyleHint(QFont::Times);
    font.setPixelSize(cellHeight);
    // A font asked for by cell height gets the em size that fits its
    // ascent and descent into the cell.
    const qreal height = QFontMetricsF(font).height();
    if (height > cellHeight) {
        font.setPixelSize(
            std::max(1, static_cast<int>(std::lround(cellHeight * cellHeight / height))));
    }
    return font;
}
}  // namespace

PassViewFonts makePassViewFonts() { return {timesWithCellHeight(32), timesWithCellHeight(15)}; }

GlLineCanvas::GlLineCanvas(QSize windowSize, qreal pixelRatio)
    : windowSize_(windowSize),
      pixelRatio_(pixelRatio),
      viewport_{0, 0, std::max(windowSize.width(), 1), std::max(windowSize.height(), 1)} {
    // A painter used on the previous frame may have left its program and
    // its tests switched on; the fixed-function pipeline needs neither.
    if (QOpenGLContext* context = QOpenGLContext::currentContext()) {
        context->functions()->glUseProgram(0);
    }
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LINE_SMOOTH);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);

    glViewport(viewport_[0], viewport_[1], viewport_[2], viewport_[3]);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, kSpace, 0.0, kSpace, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void GlLineCanvas::clear() {
    // Nothing in the view tests depth, and clearing the depth buffer as well
    // would cost a software renderer three times the colour clear.
    glClear(GL_COLOR_BUFFER_BIT);
}

void GlLineCanvas::setViewport(int x, int y, int width, int height) {
    const auto device = [this](int pixels) {
        return static_cast<int>(std::lround(pixels * pixelRatio_));
    };
    viewport_[0] = device(x);
    viewport_[1] = device(y);
    viewport_[2] = device(width);
    viewport_[3] = device(height);
    glViewport(viewport_[0], viewport_[1], viewport_[2], viewport_[3]);
}

void GlLineCanvas::setLineWidth(float width) {
    glLineWidth(static_cast<GLfloat>(width * pixelRatio_));
}

void GlLineCanvas::setColour(Rgb colour) {
    colour_ = colour;
    glColor3ub(colour.red, colour.green, colour.blue);
}

void GlLineCanvas::drawLineLoop(const OutlinePoint* points, int count) {
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < count; ++i) glVertex2f(points[i].x, points[i].y);
    glEnd();
}

void GlLineCanvas::drawLine(OutlinePoint from, OutlinePoint to) {
    glBegin(GL_LINES);
    glVertex2f(from.x, from.y);
    glVertex2f(to.x, to.y);
    glEnd();
}

void GlLineCanvas::drawText(TextFont font, OutlinePoint rasterPosition, std::string_view text) {
    // As with a GL raster position, text whose origin lies outside the
    // drawing space is not drawn at all.
    const double x = rasterPosition.x;
    const double y = rasterPosition.y;
    if (!(x >= 0.0 && x <= kSpace && y >= 0.0 && y <= kSpace)) return;
    // The raster position in window pixels from the bottom-left corner; the
    // glyphs are not scaled by the viewport.
    const double windowX = viewport_[0] + x / kSpace * viewport_[2];
    const double windowY = viewport_[1] + y / kSpace * viewport_[3];
    texts_.push_back(
        {font, QPointF(windowX / pixelRatio_, (windowSize_.height() - windowY) / pixelRatio_),
         QColor(colour_.red, colour_.green, colour_.blue),
         QString::fromStdString(utf8FromWindows1252(text))});
}

void GlLineCanvas::pushMatrix() { glPushMatrix(); }

void GlLineCanvas::popMatrix() { glPopMatrix(); }

void GlLineCanvas::paintTexts(QPainter& painter, const PassViewFonts& fonts) const {
    for (const PlacedText& text : texts_) {
        painter.setFont(text.font == TextFont::caption ? fonts.caption : fonts.label);
        painter.setPen(text.colour);
        painter.drawText(text.baseline, text.text);
    }
}

}  // namespace rolvanta
