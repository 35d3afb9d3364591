// The Schedule Table in the real main window on a real X display: opened
// with Ctrl+T after a Compute from the toolbar, looked at as the user sees
// it (a screenshot goes to build/.../screenshots/schedule-table.png) and
// copied with Ctrl+C.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QScreen>
#include <QtTest/QTest>

#include "platform/main_window.h"
#include "platform/schedule_table_widget.h"
#include "platform_testing.h"
#include "resources/command_ids.h"
#include "support/medium_beam_200.h"

namespace rolvanta {
namespace {

using testing::pixelsOfColour;

TEST(ScheduleTableOnScreen, ShowsEveryPassMarksTheImpossibleOneAndCopies) {
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

    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    ScheduleTableWidget* table = window.scheduleTable();
    ASSERT_TRUE(table->isVisible());
    EXPECT_EQ(session.displayMode, DisplayMode::ScheduleTable);
    ASSERT_EQ(table->rowCount(), 14);
    EXPECT_EQ(table->item(12, 0)->text(), QStringLiteral("13"));
    EXPECT_EQ(table->item(13, 0)->text(), QStringLiteral("Bar in"));
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
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Pass\tPass Width [mm]\t")))
        << copied.toStdString();
    EXPECT_EQ(copied.count(QLatin1Char('\n')), 15);
    EXPECT_TRUE(copied.contains(QStringLiteral("\n13\t112.1"))) << copied.toStdString();

    // The pass view tells the same beneath pass 13's caption, in amber.
    testing::actionFor(window, kButtonGraphicsMode)->trigger();
    session.passViewCursor.overview = false;
    session.passViewCursor.index = 12;
    window.runCommand(kButtonGraphicsMode);
    window.passView()->update();
    int amber = 0;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QImage view = window.screen()->grabWindow(window.winId()).toImage();
        view.save(ROLVANTA_SCREENSHOT_DIR "/schedule-pass-notes.png");
        amber = pixelsOfColour(view, {255, 190, 0}, QRect(), 40);
        return amber > 100;
    }));
    EXPECT_GT(amber, 100) << "the warning beneath the caption";

    // A new project empties the table, which then says what fills it.
    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    markProjectUnchanged(session);
    window.runCommand(kMenuNewProject);
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(table->hint(),
              QStringLiteral("Choose a profile first (Inputs \u203A Profile Dimensions)"));
}

}  // namespace
}  // namespace rolvanta
