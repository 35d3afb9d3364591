#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "engine/windows1252.h"
#include "platform/export_shell_qt.h"
#include "platform/help_window.h"
#include "platform/main_window.h"
#include "platform/pass_view_factory.h"
#include "platform/pass_view_widget.h"
#include "platform/text_page_widget.h"
#include "platform_testing.h"
#include "resources/command_ids.h"
#include "resources/main_menu.h"
#include "support/example_section.h"
#include "support/golden_file.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

// The menu as the window shows it: one line per entry, "-" for a separator,
// "text = command" for an item, "text >" for a popup, nested by indentation.
void describeMenu(const QList<QAction*>& actions, const std::string& indent, std::string& out) {
    for (QAction* action : actions) {
        if (action->isSeparator()) {
            out += indent + "-\n";
        } else if (action->menu() != nullptr) {
            out += indent + windows1252FromUtf8(action->text().toStdString()) + " >\n";
            describeMenu(action->menu()->actions(), indent + "  ", out);
        } else {
            out += indent + windows1252FromUtf8(action->text().toStdString()) + " = " +
                   std::to_string(action->data().toInt()) + "\n";
        }
    }
}

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() : window(session, QString()) {}

    Session session;
    MainWindow window;
};

TEST_F(MainWindowTest, MenuAndToolbarHoldEveryTextAndCommandAsStored) {
    std::string shown;
    describeMenu(window.menuBar()->actions(), "", shown);
    shown += "== toolbar\n";
    for (QAction* action : window.toolbar()->actions()) {
        shown += action->isSeparator() ? std::string("|")
                                       : std::to_string(action->data().toInt()) + " " +
                                             action->toolTip().toStdString();
        shown += "\n";
    }
    testing::expectGolden("main-window-menu.txt", shown);
}

TEST_F(MainWindowTest, CommandsSetTitleToolbarAndScrollBars) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ROLVANTA - Start New Project"));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_FALSE(window.verticalBar()->isEnabled());
    EXPECT_FALSE(window.horizontalBar()->isEnabled());

    testing::actionFor(window, kButtonNewFile)->trigger();  // its title: designer_workflow_test
    EXPECT_TRUE(window.verticalBar()->isEnabled());

    // A 13-pass results page in a window of 40 lines: the bar shows the
    // ranges worked out in display/, a page is what the window shows.
    session.project = testing::computedProject(13);
    session.project.flags.computed = true;
    window.textPage()->resize(300, 40 * session.textLayout.lineHeight);
    window.repaintClientArea();
    QScrollBar* bar = window.verticalBar();
    EXPECT_EQ(bar->maximum(), session.textScroll.vertical.maximum);
    EXPECT_EQ(bar->pageStep(), 40);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(session.textScroll.vertical.position, 41);
    EXPECT_EQ(bar->value(), 41);
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_PageUp, 1}, {Qt::Key_Down, 2}, {Qt::Key_End, bar->maximum()}, {Qt::Key_Home, 0}};
    for (const auto& [key, position] : keys) {
        QTest::keyClick(&window, key);
        EXPECT_EQ(session.textScroll.vertical.position, position) << key;
        EXPECT_EQ(bar->value(), position) << key;
    }
    EXPECT_EQ(session.passViewCursor.index, 0) << "in text mode the arrows scroll only";
    window.horizontalBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_GT(session.textScroll.horizontal.position, 0);
    EXPECT_EQ(session.textScroll.horizontal.position, session.textScroll.horizontal.maximum);

    testing::actionFor(window, kButtonGraphicsMode)->trigger();
    EXPECT_TRUE(window.toolbar()->isHidden());
    EXPECT_FALSE(window.verticalBar()->isEnabled());
    testing::actionFor(window, kMenuTextDisplay)->trigger();
    EXPECT_FALSE(window.toolbar()->isHidden());
    EXPECT_TRUE(window.verticalBar()->isEnabled());
}

TEST_F(MainWindowTest, OpenOffersTheKindsItOpens) {
    testing::TemporaryFolder folder;
    const QString design = QString::fromStdString(folder / "beam.rolx");
    testing::writeFileBytes(design.toStdString(), "{}");
    QStringList offered;
    testing::whenOpen<QFileDialog>([&offered, design](QFileDialog& dialog) {
        offered = dialog.nameFilters();
        dialog.selectNameFilter(offered.last());
        dialog.selectFile(design);
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    const FileDialogChoice choice = window.showOpenDialog();
    EXPECT_EQ(offered, (QStringList{"Roll Files (*.rol)", "ROLVANTA Design (*.rolx)"}));
    EXPECT_EQ(choice.fileType, FileType::Design);
}

TEST(ExportDialog, GivesTheNameWithTheKindsExtension) {
    testing::TemporaryFolder folder;
    QWidget window;
    QtExportShell exports(&window, [] { return nullptr; });
    const QString in = QString::fromStdString(folder.path()) + "/";
    const struct {
        ExportKind kind;
        const char* typed;
        QString filter;
        const char* path;
        bool onePerPass;
    } cases[] = {
        {ExportKind::ReportPdf, "beam", {}, "beam.pdf", false},
        {ExportKind::ViewPicture, "view.png", {}, "view.png", false},
        {ExportKind::PassDrawings, "passes.txt", {}, "passes.txt.dxf", false},
        {ExportKind::PassDrawings, "each", "Pass drawings, one file per pass (*.dxf)", "each.dxf",
         true},
    };
    for (const auto& c : cases) {
        testing::whenOpen<QFileDialog>([&](QFileDialog& dialog) {
            if (!c.filter.isEmpty()) dialog.selectNameFilter(c.filter);
            dialog.selectFile(in + c.typed);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        const ExportChoice choice = exports.showExportDialog(c.kind);
        EXPECT_TRUE(choice.accepted) << c.typed;
        EXPECT_EQ(choice.path, folder / c.path) << c.typed;
        EXPECT_EQ(choice.onePerPass, c.onePerPass) << c.typed;
    }
}

TEST_F(MainWindowTest, HelpOpensAtItsContents) {
    window.runCommand(kMenuHelp);
    HelpWindow* help = window.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source().toString(), QStringLiteral("qrc:/help/index.html"));
    EXPECT_TRUE(help->browser()->toPlainText().contains("Help Topics"));
    EXPECT_LE(help->frameGeometry().width(), 1280);
    EXPECT_LE(help->frameGeometry().height(), 1024);
    QTest::keyClick(help->browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible()) << "Esc closes the help";
}

TEST(HelpPages, EveryLinkLeadsToAPageOfTheHelp) {
    const QDir help(QStringLiteral(":/help"));
    const QStringList pages = help.entryList({QStringLiteral("*.html")});
    EXPECT_GE(pages.size(), 7);
    const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)"));
    for (const QString& page : pages) {
        QFile file(help.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.contains(QStringLiteral("<title>"))) << page.toStdString();
        for (auto match = link.globalMatch(text); match.hasNext();) {
            const QString target = match.next().captured(1);
            EXPECT_TRUE(help.exists(target))
                << page.toStdString() << " -> " << target.toStdString();
        }
    }
}

// On the offscreen platform Qt makes no OpenGL context: a black view stands
// in, as a window holding a QOpenGLWidget would not survive its first paint
// (the view on OpenGL: designer_workflow_test.cpp).
TEST(PassViewFactory, WithoutOpenGlABlackViewStandsIn) {
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
