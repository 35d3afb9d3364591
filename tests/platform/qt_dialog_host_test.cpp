#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "dialogs/setup_about_dialogs.h"
#include "platform/qt_dialog_host.h"
#include "support/example_section.h"
#include "support/recording_message_shell.h"

namespace rolvanta {
namespace {

testing::RecordingMessageShell messages;

// Runs action once the next modal window (dialog or message box) is open.
void whenModalOpens(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

QWidget* item(QWidget* dialog, int id) { return static_cast<TemplateDialog*>(dialog)->item(id); }

TEST(QtDialogHost, TextsCrossBetweenWindows1252AndUnicode) {
    const struct {
        const char* name;
        QString typed;
        std::size_t maxLength;
        std::string expected;
    } cases[] = {
        {"plain text", "MB 100", 9, "MB 100"},
        {"cut to nine characters", "ABCDEFGHIJKL", 9, "ABCDEFGHI"},
        {"a degree sign is one byte", QString::fromUtf8("90\u00B0 slope"), 9, "90\xB0 slope"},
        {"outside the code page", QString::fromUtf8("\u03A9-beam"), 9, "?-beam"},
        {"cut counts converted characters",
         QString::fromUtf8("\u03A9\u03A9\u03A9\u03A9\u03A9"
                           "ABCDEF"),
         9, "?????ABCD"},
        {"a character beyond 16 bits", QString::fromUtf8("I\U0001F600I"), 9, "I?I"},
    };
    TemplateDialog window(*findDialogTemplate(kCustomProfileDialog), nullptr);
    QtDialogHost host(window, messages);
    auto* name = qobject_cast<QLineEdit*>(window.item(custom_dialog::kName));
    for (const auto& c : cases) {
        name->setText(c.typed);
        EXPECT_EQ(host.itemText(custom_dialog::kName, c.maxLength), c.expected) << c.name;
    }
    host.setItemText(custom_dialog::kName, "\260C and mm\xB2");
    EXPECT_EQ(name->text(), QString::fromUtf8("\u00B0C and mm\u00B2"));
    EXPECT_EQ(name->cursorPosition(), 0) << "a long text shows its start";
    EXPECT_EQ(host.itemText(4242, 9), "");
}

TEST(QtDialogHost, ListAndCheckBoxWithoutNotifyingTheProcedure) {
    TemplateDialog window(*findDialogTemplate(kStandardProfileDialog), nullptr);
    QtDialogHost host(window, messages);
    int notifications = 0;
    QObject::connect(&window, &TemplateDialog::commandIssued, [&] { ++notifications; });
    constexpr int kList = standard_dialog::kProfileList;
    auto* list = qobject_cast<QListWidget*>(window.item(kList));

    for (const char* name : {"JB 150", "LB 200", "MB 100"}) host.addListItem(kList, name);
    host.selectListItem(kList, 2);
    EXPECT_EQ(host.listSelection(kList), 2);
    host.selectListItem(kList, 7);
    EXPECT_EQ(host.listSelection(kList), -1);
    host.selectListItem(kList, 0);
    host.clearList(kList);
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(host.listSelection(kList), -1);
    EXPECT_EQ(notifications, 0);

    TemplateDialog custom(*findDialogTemplate(kCustomProfileDialog), nullptr);
    QtDialogHost customHost(custom, messages);
    EXPECT_FALSE(customHost.isChecked(custom_dialog::kAddToCatalogue));
    QTest::mouseClick(qobject_cast<QCheckBox*>(custom.item(custom_dialog::kAddToCatalogue)),
                      Qt::LeftButton);
    EXPECT_TRUE(customHost.isChecked(custom_dialog::kAddToCatalogue));
}

TEST(RunTemplateDialog, OkTakesWhatIsTypedAndEscapeCancels) {
    Project project = testing::exampleProject();
    SetupDialog procedure(project);
    const DialogTemplate& setup = *findDialogTemplate(kSetupDialog);
    whenModalOpens([](QWidget* dialog) {
        QTest::keyClicks(item(dialog, setup_dialog::kPassCount), "6");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(runTemplateDialog(setup, procedure, nullptr, messages), DialogResult::Cancelled);
    EXPECT_EQ(project.section.passCount, 5);

    whenModalOpens([](QWidget* dialog) {
        QTest::keyClicks(item(dialog, setup_dialog::kPassCount), "14");
        QTest::keyClicks(item(dialog, setup_dialog::kTemperature), "1100");
        QTest::keyClick(item(dialog, setup_dialog::kTemperature), Qt::Key_Return);
    });
    EXPECT_EQ(runTemplateDialog(setup, procedure, nullptr, messages), DialogResult::Accepted);
    EXPECT_EQ(project.section.passCount, 13);
    EXPECT_EQ(project.section.temperature, 1100.0f);
}

}  // namespace
}  // namespace rolvanta
