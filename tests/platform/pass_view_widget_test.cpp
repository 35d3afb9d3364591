// The pass view on the offscreen platform, where Qt makes no OpenGL
// context: the view stands in black and the program goes on. (The view on
// OpenGL, in the main window too, is tested under Xvfb.)

#include <gtest/gtest.h>

#include <QTest>

#include "platform/pass_view_factory.h"
#include "platform/pass_view_widget.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

TEST(PassViewFactory, WithoutOpenGlABlackViewStandsIn) {
    // A window holding a QOpenGLWidget would not survive its first paint
    // where no context can be made.
    Session session;
    session.project = testing::exampleProject(8);
    QWidget window;
    QWidget* view = createPassView(session, &window);
    window.resize(300, 200);
    view->resize(300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    view->update();
    QCoreApplication::processEvents();

    const bool glView = dynamic_cast<PassViewWidget*>(view) != nullptr;
    EXPECT_EQ(glView, openGlAvailable());
    if (!glView) {
        EXPECT_EQ(view->grab().toImage().pixel(150, 100) & 0xFFFFFF, 0u);
    }
}

}  // namespace
}  // namespace rolvanta
