// The mill as a designer gives it on a real X display: Inputs › Mill from
// the keyboard on a started design, Example Mill (Alt+E), OK, Compute, then
// Mill Loads (Ctrl+L) with its table and chart drawn. Screenshots of the
// dialog and of the loads at 1280 x 1024 and 800 x 600 go to
// build/.../screenshots/mill-*.png for a look.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QMessageBox>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QtTest/QTest>

#include "platform/dialog_builder.h"
#include "platform/main_window.h"
#include "platform/mill_loads_widget.h"
#include "platform/schedule_table_widget.h"
#include "platform_testing.h"
#include "resources/command_ids.h"
#include "resources/dialog_ids.h"
#include "support/medium_beam_200.h"

namespace rolvanta {
namespace {

QString screenshot(const char* name) {
    QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
    return QString(ROLVANTA_SCREENSHOT_DIR "/mill-%1.png").arg(name);
}

// The pixels of the area that are not its most common colour: what is drawn
// on the background.
int drawnPixels(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
    }
    int background = 0;
    for (const int count : counts) background = std::max(background, count);
    return area.width() * area.height() - background;
}

TEST(MillOnScreen, TheExampleMillGivesTheLoadsTableAndChart) {
    Session session;
    MainWindow window(session, QString());
    window.resize(1280, 1024);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.runCommand(kMenuNewProject);
    ASSERT_NO_FATAL_FAILURE(testing::takeMediumBeam200InThirteenPasses(session.project));

    // Without a mill, Mill Loads says how to give one.
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    MillLoadsWidget* loads = window.millLoads();
    ASSERT_TRUE(loads->isVisible());
    EXPECT_EQ(loads->hint(),
              QStringLiteral("Give the mill first (Inputs \u203A Mill; Example Mill fills one)"));
    EXPECT_FALSE(loads->table()->isVisible());
    window.grab().save(screenshot("loads-hint"));

    QTest::keyClick(&window, Qt::Key_I, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    bool filled = false;
    QTimer::singleShot(0, [&filled] {
        // Inside Inputs › Mill: Alt+E fills the example, OK takes it. A
        // failure on the way still ends the dialog.
        struct EndsTheDialog {
            ~EndsTheDialog() {
                if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    open->reject();
                }
            }
        } guard;
        auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        // The keyboard comes to the dialog once the menu has closed.
        ASSERT_TRUE(QTest::qWaitFor([dialog] {
            return QApplication::focusWidget() && QApplication::focusWidget()->window() == dialog;
        }));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Mill"));
        auto* table = qobject_cast<QTableWidget*>(dialog->item(mill_dialog::kTable));
        ASSERT_EQ(table->rowCount(), 13);
        EXPECT_EQ(table->verticalHeaderItem(0)->text(), QStringLiteral("Pass 13"));
        EXPECT_EQ(table->verticalHeaderItem(12)->text(), QStringLiteral("Pass 1"));
        // The button flashes down and up: its click follows a moment later.
        QTest::keyClick(dialog, Qt::Key_E, Qt::AltModifier);
        filled = QTest::qWaitFor([table] {
            return table->item(12, 1) != nullptr && !table->item(12, 1)->text().isEmpty();
        });
        EXPECT_TRUE(dialog->grab().save(screenshot("dialog")));
        // A refusal would wait for its OK: it is closed, and is a failure.
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << box->text().toStdString();
                box->reject();
            }
        });
        QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->item(mill_dialog::kOk)),
                          Qt::LeftButton);
    });
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_M);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    EXPECT_TRUE(filled);
    ASSERT_TRUE(session.project.mill);
    EXPECT_TRUE(session.project.mill->example);

    testing::actionFor(window, kButtonCompute)->trigger();
    EXPECT_EQ(session.project.loads.size(), 13u);
    // Without a window manager nothing gives the window the keyboard back.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(session.displayMode, DisplayMode::MillLoads);
    EXPECT_TRUE(loads->hint().isEmpty());
    ASSERT_TRUE(loads->table()->isVisible());
    ASSERT_TRUE(loads->chart()->isVisible());
    EXPECT_EQ(loads->table()->rowCount(), 13);
    EXPECT_EQ(loads->table()->item(0, 0)->text(), QStringLiteral("13"));
    QApplication::clipboard()->clear();
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Pass\tStand\tDiameter [mm]\t")))
        << copied.toStdString();
    EXPECT_EQ(copied.count(QLatin1Char('\n')), 14);

    for (const QSize size : {QSize(1280, 1024), QSize(800, 600)}) {
        window.resize(size);
        QTRY_COMPARE(window.size(), size);
        QCoreApplication::processEvents();
        const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
        shown.save(screenshot(size.width() == 800 ? "loads-800x600" : "loads-1280x1024"));
        const QRect chart(loads->chart()->mapTo(&window, QPoint(0, 0)), loads->chart()->size());
        EXPECT_GT(chart.height(), 100) << size.width();
        // Bars, lines and labels: far more than a frame around an empty area.
        EXPECT_GT(drawnPixels(shown, chart), chart.width() * chart.height() / 50) << size.width();
    }
}

}  // namespace
}  // namespace rolvanta
