#pragma once

// The pass view on screen: a QOpenGLWidget that draws the frame of the
// project's computed passes for the cursor. It draws only when Qt asks it
// to paint; whoever changes what it shows calls update(). The wheel zooms
// about the pointer and a drag with the left button pans; the main window
// hands it the zoom keys. Where no OpenGL context can be made (no display,
// or a platform without OpenGL) it must not be made at all: ask
// openGlAvailable() first (platform/pass_view_factory.h).

#include <QOpenGLWidget>
#include <QPointF>

#include "display/pass_colours.h"
#include "display/pass_view.h"
#include "display/pass_view_cursor.h"
#include "display/view_transform.h"
#include "engine/project_records.h"
#include "platform/gl_line_canvas.h"

namespace rolvanta {

// Whether a desktop OpenGL context can be made here. Qt cannot even show a
// window holding a QOpenGLWidget where it cannot, so ask before making one.
bool openGlAvailable();

class PassViewWidget : public QOpenGLWidget {
  public:
    // The records are read on every paint and must outlive the widget.
    PassViewWidget(const Project& project, const PassViewCursor& cursor, const PassColours& colours,
                   QWidget* parent = nullptr);

    // Whether the widget has a working OpenGL context (known once shown).
    bool hasOpenGl() const;

    // + and - zoom about the middle of the drawing, 0 and Home fit it again.
    void zoomByKey(ViewZoomKey key);

    // The frame as the widget lays it out now, for a look at where things go.
    void layOut(PassViewFrame& frame) const;

  protected:
    void initializeGL() override;
    void paintGL() override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const Project& project_;
    const PassViewCursor& cursor_;
    const PassColours& colours_;
    PassViewFonts fonts_;
    PassViewZoom zoom_;
    bool dragging_ = false;
    QPointF dragFrom_;
};

// The zoom key a key of the keyboard stands for, if any.
bool zoomKeyOf(int qtKey, ViewZoomKey& key);

}  // namespace rolvanta
