#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>

#include "platform/qt_dialog_host.h"

namespace rolvanta {
namespace {

// The host of these tests has nothing to tell.
struct NoMessages : MessageShell {
    MessageAnswer showMessage(const MessageRequest&) override { return MessageAnswer::Ok; }
};

TEST(QtDialogHost, TextsCrossBetweenWindows1252AndUnicode) {
    const struct {
        const char* name;
        QString typed;
        std::string expected;  // the first nine characters
    } cases[] = {
        {"cut to nine characters", "ABCDEFGHIJKL", "ABCDEFGHI"},
        {"a degree sign is one byte", QString::fromUtf8("90\u00B0 slope"), "90\xB0 slope"},
        {"the cut counts converted characters",
         QString::fromUtf8("\u03A9\u03A9\u03A9\u03A9\u03A9ABCDEF"), "?????ABCD"},
        {"a character beyond 16 bits", QString::fromUtf8("I\U0001F600I"), "I?I"},
    };
    TemplateDialog window(*findDialogTemplate(kCustomProfileDialog), nullptr);
    NoMessages messages;
    QtDialogHost host(window, messages);
    auto* name = qobject_cast<QLineEdit*>(window.item(custom_dialog::kName));
    for (const auto& c : cases) {
        name->setText(c.typed);
        EXPECT_EQ(host.itemText(custom_dialog::kName, 9), c.expected) << c.name;
    }
    host.setItemText(custom_dialog::kName, "\260C and mm\xB2");
    EXPECT_EQ(name->text(), QString::fromUtf8("\u00B0C and mm\u00B2"));
    EXPECT_EQ(name->cursorPosition(), 0) << "a long text shows its start";
}

TEST(QtDialogHost, TheProceduresListChangesAreNotTheUsers) {
    TemplateDialog window(*findDialogTemplate(kStandardProfileDialog), nullptr);
    NoMessages messages;
    QtDialogHost host(window, messages);
    int notifications = 0;
    QObject::connect(&window, &TemplateDialog::commandIssued, [&] { ++notifications; });
    constexpr int kList = standard_dialog::kProfileList;
    for (const char* name : {"JB 150", "LB 200", "MB 100"}) host.addListItem(kList, name);
    host.selectListItem(kList, 2);
    EXPECT_EQ(host.listSelection(kList), 2);
    host.selectListItem(kList, 7);
    EXPECT_EQ(host.listSelection(kList), -1);
    host.selectListItem(kList, 0);
    host.clearList(kList);
    EXPECT_EQ(host.listSelection(kList), -1);
    EXPECT_EQ(notifications, 0);
}

}  // namespace
}  // namespace rolvanta
