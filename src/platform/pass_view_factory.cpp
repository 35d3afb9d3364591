#include "platform/pass_view_factory.h"

#include <QPalette>
#include <QWidget>

namespace rolvanta {

// The pass view's drawing surface: black, as the drawing space starts out.
QWidget* createPassView(Session&, QWidget* parent) {
    auto* view = new QWidget(parent);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Window, Qt::black);
    view->setPalette(palette);
    view->setAutoFillBackground(true);
    return view;
}

}  // namespace rolvanta
