#include "platform/fonts.h"

#include <QFontMetrics>
#include <QStringList>

namespace rolvanta {

QFont timesFont(int cellHeight) {
    QFont font;
    // Qt would take "Times" alone for any serif; the list asks for the
    // metric-compatible faces by name before that.
    font.setFamilies({QStringLiteral("Times"), QStringLiteral("Times New Roman"),
                      QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman")});
    font.setStyleHint(QFont::Serif);
    for (int pixels = cellHeight; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= cellHeight) break;
    }
    return font;
}

}  // namespace rolvanta
