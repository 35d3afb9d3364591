#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
#include <vector>

#include "engine/windows1252.h"
#include "platform/dialog_builder.h"
#include "platform/qt_dialog_host.h"

namespace rolvanta {
namespace {

QString qtText(const char* windows1252) {
    return QString::fromStdString(utf8FromWindows1252(windows1252));
}

QString shownText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    return QString();
}

// Where Tab goes from widget: the next widget in the focus chain that takes
// the focus from the keyboard.
QWidget* nextTabStop(QWidget* widget) {
    for (QWidget* next = widget->nextInFocusChain(); next != widget;
         next = next->nextInFocusChain()) {
        if (next->focusPolicy() & Qt::TabFocus) return next;
    }
    return widget;
}

TEST(DialogUnitsToPixels, ScalesByAQuarterWidthAndAnEighthHeight) {
    const struct {
        const char* name;
        DialogRect rect;
        DialogBaseUnits units;
        QRect expected;
    } cases[] = {
        {"the standard list box", {10, 15, 100, 60}, {6, 13}, QRect(15, 24, 150, 98)},
        {"a half rounds away from zero", {2, 4, 2, 4}, {5, 13}, QRect(3, 7, 3, 7)},
        {"an unrounded average width", {100, 0, 400, 0}, {6.41, 12.28}, QRect(160, 0, 641, 0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dialogUnitsToPixels(c.rect, c.units), c.expected) << c.name;
    }
}

TEST(DialogBaseUnits, FollowTheFontSize) {
    const QFont small = dialogFont(*findDialogTemplate(kSetupDialog));
    QFont large = small;
    large.setPointSize(small.pointSize() * 2);
    const DialogBaseUnits at8 = dialogBaseUnits(small);
    const DialogBaseUnits at16 = dialogBaseUnits(large);
    constexpr double kHinting = 0.4;  // small sizes are hinted and rounded to pixels
    EXPECT_NEAR(at16.width / at8.width, 2.0, kHinting);
    EXPECT_NEAR(at16.height / at8.height, 2.0, kHinting);
}

// Every control of every dialog: present, findable by its id, of its kind,
// with its text, at its scaled place, and in the tab order of the template.
TEST(TemplateDialog, BuildsEveryControlOfEveryDialog) {
    for (const DialogTemplate* dialog : allDialogTemplates()) {
        const std::string name = dialog->resourceName;
        TemplateDialog window(*dialog, nullptr);
        const DialogBaseUnits units = window.baseUnits();
        EXPECT_EQ(window.windowTitle(), qtText(dialog->caption)) << name;
        EXPECT_EQ(window.size(), dialogUnitsToPixels(dialog->rect, units).size()) << name;
        ASSERT_EQ(window.controls().size(), dialog->controlCount) << name;

        std::vector<QWidget*> tabStops;
        for (int i = 0; i < dialog->controlCount; ++i) {
            const ControlTemplate& control = dialog->controls[i];
            QWidget* widget = window.controls()[i];
            const std::string what = name + " control " + std::to_string(i);
            const QRect scaled = dialogUnitsToPixels(control.rect, units);
            QRect expected = scaled;
            if (auto* list = qobject_cast<QListWidget*>(widget)) {
                // Shortened to whole rows, by less than one row.
                expected.setHeight(widget->height());
                EXPECT_LE(widget->height(), scaled.height()) << what;
                list->addItem("X");
                EXPECT_GT(widget->height() + list->sizeHintForRow(0), scaled.height()) << what;
                EXPECT_EQ((widget->height() - 2 * list->frameWidth()) % list->sizeHintForRow(0), 0)
                    << what;
                list->clear();
            }
            EXPECT_EQ(widget->geometry(), expected) << what;
            if (control.kind != ControlKind::Icon && control.kind != ControlKind::ListBox) {
                EXPECT_EQ(shownText(widget), qtText(control.text)) << what;
            }
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                // A static may run past the dialog's right edge; its text may not.
                const int room = std::min(label->width(), window.width() - label->x());
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text().trimmed()), room)
                    << what << " \"" << label->text().toStdString() << "\" is cut off";
            }
            if (control.id != kNoControlId) {
                EXPECT_EQ(window.item(control.id), widget) << what;
            }
            if (control.style & kTabStop) {
                tabStops.push_back(widget);
                EXPECT_EQ(widget->focusPolicy(), Qt::StrongFocus) << what;
            } else {
                EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << what;
            }
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                EXPECT_EQ(button->isDefault(), (control.style & kDefaultButton) != 0) << what;
            }
        }
        ASSERT_FALSE(tabStops.empty()) << name;
        EXPECT_EQ(window.focusWidget(), tabStops.front()) << name << ": the first tab stop";
        for (std::size_t k = 0; k + 1 < tabStops.size(); ++k) {
            EXPECT_EQ(nextTabStop(tabStops[k]), tabStops[k + 1]) << name << " tab stop " << k;
        }
        EXPECT_EQ(nextTabStop(tabStops.back()), tabStops.front()) << name << " wraps round";
    }
}

TEST(TemplateDialog, AFittingEditHoldsOnlyWhatItCanShowAndEscCancels) {
    TemplateDialog window(*findDialogTemplate(kSetupDialog), nullptr);
    window.show();
    auto* passes = qobject_cast<QLineEdit*>(window.item(setup_dialog::kPassCount));
    passes->setFocus();
    QTest::keyClicks(passes, "1234567890123456789012345");
    EXPECT_FALSE(passes->text().isEmpty());
    EXPECT_LT(passes->text().size(), 25);
    EXPECT_LE(passes->fontMetrics().horizontalAdvance(passes->text()), passes->width());
    std::vector<int> commands;
    QObject::connect(&window, &TemplateDialog::commandIssued,
                     [&commands](int command) { commands.push_back(command); });
    QTest::keyClick(passes, Qt::Key_Escape);
    EXPECT_EQ(commands, std::vector<int>{kDialogCancelCommand});
}

// The host of these tests has nothing to tell.
struct NoMessages : MessageShell {
    MessageAnswer showMessage(const MessageRequest&) override { return MessageAnswer::Ok; }
} noMessages;

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
    QtDialogHost host(window, noMessages);
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
    QtDialogHost host(window, noMessages);
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
