#include "platform/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include "resources/main_toolbar.h"

namespace rolvanta {
namespace {

const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kFolder(230, 190, 60);
const QColor kNavy(0, 0, 128);
const QColor kSteel(128, 128, 128);
const QColor kRed(200, 0, 0);

// An I-beam outline with its web centred at (cx, cy): overall depth along
// the web, flange width, web and flange thickness.
QPolygonF beamOutline(double cx, double cy, double depth, double width, double web, double flange) {
    const double x0 = cx - width / 2, x1 = cx + width / 2;
    const double y0 = cy - depth / 2, y1 = cy + depth / 2;
    const double w0 = cx - web / 2, w1 = cx + web / 2;
    return QPolygonF({{x0, y0},
                      {x1, y0},
                      {x1, y0 + flange},
                      {w1, y0 + flange},
                      {w1, y1 - flange},
                      {x1, y1 - flange},
                      {x1, y1},
                      {x0, y1},
                      {x0, y1 - flange},
                      {w0, y1 - flange},
                      {w0, y0 + flange},
                      {x0, y0 + flange}});
}

void letter(QPainter& painter, const QRectF& box, const QString& text, const QColor& colour,
            int pixelSize, bool bold = true) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

void drawBlankSheet(QPainter& p) {
    QPolygonF sheet({{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 13.5}, {3.5, 13.5}});
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawPolygon(sheet);
    p.drawPolyline(QPolygonF({{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}}));
}

void drawOpeningFolder(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kFolder.darker(120));
    p.drawPolygon(
        QPolygonF({{1.5, 3.5}, {5.5, 3.5}, {6.5, 4.5}, {12.5, 4.5}, {12.5, 12.5}, {1.5, 12.5}}));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({{1.5, 12.5}, {4.5, 7.5}, {15.5, 7.5}, {12.5, 12.5}}));
}

void drawDiskette(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kNavy);
    p.drawRect(QRectF(1.5, 1.5, 12, 12));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 1.5, 8, 5));
    p.setBrush(kSteel);
    p.drawRect(QRectF(4.5, 9.5, 6, 4));
}

void drawBook(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(0, 128, 0));
    p.drawRect(QRectF(3.5, 1.5, 9, 12));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 11.5, 9, 2));
    p.drawLine(QPointF(5.5, 1.5), QPointF(5.5, 11.5));
}

void drawHandWithPen(QPainter& p) {
    // The pen, tip at the lower left, then the hand holding it.
    p.setPen(QPen(kNavy, 2));
    p.drawLine(QPointF(3, 12), QPointF(12, 3));
    p.setPen(kInk);
    p.drawLine(QPointF(1.5, 13.5), QPointF(3, 12));
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(QRectF(7.5, 5.5, 7, 6));
    p.drawLine(QPointF(8.5, 11), QPointF(7.5, 13.5));
}

void drawLambda(QPainter& p) {
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 13.5), QPointF(8, 6.5));
    p.drawLine(QPointF(4.5, 1.5), QPointF(12.5, 13.5));
}

void drawBeamOutlines(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRed, 1));
    p.drawPolygon(beamOutline(8, 7.5, 13, 13, 3, 3));
    p.setPen(QPen(kRed.lighter(140), 1));
    p.drawPolygon(beamOutline(8, 7.5, 9, 9, 1.5, 2));
}

void drawGInDiamond(QPainter& p) {
    p.fillRect(QRect(0, 0, kToolbarTileWidth, kToolbarTileHeight), kInk);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 200, 200));
    p.drawPolygon(QPolygonF({{8, 0}, {15.5, 7.5}, {8, 15}, {0.5, 7.5}}));
    letter(p, QRectF(0, 0, 16, 15), QStringLiteral("G"), kInk, 10);
}

// A small table: a heading row and ruled rows, one of them marked.
void drawTable(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(QRect(1, 2, 13, 11));
    p.fillRect(QRect(2, 3, 12, 2), kNavy);
    p.fillRect(QRect(2, 9, 12, 2), QColor(255, 190, 0));
    for (const int y : {5, 7, 9, 11}) p.drawLine(1, y, 14, y);
    p.drawLine(5, 2, 5, 13);
}

// Bars of the mill loads under a red limit line, one bar over it.
void drawMillLoads(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(2, 8, 3, 6), kNavy);
    p.fillRect(QRect(6, 5, 3, 9), QColor(0, 128, 0));
    p.fillRect(QRect(10, 2, 3, 12), kNavy);
    p.setPen(kInk);
    p.drawLine(1, 14, 14, 14);
    p.setPen(QPen(kRed, 1));
    p.drawLine(1, 4, 14, 4);
}

// A 2-high stand seen from the side: two rolls between the housing posts,
// the bar in the gap between them.
void drawRollStand(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kSteel);
    p.drawRect(QRectF(0.5, 0.5, 2, 14));
    p.drawRect(QRectF(13.5, 0.5, 2, 14));
    p.setBrush(kNavy.lighter(150));
    p.drawEllipse(QRectF(3, 0.5, 10, 6.5));
    p.drawEllipse(QRectF(3, 8, 10, 6.5));
    p.fillRect(QRectF(0, 7, 16, 1), kRed);
}

}  // namespace

