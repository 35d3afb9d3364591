#include "platform/gl_line_canvas.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "platform/fonts.h"
#include "platform/qt_text.h"

namespace rolvanta {

namespace {
// The faces' em sizes in pixels of the view.
constexpr int kCaptionEm = 28;
constexpr int kLabelEm = 15;

QFont crisp(QFont font) {
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

PassViewFonts::PassViewFonts()
    : caption_(crisp(serifFontOfEm(kCaptionEm))),
      label_(crisp(serifFontOfEm(kLabelEm))),
      captionMetrics_(caption_),
      labelMetrics_(label_) {}

TextExtent PassViewFonts::measureText(TextFont font, std::string_view text) const {
    const QFontMetricsF& metrics = font == TextFont::Caption ? captionMetrics_ : labelMetrics_;
    TextExtent extent;
    extent.ascent = metrics.ascent();
    extent.descent = metrics.descent();
    if (!text.empty()) extent.width = metrics.horizontalAdvance(fromWindows1252(text));
    return extent;
}

GlLineCanvas::GlLineCanvas(QSize deviceSize, qreal pixelRatio, const PassViewFonts& fonts)
    : deviceSize_(deviceSize.expandedTo(QSize(1, 1))),
      pixelRatio_(pixelRatio > 0 ? pixelRatio : 1.0),
      fonts_(fonts) {
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

    // The view's pixels, y downwards, over the whole window.
    glViewport(0, 0, deviceSize_.width(), deviceSize_.height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, deviceSize_.width() / pixelRatio_, deviceSize_.height() / pixelRatio_, 0.0, -1.0,
            1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void GlLineCanvas::clear() {
    // Nothing in the view tests depth, and clearing the depth buffer as well
    // would cost a software renderer three times the colour clear.
    glClear(GL_COLOR_BUFFER_BIT);
}

void GlLineCanvas::setClip(const ViewRect& rect) {
    if (!(rect.width > 0 && rect.height > 0)) {
        clip_ = QRectF();
        glDisable(GL_SCISSOR_TEST);
        return;
    }
    clip_ = QRectF(rect.left, rect.top, rect.width, rect.height);
    const auto device = [this](double pixels) {
        return static_cast<int>(std::lround(pixels * pixelRatio_));
    };
    const int left = device(rect.left);
    const int right = device(rect.right());
    const int top = device(rect.top);
    const int bottom = device(rect.bottom());
    glScissor(left, deviceSize_.height() - bottom, std::max(0, right - left),
              std::max(0, bottom - top));
    glEnable(GL_SCISSOR_TEST);
}

void GlLineCanvas::setLineWidth(float devicePixels) { glLineWidth(devicePixels); }

void GlLineCanvas::setColour(Rgb colour) {
    colour_ = colour;
    glColor3ub(colour.red, colour.green, colour.blue);
}

void GlLineCanvas::drawLineLoop(const ViewPoint* points, int count) {
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < count; ++i) glVertex2d(points[i].x, points[i].y);
    glEnd();
}

void GlLineCanvas::drawLines(const ViewPoint* ends, int count) {
    glBegin(GL_LINES);
    for (int i = 0; i + 1 < count; i += 2) {
        glVertex2d(ends[i].x, ends[i].y);
        glVertex2d(ends[i + 1].x, ends[i + 1].y);
    }
    glEnd();
}

void GlLineCanvas::fillRect(const ViewRect& rect) {
    glRectd(rect.left, rect.top, rect.right(), rect.bottom());
}

void GlLineCanvas::drawText(TextFont font, ViewPoint baseline, std::string_view text) {
    if (text.empty()) return;
    texts_.push_back({font, QPointF(baseline.x, baseline.y),
                      QColor(colour_.red, colour_.green, colour_.blue), clip_,
                      fromWindows1252(text)});
}

void GlLineCanvas::paintTexts(QPainter& painter) const {
    // Crisp glyphs in the exact colour, as the old bitmap fonts drew them.
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    // The painter's state changes only where the texts' do: each change
    // costs the GL paint engine more than a text.
    const PlacedText* previous = nullptr;
    for (const PlacedText& text : texts_) {
        if (previous == nullptr || text.clip != previous->clip) {
            if (text.clip.isEmpty()) {
                painter.setClipping(false);
            } else {
                painter.setClipRect(text.clip);
            }
        }
        if (previous == nullptr || text.font != previous->font) {
            painter.setFont(fonts_.font(text.font));
        }
        if (previous == nullptr || text.colour != previous->colour) painter.setPen(text.colour);
        painter.drawText(text.baseline, text.text);
        previous = &text;
    }
}

}  // namespace rolvanta
