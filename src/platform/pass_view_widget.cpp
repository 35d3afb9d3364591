#include "platform/pass_view_widget.h"

#include <QOpenGLContext>
#include <QPainter>
#include <QSurfaceFormat>

#include "display/pass_view.h"

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
}  // namespace

bool openGlAvailable() {
    QOpenGLContext probe;
    probe.setFormat(passViewFormat());
    return probe.create() && !probe.isOpenGLES();
}

PassViewWidget::PassViewWidget(const Project& project, const PassViewCursor& cursor,
                               const PassColours& colours, QWidget* parent)
    : QOpenGLWidget(parent),
      project_(project),
      cursor_(cursor),
      colours_(colours),
      fonts_(makePassViewFonts()) {
    setFormat(passViewFormat());
    setFocusPolicy(Qt::NoFocus);
}

bool PassViewWidget::hasOpenGl() const {
    const QOpenGLContext* gl = context();
    return gl != nullptr && gl->isValid() && !gl->isOpenGLES();
}

void PassViewWidget::initializeGL() {
    if (!hasOpenGl()) return;
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
}

void PassViewWidget::paintGL() {
    if (!hasOpenGl()) return;
    const qreal ratio = devicePixelRatioF();
    GlLineCanvas canvas(QSize(qRound(width() * ratio), qRound(height() * ratio)), ratio);
    renderPassView(canvas, project_, cursor_, colours_);
    if (const char* hint = passViewHint(project_)) {
        QPainter painter(this);
        painter.setPen(Qt::white);
        painter.setFont(fonts_.label);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf8(hint));
    } else if (canvas.hasTexts()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing);
        canvas.paintTexts(painter, fonts_);
    }
}

}  // namespace rolvanta
