#pragma once

// The pass view's LineCanvas on the current OpenGL context, with OpenGL 1.1
// fixed-function calls; texts are collected during the frame and drawn
// afterwards with QPainter, which must not run between the GL calls.
// Construct it with the context current; it sets up the view's pixels over
// the whole window and resets the state a painter may have left.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <vector>

#include "display/line_canvas.h"

class QPainter;

namespace rolvanta {

// The view's two faces of the program's serif, drawn without antialiasing
// as the old bitmap fonts were, and their measures.
class PassViewFonts : public TextMeasure {
  public:
    PassViewFonts();

    const QFont& font(TextFont which) const {
        return which == TextFont::Caption ? caption_ : label_;
    }
    TextExtent measureText(TextFont font, std::string_view text) const override;

  private:
    QFont caption_;
    QFont label_;
    QFontMetricsF captionMetrics_;
    QFontMetricsF labelMetrics_;
};

class GlLineCanvas : public LineCanvas {
  public:
    // deviceSize: the window in device pixels; pixelRatio: device pixels
    // per pixel of the view.
    GlLineCanvas(QSize deviceSize, qreal pixelRatio, const PassViewFonts& fonts);

    TextExtent measureText(TextFont font, std::string_view text) const override {
        return fonts_.measureText(font, text);
    }
    void clear() override;
    void setClip(const ViewRect& rect) override;
    void setLineWidth(float devicePixels) override;
    void setColour(Rgb colour) override;
    void drawLineLoop(const ViewPoint* points, int count) override;
    void drawLines(const ViewPoint* ends, int count) override;
    void fillRect(const ViewRect& rect) override;
    void drawText(TextFont font, ViewPoint baseline, std::string_view text) override;

    bool hasTexts() const { return !texts_.empty(); }
    // Draws the frame's texts with a painter opened on the same window after
    // the GL drawing.
    void paintTexts(QPainter& painter) const;

  private:
    struct PlacedText {
        TextFont font;
        QPointF baseline;
        QColor colour;
        QRectF clip;  // none when empty
        QString text;
    };

    QSize deviceSize_;
    qreal pixelRatio_;
    const PassViewFonts& fonts_;
    Rgb colour_{255, 255, 255};
    QRectF clip_;
    std::vector<PlacedText> texts_;
};

}  // namespace rolvanta