QPixmap drawToolbarTile(int tile) {
    QPixmap pixmap(kToolbarTileWidth, kToolbarTileHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, 0, kToolbarTileWidth, kToolbarTileHeight);
    switch (tile) {
        case kTileBlankSheet:
            drawBlankSheet(p);
            break;
        case kTileOpeningFolder:
            drawOpeningFolder(p);
            break;
        case kTileDiskette:
            drawDiskette(p);
            break;
        case kTileBook:
            drawBook(p);
            break;
        case kTileHandWithPen:
            drawHandWithPen(p);
            break;
        case kTileLambda:
            drawLambda(p);
            break;
        case kTileBeamOutlines:
            drawBeamOutlines(p);
            break;
        case kTileLetterC:
            letter(p, box, QStringLiteral("C"), kRed, 14);
            break;
        case kTileLetterT:
            letter(p, box, QStringLiteral("T"), kInk, 14);
            break;
        case kTileLetterGInDiamond:
            drawGInDiamond(p);
            break;
        case kTileQuestionMark:
            letter(p, box, QStringLiteral("?"), kNavy, 14);
            break;
        case kTileTable:
            drawTable(p);
            break;
        case kTileMillLoads:
            drawMillLoads(p);
            break;
        case kTileRollStand:
            drawRollStand(p);
            break;
        default:
            break;
    }
    return pixmap;
}

QImage drawToolbarStrip() {
    QImage strip(kToolbarTileCount * kToolbarTileWidth, kToolbarTileHeight, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (int tile = 0; tile < kToolbarTileCount; ++tile) {
        p.drawPixmap(tile * kToolbarTileWidth, 0, drawToolbarTile(tile));
    }
    return strip;
}

QImage drawProgramIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    p.drawPath(tile);
    // The rolls above and below the beam, cut off at the tile's edge.
    p.setClipPath(tile);
    p.setBrush(kSteel.lighter(130));
    p.drawEllipse(QRectF(4, -14, 24, 20));
    p.drawEllipse(QRectF(4, 26, 24, 20));
    p.setBrush(QColor(255, 120, 40));
    p.drawPolygon(beamOutline(16, 16, 18, 20, 4, 4));
    return icon;
}

QImage drawWelcomePicture() {
    QImage picture(kWelcomePictureWidth, kWelcomePictureHeight, QImage::Format_RGB32);
    picture.fill(kPaper);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A white band at the top keeps the welcome line above it readable.
    const QRectF panel(0, 24, kWelcomePictureWidth, kWelcomePictureHeight - 24);
    QLinearGradient sky(panel.topLeft(), panel.bottomLeft());
    sky.setColorAt(0, QColor(20, 40, 90));
    sky.setColorAt(1, QColor(5, 10, 30));
    p.fillRect(panel, sky);

    p.setClipRect(panel);

    // A pair of rolls with the beam between them as it lies in the pass:
    // web across, flanges standing up and down between the roll collars.
    const double cx = 590, cy = 275;
    for (const double rollY : {cy - 215.0, cy + 215.0}) {
        QRadialGradient steel(QPointF(cx - 50, rollY - 40), 220);
        steel.setColorAt(0, QColor(215, 220, 230));
        steel.setColorAt(1, QColor(80, 85, 100));
        p.setPen(QPen(QColor(30, 35, 50), 2));
        p.setBrush(steel);
        p.drawEllipse(QPointF(cx, rollY), 150, 150);
    }

    // The finished beam glowing at rolling heat, and around it the passes
    // back through the mill, each a little fuller, out to the first.
    QLinearGradient glow(QPointF(cx, cy - 45), QPointF(cx, cy + 45));
    glow.setColorAt(0, QColor(255, 210, 90));
    glow.setColorAt(1, QColor(230, 80, 20));
    p.setPen(QPen(QColor(255, 240, 200), 1.5));
    p.setBrush(glow);
    p.drawPolygon(QTransform()
                      .rotate(90, Qt::ZAxis)
                      .map(beamOutline(0, 0, 126, 90, 9, 13))
                      .translated(cx, cy));
    const QColor passColours[] = {QColor(130, 17, 70), QColor(181, 232, 0), QColor(40, 253, 16),
                                  QColor(184, 132, 85), QColor(244, 181, 6)};
    p.setBrush(Qt::NoBrush);
    for (int pass = 0; pass < 5; ++pass) {
        const double t = pass / 5.0;  // 0 the first pass, 1 the finished beam
        const double across = 166 - 40 * t, upright = 64 + 26 * t;
        const double web = 44 - 35 * t, flange = 40 - 27 * t;
        p.setPen(QPen(passColours[pass], 2));
        p.drawPolygon(QTransform()
                          .rotate(90, Qt::ZAxis)
                          .map(beamOutline(0, 0, across, upright, web, flange))
                          .translated(cx, cy));
    }
    p.setClipping(false);

    // The program's name and what it does.
    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(54);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(title);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(40, 90, 360, 80), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("ROLVANTA"));
    QFont subtitle(QStringLiteral("Liberation Serif"));
    subtitle.setPixelSize(22);
    p.setFont(subtitle);
    p.setPen(QColor(255, 190, 90));
    p.drawText(QRectF(42, 170, 360, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Roll pass design for hot-rolled I-beams"));
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPixelSize(15);
    p.setFont(body);
    p.setPen(QColor(200, 210, 230));
    p.drawText(QRectF(42, 250, 330, 160), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Junior, light, medium-weight and wide-flange beams, "
                              "5 to 13 passes, live and dead flanges, from the finished "
                              "section back to the first pass of the mill."));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(42, 440, 400, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("File \u203A New Project to begin a design  \u2022  F1 for help"));
    return picture;
}

}  // namespace rolvanta
