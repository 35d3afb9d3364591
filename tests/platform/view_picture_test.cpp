// Picture Of The View: what the client area shows, texts included, at the
// window's device pixel ratio, on a real X display with Mesa's OpenGL.

#include <gtest/gtest.h>

#include <QTest>

#include <algorithm>

#include "app/main_commands.h"
#include "platform/export_shell_qt.h"
#include "platform/main_window.h"
#include "platform/text_page_widget.h"
#include "resources/command_ids.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

QImage pictureOfShownView(MainWindow& window) {
    const std::string png = pictureOf(window.passView() != nullptr && window.passView()->isVisible()
                                          ? window.passView()
                                          : static_cast<QWidget*>(window.textPage()));
    return QImage::fromData(QByteArray::fromStdString(png), "PNG");
}

// Pixels that are neither black nor one of the given colours: text.
int otherPixels(const QImage& image, std::initializer_list<QRgb> drawn, QRect area = QRect()) {
    if (area.isNull()) area = image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom() && y < image.height(); ++y) {
        for (int x = area.left(); x <= area.right() && x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            if (p != 0 && std::find(drawn.begin(), drawn.end(), p) == drawn.end()) ++count;
        }
    }
    return count;
}

TEST(ViewPicture, ShowsTheTextPageOrThePassViewWithItsTexts) {
    Session session;
    MainWindow window(session, QString());
    window.resize(900, 700);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.runCommand(kMenuNewProject);
    session.project.section = testing::exampleSection(7);
    session.project.flags.customEntered = 1;
    window.runCommand(kMenuCompute);

    const QImage page = pictureOfShownView(window);
    const qreal ratio = window.devicePixelRatioF();
    EXPECT_EQ(page.size(), window.textPage()->size() * ratio);
    EXPECT_GT(otherPixels(page, {0xFFFFFF}), 1000) << "the results page";

    window.runCommand(kMenuGraphicalDisplay);
    ASSERT_NE(window.passView(), nullptr);
    QImage view;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        view = pictureOfShownView(window);
        return view.size() == window.passView()->size() * ratio;
    }));
    QTest::keyClick(&window, Qt::Key_Right);
    QTest::keyClick(&window, Qt::Key_Right);
    // The panel of dimensions, left of the separator, is text painted over
    // the OpenGL frame: wait for the repaint that shows it.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QImage single = pictureOfShownView(window);
        return otherPixels(single, {}, QRect(0, 0, single.width() / 6, single.height())) > 200;
    }));
}

}  // namespace
}  // namespace rolvanta
