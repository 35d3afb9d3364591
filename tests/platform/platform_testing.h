#pragma once

// Helpers of the Qt tests: what a person clicks to run a command, answers
// in a modal window, and what an image shows.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QTimer>

#include <cstdlib>
#include <functional>

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

// Runs act on the next modal window (dialog or message box) once it is
// open; one act leaves open is closed, so that a failure ends the test.
template <typename Modal>
void whenOpen(std::function<void(Modal&)> act) {
    QTimer::singleShot(0, [act] {
        QPointer<Modal> modal = qobject_cast<Modal*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr) << "no " << Modal::staticMetaObject.className() << " open";
        act(*modal);
        if (modal && modal->isVisible()) static_cast<QDialog*>(modal.data())->reject();
    });
}

// The number of pixels of this colour in the area, each channel within the
// tolerance.
inline int pixelsOfColour(const QImage& image, Rgb colour, QRect area = QRect(),
                          int tolerance = 0) {
    if (area.isNull()) area = image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!image.valid(x, y)) continue;
            const QRgb pixel = image.pixel(x, y);
            count += std::abs(qRed(pixel) - colour.red) <= tolerance &&
                     std::abs(qGreen(pixel) - colour.green) <= tolerance &&
                     std::abs(qBlue(pixel) - colour.blue) <= tolerance;
        }
    }
    return count;
}

}  // namespace rolvanta::testing
