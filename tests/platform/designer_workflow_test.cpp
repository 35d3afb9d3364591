// A designer's day with the real main window on a real X display: every
// input dialog opened from the menu or the toolbar, filled in as a person
// would, the results computed and seen in the pass view. Screenshots of
// every dialog and view go to build/.../screenshots/workflow-*.png for a
// person to look at.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <functional>

#include "display/pass_view.h"
#include "platform/dialog_builder.h"
#include "platform/main_window.h"
#include "platform/pass_view_widget.h"
#include "platform_testing.h"
#include "resources/command_ids.h"
#include "resources/dialog_ids.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

using testing::pixelsOfColour;

void saveScreenshot(QWidget& widget, const char* name) {
    QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
    EXPECT_TRUE(widget.grab().save(QString(ROLVANTA_SCREENSHOT_DIR "/workflow-%1.png").arg(name)));
}

// Runs act on the next modal window (dialog or message box) once it is open.
template <typename Modal>
void whenOpen(std::function<void(Modal&)> act) {
    QTimer::singleShot(0, [act] {
        auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr) << "no " << Modal::staticMetaObject.className() << " open";
        act(*modal);
    });
}

void type(TemplateDialog& dialog, int id, const char* text) {
    QTest::keyClicks(dialog.item(id), text);
}
void press(TemplateDialog& dialog, int id) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog.item(id)), Qt::LeftButton);
}

class DesignerWorkflow : public ::testing::Test {
  protected:
    DesignerWorkflow() : window(session, QString()) {
        session.catalogueFiles.working = folder / "profile.dat";
        session.catalogueFiles.installed = ROLVANTA_CATALOGUE;
        window.resize(1024, 720);
        window.show();
    }

    void click(int command) { testing::actionFor(window, command)->trigger(); }

    // What the X server shows of the window, as the user sees it (the pass
    // view is OpenGL: a widget grab would not show it).
    QImage shown(const char* name) {
        QCoreApplication::processEvents();
        const QImage image = window.screen()->grabWindow(window.winId()).toImage();
        QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
        image.save(QString(ROLVANTA_SCREENSHOT_DIR "/workflow-%1.png").arg(name));
        return image;
    }

    testing::TemporaryFolder folder;
    Session session;
    MainWindow window;
};

TEST_F(DesignerWorkflow, FromACatalogueBeamToThePassViewAndBack) {
    const Project& project = session.project;

    click(kButtonNewFile);
    ASSERT_EQ(project.flags.projectStarted, 1);
    EXPECT_EQ(window.windowTitle(), "ROLVANTA - New Project Started");

    // The first beam of the catalogue can be taken as it opens.
    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.item(standard_dialog::kProfileList));
        EXPECT_GT(list->count(), 40);
        EXPECT_EQ(list->currentRow(), 0);
        saveScreenshot(dialog, "standard");
        press(dialog, standard_dialog::kOk);
    });
    click(kMenuStandardProfiles);
    EXPECT_STREQ(project.section.name, "JB 150");
    EXPECT_EQ(project.section.webWidth, 150.0f);

    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        type(dialog, setup_dialog::kPassCount, "9");
        type(dialog, setup_dialog::kTemperature, "1100");
        saveScreenshot(dialog, "setup");
        QTest::keyClick(dialog.item(setup_dialog::kTemperature), Qt::Key_Return);
    });
    click(kButtonSetup);
    EXPECT_EQ(project.section.passCount, 9);
    EXPECT_EQ(project.section.temperature, 1100.0f);

    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        saveScreenshot(dialog, "coefficients");
        press(dialog, coefficients_dialog::kDefault);
    });
    click(kMenuCoefficients);
    EXPECT_EQ(project.flags.coefficientsGiven, 1);

    click(kButtonCompute);
    ASSERT_EQ(project.flags.computed, 1);
    saveScreenshot(window, "results");

    // The overview, then the arrow keys step to pass 3 alone (the frames'
    // pixels: pass_view_gl_test.cpp; the panel: view_picture_test.cpp).
    ASSERT_TRUE(openGlAvailable());
    click(kButtonGraphicsMode);
    ASSERT_EQ(session.displayMode, DisplayMode::PassView);
    const Rgb* colours = session.passColours.entries;
    shown("overview");  // its pixels: pass_view_gl_test.cpp
    constexpr int kTolerance = 24;
    QTest::keyClick(&window, Qt::Key_Right);
    QTest::keyClick(&window, Qt::Key_Right);
    const QImage single = shown("single-pass");
    EXPECT_GT(pixelsOfColour(single, colours[1], QRect(), kTolerance), 1000) << "pass 3 alone";
    EXPECT_EQ(pixelsOfColour(single, colours[8]), 0);

    // The zoom keys and the wheel reach the view; 0 and Home fit it again.
    const auto outlinePixels = [&](const char* name) {
        return pixelsOfColour(shown(name), colours[1], QRect(), kTolerance);
    };
    const int fitted = pixelsOfColour(single, colours[1], QRect(), kTolerance);
    QTest::keyClick(&window, Qt::Key_Minus);
    EXPECT_LT(outlinePixels("single-pass-zoomed-out"), fitted * 0.9);
    QTest::keyClick(&window, Qt::Key_0);
    EXPECT_NEAR(outlinePixels("single-pass-fitted"), fitted, fitted * 0.02);
    QWidget* view = window.passView();
    const QPointF middle(view->width() / 2.0, view->height() / 2.0);
    QWheelEvent wheel(middle, view->mapToGlobal(middle), QPoint(), QPoint(0, -240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &wheel);
    EXPECT_LT(outlinePixels("single-pass-wheel"), fitted * 0.9);
    QTest::keyClick(&window, Qt::Key_Home);
    EXPECT_NEAR(outlinePixels("single-pass-home"), fitted, fitted * 0.02);

    // Another beam taken from the pass view brings back the text pages. Two
    // presses of Down from the first beam highlight the third, JB 200: its
    // values are what OK takes.
    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.item(standard_dialog::kProfileList));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.item(standard_dialog::kName))->text(), "JB 200");
        saveScreenshot(dialog, "standard-down-down");
        const QPoint third = list->visualItemRect(list->item(2)).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third);
        press(dialog, standard_dialog::kOk);
    });
    click(kMenuStandardProfiles);
    EXPECT_STREQ(project.section.name, "JB 200");
    EXPECT_EQ(session.displayMode, DisplayMode::TextPages);
    EXPECT_EQ(pixelsOfColour(shown("text-after-graphics"), colours[1]), 0);
}

