// The pass view's wiring on the offscreen platform, where Qt makes no
// OpenGL context: the view stands in black and the program goes on, and
// the main window's arrow keys reach the pass cursor.

#include <gtest/gtest.h>

#include <QStackedWidget>
#include <QTest>
#include <QToolBar>

#include "platform/main_window.h"
#include "platform/pass_view_factory.h"
#include "platform/pass_view_widget.h"
#include "platform/text_page_widget.h"
#include "resources/command_ids.h"
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

TEST(PassViewInMainWindow, ArrowKeysStepThroughThePassesInGraphicsMode) {
    Session session;
    MainWindow window(session, QString());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.runCommand(kMenuNewProject);
    session.project.section = testing::exampleSection(8);
    session.project.flags.customEntered = 1;
    window.runCommand(kMenuCompute);
    window.runCommand(kMenuGraphicalDisplay);

    auto* pages = window.findChild<QStackedWidget*>();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->currentWidget(), window.passView());
    EXPECT_FALSE(window.toolbar()->isVisible());

    const struct {
        const char* name;
        Qt::Key key;
        int presses;
        int index;
    } steps[] = {
        {"first press after start-up", Qt::Key_Right, 1, 1},
        {"to the last pass shown alone", Qt::Key_Right, 10, 7},
        {"back", Qt::Key_Left, 2, 5},
        {"to the overview", Qt::Key_Left, 9, 0},
    };
    for (const auto& step : steps) {
        for (int i = 0; i < step.presses; ++i) QTest::keyClick(&window, step.key);
        EXPECT_EQ(session.passViewCursor.index, step.index) << step.name;
        EXPECT_EQ(session.passViewCursor.overview, step.index == 0) << step.name;
    }

    window.runCommand(kMenuTextDisplay);
    EXPECT_EQ(pages->currentWidget(), static_cast<QWidget*>(window.textPage()));
    EXPECT_TRUE(window.toolbar()->isVisible());
    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_EQ(session.passViewCursor.index, 1) << "the arrows work in text mode too";
}

}  // namespace
}  // namespace rolvanta
