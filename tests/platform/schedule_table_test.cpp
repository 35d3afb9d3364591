// The results in the real main window on a real X display, MB 200 in 13
// passes computed from the toolbar: the Schedule Table (Ctrl+T) with its
// marked row as the user sees it, copied with Ctrl+C; the warning beneath
// pass 13's caption in the pass view; and Picture Of The View of the text
// page and of the pass view, the texts painted over the OpenGL frame
// included. Screenshots go to build/.../screenshots/schedule-*.png.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QScreen>
#include <QtTest/QTest>

#include "display/pass_view.h"
#include "platform/export_shell_qt.h"
#include "platform/main_window.h"
#include "platform/schedule_table_widget.h"
#include "platform/text_page_widget.h"
#include "platform_testing.h"
#include "project/schedule_table.h"
#include "resources/command_ids.h"
#include "support/medium_beam_200.h"

namespace rolvanta {
namespace {

using testing::pixelsOfColour;

QImage pictureOfView(QWidget* widget) {
    return QImage::fromData(QByteArray::fromStdString(pictureOf(widget)), "PNG");
}

TEST(ResultsOnScreen, ScheduleTablePassNotesAndPictureOfTheView) {
    Session session;
    MainWindow window(session, QString());
    window.resize(1200, 700);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // MB 200 in 13 passes: pass 13's dead flange roots overlap, and both
    // flanges' roots of the bar in.
    window.runCommand(kMenuNewProject);
    ASSERT_NO_FATAL_FAILURE(testing::takeMediumBeam200InThirteenPasses(session.project));
    testing::actionFor(window, kButtonCompute)->trigger();
    EXPECT_EQ(window.note(), QStringLiteral("3 warnings: see the Schedule Table"));
    const qreal ratio = window.devicePixelRatioF();
    const QImage page = pictureOfView(window.textPage());
    EXPECT_EQ(page.size(), window.textPage()->size() * ratio);
    EXPECT_GT(page.width() * page.height() - pixelsOfColour(page, {255, 255, 255}), 1000)
        << "the results page";

    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    ScheduleTableWidget* table = window.scheduleTable();
    ASSERT_TRUE(table->isVisible());
    EXPECT_EQ(session.displayMode, DisplayMode::ScheduleTable);
    ASSERT_EQ(table->rowCount(), 14);
    EXPECT_EQ(table->item(12, 0)->text(), QStringLiteral("13"));
    EXPECT_TRUE(table->item(12, table->columnCount() - 1)
                    ->text()
                    .startsWith(QStringLiteral("the dead flange roots overlap")));

    // The marked row shows as a band across the table.
    QCoreApplication::processEvents();
    const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
    QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
    shown.save(ROLVANTA_SCREENSHOT_DIR "/schedule-table.png");
    const QRect row = table->visualItemRect(table->item(12, 1));
    const QPoint inRow = table->viewport()->mapTo(&window, row.center());
    const QColor band = ScheduleTableWidget::markedRowColour();
    const Rgb bandColour{std::uint8_t(band.red()), std::uint8_t(band.green()),
                         std::uint8_t(band.blue())};
    const int marked = pixelsOfColour(shown, bandColour, QRect(0, inRow.y(), shown.width(), 1), 8);
    EXPECT_GT(marked, shown.width() / 2) << "the marked row spans most of the window";

    QApplication::clipboard()->clear();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString::fromStdString(tabSeparatedText(scheduleTable(session.project))));

    // The pass view tells the same beneath pass 13's caption, in amber; its
    // picture holds the panel, text painted over the OpenGL frame.
    testing::actionFor(window, kButtonGraphicsMode)->trigger();
    session.passViewCursor.overview = false;
    session.passViewCursor.index = 12;
    window.runCommand(kButtonGraphicsMode);
    window.passView()->update();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QImage view = window.screen()->grabWindow(window.winId()).toImage();
        view.save(ROLVANTA_SCREENSHOT_DIR "/schedule-pass-notes.png");
        return pixelsOfColour(view, {255, 190, 0}, QRect(), 40) > 100;
    })) << "the warning beneath the caption";
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QImage picture = pictureOfView(window.passView());
        return picture.size() == window.passView()->size() * ratio &&
               pixelsOfColour(picture, kViewTextColour,
                              QRect(0, 0, picture.width() / 6, picture.height()), 24) > 200;
    })) << "the picture of the pass view shows its panel";

    // A new project empties the table, which then says what fills it.
    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    markProjectUnchanged(session);
    window.runCommand(kMenuNewProject);
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_FALSE(table->hint().isEmpty());
}

}  // namespace
}  // namespace rolvanta
