// The export's save dialog gives back a name with the kind's extension.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <QWidget>

#include "platform/export_shell_qt.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

// Types name into the next file dialog, picks the file type and accepts.
void answerNextDialog(const QString& name, const QString& filter = QString()) {
    QTimer::singleShot(0, [name, filter] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (!filter.isEmpty()) dialog->selectNameFilter(filter);
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
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
        answerNextDialog(in + c.typed, c.filter);
        const ExportChoice choice = exports.showExportDialog(c.kind);
        EXPECT_TRUE(choice.accepted) << c.typed;
        EXPECT_EQ(choice.path, folder / c.path) << c.typed;
        EXPECT_EQ(choice.onePerPass, c.onePerPass) << c.typed;
    }
}

}  // namespace
}  // namespace rolvanta
