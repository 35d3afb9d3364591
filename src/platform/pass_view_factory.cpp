#include "platform/pass_view_factory.h"

#include <QPalette>
#include <QWidget>

#include "platform/pass_view_widget.h"

namespace rolvanta {

QWidget* createPassView(Session& session, QWidget* parent) {
    if (openGlAvailable()) {
        auto* view = new PassViewWidget(session.project, session.passViewCursor,
                                        session.passColours, parent);
        view->setNotes(&session.passNotes);
        return view;
    }
    // Without OpenGL the view stays black, as the drawing space starts out.
    auto* view = new QWidget(parent);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Window, Qt::black);
    view->setPalette(palette);
    view->setAutoFillBackground(true);
    return view;
}

}  // namespace rolvanta
