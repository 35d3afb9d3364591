#include "pdf/painter_page_canvas.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPolygonF>

namespace rolvanta {
namespace {

QColor colourOf(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

QFont pageFont(double points, bool bold) {
    // A sans-serif face the system has; the layout leaves room for any.
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

PainterPageCanvas::PainterPageCanvas(QPainter& painter, QPagedPaintDevice& device)
    : painter_(painter),
      device_(device),
      pixelsPerMillimetre_(device.logicalDpiX() / 25.4),
      fonts_{pageFont(14.0, true), pageFont(10.5, true), pageFont(9.0, false),
             pageFont(7.5, false)} {
    painter_.setRenderHint(QPainter::Antialiasing);
    for (QFont& font : fonts_) font = QFont(font, &device_);
}

bool PainterPageCanvas::nextPage() { return device_.newPage(); }

const QFont& PainterPageCanvas::fontOf(PageFont font) const {
    return fonts_[static_cast<int>(font)];
}

void PainterPageCanvas::drawLine(const PageLine& line) {
    painter_.setPen(QPen(colourOf(line.colour), pixels(line.width), Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(QPointF(pixels(line.from.x), pixels(line.from.y)),
                      QPointF(pixels(line.to.x), pixels(line.to.y)));
}

void PainterPageCanvas::drawOutline(const PageOutline& outline) {
    QPolygonF polygon;
    for (const PagePoint& p : outline.points) polygon << QPointF(pixels(p.x), pixels(p.y));
    painter_.setPen(QPen(colourOf(outline.colour), pixels(outline.width), Qt::SolidLine,
                         Qt::SquareCap, Qt::MiterJoin));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolygon(polygon);
}

void PainterPageCanvas::drawText(const PageText& text) {
    const QFont& font = fontOf(text.font);
    const QString string = QString::fromStdString(text.text);
    double x = pixels(text.at.x);
    if (text.align != TextAlign::Left) {
        const QFontMetricsF metrics(font, &device_);
        // A number on its point: the part before the point ends at x.
        const QString before =
            text.align == TextAlign::Point ? string.left(string.indexOf(QLatin1Char('.'))) : string;
        const double width = metrics.horizontalAdvance(before);
        x -= text.align == TextAlign::Centre ? width / 2 : width;
    }
    painter_.setFont(font);
    painter_.setPen(colourOf(text.colour));
    painter_.drawText(QPointF(x, pixels(text.at.y)), string);
}

bool paintReportPages(const ReportPages& pages, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PainterPageCanvas canvas(painter, device);
    const bool painted = paintReportPages(pages, canvas);
    return painter.end() && painted;
}

}  // namespace rolvanta
