// Each dialog as the designer sees it, drawn on a real X display (xvfb-run)
// and saved as build/.../screenshots/<resource name>.png for a person to look
// at. The checks catch a dialog drawn empty or a text cut off by its control.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QtTest/QTest>
#include <cstring>
#include <functional>

#include "dialogs/custom_profile_dialog.h"
#include "dialogs/standard_profile_dialog.h"
#include "platform/qt_dialog_host.h"
#include "support/example_section.h"
#include "support/recording_message_shell.h"

#ifndef ROLVANTA_SCREENSHOT_DIR
#define ROLVANTA_SCREENSHOT_DIR "screenshots"
#endif

namespace rolvanta {
namespace {

ProfileRecord catalogueBeam(const char* name, float depth) {
    ProfileRecord record{};
    std::strncpy(record.name, name, sizeof record.name - 1);
    record.webWidth = depth;
    record.webThickness = 4.7f;
    record.flangeHeight = 70.0f;
    record.flangeThickness = 6.9f;
    record.flangeSlope = 98.0f;
    record.rootRadius = 7.0f;
    record.tipRadius = 3.0f;
    record.massPerLength = 0.0105f;
    record.area = 1337.0f;
    return record;
}

// What each dialog holds when the designer is at work in it.
void fillWithExample(const char* resourceName, QtDialogHost& host) {
    if (std::strcmp(resourceName, kStandardProfileDialog) == 0) {
        const char* names[] = {"JB 150", "JB 175", "JB 200", "LB 100", "LB 125",
                               "LB 150", "MB 100", "MB 125", "MB 150", "WB 150"};
        for (const char* name : names) host.addListItem(standard_dialog::kProfileList, name);
        host.selectListItem(standard_dialog::kProfileList, 1);
        showProfileValues(host, catalogueBeam("JB 175", 175.0f));
    } else if (std::strcmp(resourceName, kCustomProfileDialog) == 0) {
        showCustomProfile(host, testing::exampleSection());
    } else if (std::strcmp(resourceName, kSetupDialog) == 0) {
        host.setItemText(setup_dialog::kPassCount, "9");
        host.setItemText(setup_dialog::kTemperature, "1100");
    } else if (std::strcmp(resourceName, kCoefficientsDialog) == 0) {
        host.setItemText(coefficients_dialog::kWebList, "1.2 1.1 1.05");
        host.setItemText(coefficients_dialog::kLiveFrom, "1.0");
        host.setItemText(coefficients_dialog::kLiveTo, "1.5");
    }
}

TEST(DialogScreenshots, EveryDialogIsDrawnWithItsTextsWhole) {
    QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
    for (const DialogTemplate* dialog : allDialogTemplates()) {
        const QString name = QString::fromLatin1(dialog->resourceName);
        TemplateDialog window(*dialog, nullptr);
        testing::RecordingMessageShell messages;
        QtDialogHost host(window, messages);
        fillWithExample(dialog->resourceName, host);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window)) << name.toStdString();

        const QImage image = window.grab().toImage();
        EXPECT_TRUE(image.save(QString(ROLVANTA_SCREENSHOT_DIR "/%1.png").arg(name)));
        int darkPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) darkPixels += qGray(image.pixel(x, y)) < 96;
        }
        EXPECT_GT(darkPixels, 200) << name.toStdString() << ": the texts are drawn";

        for (QWidget* control : window.controls()) {
            auto* label = qobject_cast<QLabel*>(control);
            if (!label || label->text().isEmpty()) continue;
            // A static may run past the dialog's right edge; its text may not.
            const int room = std::min(label->width(), window.width() - label->x());
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text().trimmed()), room)
                << name.toStdString() << ": \"" << label->text().toStdString() << "\"";
            EXPECT_LE(label->fontMetrics().height(), label->height() + 2)
                << name.toStdString() << ": \"" << label->text().toStdString() << "\"";
        }
        window.hide();
    }
}

}  // namespace
}  // namespace rolvanta
