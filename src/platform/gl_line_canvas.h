#pragma once

// The pass view's LineCanvas on the current OpenGL context, with OpenGL 1.1
// fixed-function calls; texts are collected during the frame and drawn
// afterwards with QPainter, which must not run between the GL calls.
// Construct it with the context current; it sets up the 0..1000 drawing
// space over the whole window and resets the state a painter may have left.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSize>
#include <QString>

#include <vector>

#include "display/line_canvas.h"

class QPainter;

namespace rolvanta {

// The two "Times" faces of the view, sized so that a character cell (ascent
// plus descent) is 32 and 15 pixels high.
struct PassViewFonts {
    QFont caption;
    QFont label;
};
PassViewFonts makePassViewFonts();

class GlLineCanvas : public LineCanvas {
  public:
    // windowSize in device pixels; pixelRatio device pixels per pixel of the
    // view, by which viewports are scaled.
    GlLineCanvas(QSize windowSize, qreal pixelRatio);

    void clear() override;
    void setViewport(int x, int y, int width, int height) override;
    void setLineWidth(float width) override;
    void setColour(Rgb colour) override;
    void drawLineLoop(const OutlinePoint* points, int count) override;
    void drawLine(OutlinePoint from, OutlinePoint to) override;
    void drawText(TextFont font, OutlinePoint rasterPosition, std::string_view text) override;
    void pushMatrix() override;
    void popMatrix() override;

    bool hasTexts() const { return !texts_.empty(); }
    // Draws the frame's texts with a painter opened on the same window after
    // the GL drawing.
    void paintTexts(QPainter& painter, const PassViewFonts& fonts) const;

  private:
    struct PlacedText {
        TextFont font;
        QPointF baseline;  // in the painter's coordinates, top-left origin
        QColor colour;
        QString text;
    };

    QSize windowSize_;
    qreal pixelRatio_;
    int viewport_[4];  // device pixels, bottom-left origin
    Rgb colour_{255, 255, 255};
    std::vector<PlacedText> texts_;
};

}  // namespace rolvanta
