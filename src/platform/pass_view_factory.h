#pragma once

// The widget the client area shows in graphics mode. It draws the session's
// passes whenever it is asked to repaint (QWidget::update); the main window
// asks whenever what it shows may have changed. Where no OpenGL context can
// be made it is a plain black widget that draws nothing.

#include "app/session.h"

class QWidget;

namespace rolvanta {

QWidget* createPassView(Session& session, QWidget* parent);

}  // namespace rolvanta
