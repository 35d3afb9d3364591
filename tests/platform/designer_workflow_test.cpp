// A designer's day with the real main window on a real X display: every
// input dialog opened from the menu or the toolbar, filled in as a person
// would, and the results computed. Screenshots of every dialog and of the
// results go to build/.../screenshots/workflow-*.png for a person to look at.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QtTest/QTest>
#include <functional>

#include "platform/dialog_builder.h"
#include "platform/main_window.h"
#include "resources/command_ids.h"
#include "resources/dialog_ids.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

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

    QAction* menuItem(int command) {
        std::function<QAction*(const QList<QAction*>&)> find = [&](const QList<QAction*>& list) {
            for (QAction* action : list) {
                if (action->menu()) {
                    if (QAction* found = find(action->menu()->actions())) return found;
                } else if (!action->isSeparator() && action->data().toInt() == command) {
                    return action;
                }
            }
            return static_cast<QAction*>(nullptr);
        };
        return find(window.menuBar()->actions());
    }
    QAction* toolbarButton(int command) {
        for (QAction* action : window.toolbar()->actions()) {
            if (action->data().toInt() == command) return action;
        }
        return nullptr;
    }

    testing::TemporaryFolder folder;
    Session session;
    MainWindow window;
};

TEST_F(DesignerWorkflow, FromACatalogueBeamToTheResultsAndBack) {
    const Project& project = session.project;

    // Nothing can be given before a project is started.
    whenOpen<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.text(), "Please Start New Project !");
        box.accept();
    });
    toolbarButton(kButtonStandardProfiles)->trigger();
    EXPECT_EQ(project.flags.standardChosen, 0);

    toolbarButton(kButtonNewFile)->trigger();
    ASSERT_EQ(project.flags.projectStarted, 1);

    // The first beam of the catalogue can be taken as it opens.
    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.item(standard_dialog::kProfileList));
        EXPECT_GT(list->count(), 40);
        EXPECT_EQ(list->currentRow(), 0);
        saveScreenshot(dialog, "standard");
        press(dialog, standard_dialog::kOk);
    });
    menuItem(kMenuStandardProfiles)->trigger();
    EXPECT_STREQ(project.section.name, "JB 150");
    EXPECT_EQ(project.section.webWidth, 150.0f);

    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        type(dialog, setup_dialog::kPassCount, "9");
        type(dialog, setup_dialog::kTemperature, "1100");
        saveScreenshot(dialog, "setup");
        QTest::keyClick(dialog.item(setup_dialog::kTemperature), Qt::Key_Return);
    });
    toolbarButton(kButtonSetup)->trigger();
    EXPECT_EQ(project.section.passCount, 9);
    EXPECT_EQ(project.section.temperature, 1100.0f);

    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        saveScreenshot(dialog, "coefficients");
        press(dialog, coefficients_dialog::kDefault);
    });
    menuItem(kMenuCoefficients)->trigger();
    EXPECT_EQ(project.flags.coefficientsGiven, 1);

    toolbarButton(kButtonCompute)->trigger();
    ASSERT_EQ(project.flags.computed, 1);
    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        saveScreenshot(dialog, "about");
        press(dialog, about_dialog::kOk);
    });
    menuItem(kMenuAbout)->trigger();
    EXPECT_GT(project.passes.records[7].webArea, project.passes.records[0].webArea);
    QTest::qWait(50);
    saveScreenshot(window, "results");

    // Another beam taken from the pass view brings back the text pages.
    toolbarButton(kButtonGraphicsMode)->trigger();
    ASSERT_EQ(session.graphicsMode, 1);
    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.item(standard_dialog::kProfileList));
        const QPoint third = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third);
        press(dialog, standard_dialog::kOk);
    });
    toolbarButton(kButtonStandardProfiles)->trigger();
    EXPECT_STREQ(project.section.name, "JB 200");
    EXPECT_EQ(session.graphicsMode, 0);
}

TEST_F(DesignerWorkflow, ATypedSectionJoinsTheCatalogue) {
    window.runCommand(kMenuNewProject);
    QString note;
    whenOpen<TemplateDialog>([&note](TemplateDialog& dialog) {
        for (int id : {custom_dialog::kName, custom_dialog::kWebWidth, custom_dialog::kWebThickness,
                       custom_dialog::kFlangeHeight, custom_dialog::kFlangeThickness}) {
            qobject_cast<QLineEdit*>(dialog.item(id))->clear();
        }
        type(dialog, custom_dialog::kName, "XB 180");
        type(dialog, custom_dialog::kWebWidth, "180");
        type(dialog, custom_dialog::kWebThickness, "5.5");
        type(dialog, custom_dialog::kFlangeHeight, "90");
        type(dialog, custom_dialog::kFlangeThickness, "8.5");
        press(dialog, custom_dialog::kAddToCatalogue);
        saveScreenshot(dialog, "custom");
        whenOpen<QMessageBox>([&note, &dialog](QMessageBox& box) {
            note = box.text();
            EXPECT_EQ(box.parentWidget(), &dialog) << "the note belongs to the dialog";
            box.accept();
        });
        press(dialog, custom_dialog::kOk);
    });
    toolbarButton(kButtonCustomProfiles)->trigger();
    EXPECT_EQ(note, "Saved Custom Profile");
    EXPECT_STREQ(session.project.section.name, "XB 180");
    EXPECT_NEAR(session.project.section.area, 180 * 5.5 + (90 - 5.5) * 8.5 * 2, 1e-3);

    // A typed section computes without setup or coefficients, and is offered
    // from the catalogue from now on.
    menuItem(kMenuCompute)->trigger();
    EXPECT_EQ(session.project.flags.computed, 1);
    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.item(standard_dialog::kProfileList));
        EXPECT_EQ(list->findItems("XB 180", Qt::MatchExactly).size(), 1);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    menuItem(kMenuStandardProfiles)->trigger();
    EXPECT_STREQ(session.project.section.name, "XB 180") << "Esc changes nothing";
}

}  // namespace
}  // namespace rolvanta
