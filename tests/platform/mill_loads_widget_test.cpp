// The Mill Loads display in the main window: Ctrl+L shows it, the hint
// stands in for it without a mill, a repaint (as after an input's OK or
// Compute) fills it, Ctrl+C copies its table. (Its pictures at two window
// sizes: mill_on_screen_test.cpp.)

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTest>

#include "platform/mill_loads_widget.h"
#include "platform/schedule_table_widget.h"
#include "platform_testing.h"
#include "resources/command_ids.h"
#include "support/mill_loads_fixture.h"

namespace rolvanta {
namespace {

TEST(MillLoadsWidget, ShowsTheHintThenTheLoadsAndCopiesThem) {
    Session session;
    MainWindow window(session, QString());
    window.resize(1280, 1024);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.runCommand(kMenuNewProject);

    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    MillLoadsWidget* loads = window.millLoads();
    EXPECT_EQ(session.displayMode, DisplayMode::MillLoads);
    ASSERT_TRUE(loads->isVisible());
    EXPECT_EQ(loads->hint(),
              QStringLiteral("Give the mill first (Inputs \u203A Mill; Example Mill fills one)"));
    EXPECT_FALSE(loads->table()->isVisible());
    QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
    window.grab().save(QStringLiteral(ROLVANTA_SCREENSHOT_DIR "/mill-loads-hint.png"));

    session.project = testing::millLoadsProject();
    window.repaintClientArea();
    EXPECT_TRUE(loads->hint().isEmpty());
    EXPECT_TRUE(loads->table()->isVisible());
    EXPECT_TRUE(loads->chart()->isVisible());
    ASSERT_EQ(loads->table()->rowCount(), 5);
    EXPECT_EQ(loads->table()->item(0, 0)->text(), QStringLiteral("5"));

    QApplication::clipboard()->clear();
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Pass\tStand\tDiameter [mm]\t")))
        << copied.toStdString();
    EXPECT_EQ(copied.count(QLatin1Char('\n')), 6);
}

}  // namespace
}  // namespace rolvanta
