#pragma once

// Helpers of the Qt tests: what a person clicks to run a command, and what
// an image shows.

#include <QAction>
#include <QImage>

#include "display/line_canvas.h"
#include "platform/main_window.h"

namespace rolvanta::testing {

// The menu item or toolbar button of a command.
inline QAction* actionFor(const MainWindow& window, int command) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (!action->isSeparator() && action->data().toInt() == command) return action;
    }
    ADD_FAILURE() << "no menu item or button for command " << command;
    return nullptr;
}

// The number of pixels of exactly this colour in the area.
inline int pixelsOfColour(const QImage& image, Rgb colour, QRect area = QRect()) {
    if (area.isNull()) area = image.rect();
    const QRgb wanted = qRgb(colour.red, colour.green, colour.blue) & 0xFFFFFF;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) == wanted) ++count;
        }
    }
    return count;
}

}  // namespace rolvanta::testing
