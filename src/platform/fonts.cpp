#include "platform/fonts.h"

#include <QFontMetrics>
#include <QStringList>

namespace rolvanta {

namespace {
// The metric twins of Times and Arial come first; a bare "Times" would give
// whichever serif the font system likes best, which differs from machine to
// machine (Nimbus Roman where the URW fonts are installed).
QFont named(const QString& face, QFont::StyleHint hint) {
    QFont font;
    font.setFamilies({face});
    font.setStyleHint(hint);
    return font;
}
}  // namespace

QFont serifFont(int cellHeight) {
    QFont font = named(QStringLiteral("Liberation Serif"), QFont::Serif);
    for (int pixels = cellHeight; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= cellHeight) break;
    }
    return font;
}

QFont serifFontOfEm(int pixels) {
    QFont font = named(QStringLiteral("Liberation Serif"), QFont::Serif);
    font.setPixelSize(pixels);
    return font;
}

QFont sansFont(int pointSize) {
    QFont font = named(QStringLiteral("Liberation Sans"), QFont::SansSerif);
    font.setPointSize(pointSize);
    return font;
}

}  // namespace rolvanta
