#include "platform/pass_view_widget.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QPainter>
#include <QSurfaceFormat>
#include <QWheelEvent>

#include <cmath>

namespace rolvanta {

namespace {
// The view draws with the fixed-function pipeline, which needs a
// compatibility context; double buffered, with a 16-bit depth buffer.
QSurfaceFormat passViewFormat() {
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setDepthBufferSize(16);
    return format;
}

// One notch of a common mouse wheel.
constexpr double kWheelNotch = 120.0;
}  // namespace

bool openGlAvailable() {
    QOpenGLContext probe;
    probe.setFormat(passViewFormat());
    return probe.create() && !probe.isOpenGLES();
}

bool zoomKeyOf(int qtKey, ViewZoomKey& key) {
    switch (qtKey) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:  // + without the shift key
            key = ViewZoomKey::ZoomIn;
            return true;
        case Qt::Key_Minus:
            key = ViewZoomKey::ZoomOut;
            return true;
        case Qt::Key_0:
        case Qt::Key_Home:
            key = ViewZoomKey::Fit;
            return true;
        default:
            return false;
    }
}

PassViewWidget::PassViewWidget(const Project& project, const PassViewCursor& cursor,
                               const PassColours& colours, QWidget* parent)
    : QOpenGLWidget(parent), project_(project), cursor_(cursor), colours_(colours) {
    setFormat(passViewFormat());
    setFocusPolicy(Qt::NoFocus);
}

bool PassViewWidget::hasOpenGl() const {
    const QOpenGLContext* gl = context();
    return gl != nullptr && gl->isValid() && !gl->isOpenGLES();
}

void PassViewWidget::layOut(PassViewFrame& frame) const {
    layoutPassView(frame, project_, cursor_, colours_, zoom_,
                   {double(width()), double(height()), devicePixelRatioF()}, fonts_, notes_);
}

void PassViewWidget::zoomByKey(ViewZoomKey key) {
    PassViewFrame frame;
    layOut(frame);
    rolvanta::zoomByKey(zoom_, frame, key);
    update();
}

void PassViewWidget::initializeGL() {
    if (!hasOpenGl()) return;
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
}

void PassViewWidget::paintGL() {
    if (!hasOpenGl()) return;
    PassViewFrame frame;
    layOut(frame);
    const qreal ratio = devicePixelRatioF();
    GlLineCanvas canvas(QSize(qRound(width() * ratio), qRound(height() * ratio)), ratio, fonts_);
    drawPassView(canvas, frame);
    if (const char* hint = passViewHint(project_)) {
        QPainter painter(this);
        painter.setPen(QColor(kViewTextColour.red, kViewTextColour.green, kViewTextColour.blue));
        painter.setFont(fonts_.font(TextFont::Label));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf8(hint));
    } else if (canvas.hasTexts()) {
        QPainter painter(this);
        canvas.paintTexts(painter);
    }
}

void PassViewWidget::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / kWheelNotch;
    if (notches == 0) return;
    PassViewFrame frame;
    layOut(frame);
    const QPointF at = event->position();
    zoomAbout(zoom_, frame.fit, frame.drawingArea, {at.x(), at.y()}, std::pow(kZoomStep, notches));
    update();
    event->accept();
}

void PassViewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void PassViewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPointF to = event->position();
    const QPointF by = to - dragFrom_;
    dragFrom_ = to;
    if (by.isNull()) return;
    PassViewFrame frame;
    layOut(frame);
    panBy(zoom_, frame.fit, frame.drawingArea, by.x(), by.y());
    update();
}

void PassViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = false;
    unsetCursor();
}

}  // namespace rolvanta
