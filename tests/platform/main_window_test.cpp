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
#include <QTimer>
#include <QToolBar>

#include "engine/windows1252.h"
#include "platform/help_window.h"
#include "platform/main_window.h"
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
    QTimer::singleShot(0, [&offered, design] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->nameFilters();
        dialog->selectNameFilter(offered.last());
        dialog->selectFile(design);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const FileDialogChoice choice = window.showOpenDialog();
    EXPECT_EQ(offered, (QStringList{"Roll Files (*.rol)", "ROLVANTA Design (*.rolx)"}));
    EXPECT_EQ(choice.fileType, FileType::Design);
}

TEST_F(MainWindowTest, HelpOpensAtItsContents) {
    window.runCommand(kMenuHelp);
    ASSERT_NE(window.helpWindow(), nullptr);
    EXPECT_TRUE(window.helpWindow()->isVisible());
    EXPECT_EQ(window.helpWindow()->browser()->source().toString(),
              QStringLiteral("qrc:/help/index.html"));
    EXPECT_TRUE(window.helpWindow()->browser()->toPlainText().contains("Help Topics"));
    EXPECT_LE(window.helpWindow()->frameGeometry().width(), 1280);
    EXPECT_LE(window.helpWindow()->frameGeometry().height(), 1024);
    QTest::keyClick(window.helpWindow()->browser(), Qt::Key_Escape);
    EXPECT_FALSE(window.helpWindow()->isVisible()) << "Esc closes the help";
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

}  // namespace
}  // namespace rolvanta