// A bad field keeps the dialog open with the cursor in it; put right, the
// typed section is taken and joins the catalogue.
TEST_F(DesignerWorkflow, ATypedSectionJoinsTheCatalogueOnceItsFieldsAreRight) {
    window.runCommand(kMenuNewProject);
    QStringList told;
    whenOpen<TemplateDialog>([&told](TemplateDialog& dialog) {
        const auto retype = [&dialog](int id, const char* text) {
            qobject_cast<QLineEdit*>(dialog.item(id))->clear();
            type(dialog, id, text);
        };
        const auto pressOk = [&told, &dialog] {
            whenOpen<QMessageBox>([&told, &dialog](QMessageBox& box) {
                told << box.text();
                EXPECT_EQ(box.parentWidget(), &dialog) << "the message belongs to the dialog";
                box.accept();
            });
            press(dialog, custom_dialog::kOk);
        };
        const std::pair<int, const char*> typed[] = {
            {custom_dialog::kName, "XB 180"},         {custom_dialog::kWebWidth, "1,5"},
            {custom_dialog::kWebThickness, "5.5"},    {custom_dialog::kFlangeHeight, "90"},
            {custom_dialog::kFlangeThickness, "8.5"}, {custom_dialog::kFlangeSlope, "98"}};
        for (const auto& [id, text] : typed) retype(id, text);
        press(dialog, custom_dialog::kAddToCatalogue);
        pressOk();
        QCoreApplication::processEvents();
        EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
        EXPECT_EQ(QApplication::focusWidget(), dialog.item(custom_dialog::kWebWidth))
            << "the cursor is in the field refused";
        saveScreenshot(dialog, "custom-refused");
        retype(custom_dialog::kWebWidth, "180");
        saveScreenshot(dialog, "custom");
        pressOk();
    });
    click(kButtonCustomProfiles);
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told[0].startsWith("Web Width: \"1,5\" is not accepted.\nAccepted: a number"))
        << told[0].toStdString();
    EXPECT_EQ(told[1], "Saved Custom Profile");
    EXPECT_STREQ(session.project.section.name, "XB 180");

    // It is offered from the catalogue from now on.
    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.item(standard_dialog::kProfileList));
        EXPECT_EQ(list->findItems("XB 180", Qt::MatchExactly).size(), 1);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    click(kMenuStandardProfiles);
    EXPECT_STREQ(session.project.section.name, "XB 180") << "Esc changes nothing";
}

}  // namespace
}  // namespace rolvanta
