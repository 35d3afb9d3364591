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
        const char* name;
        ExportKind kind;
        QString typed;
        QString filter;
        std::string path;
        bool onePerPass;
    } cases[] = {
        {"no extension", ExportKind::ReportPdf, in + "beam", {}, folder / "beam.pdf", false},
        {"its extension", ExportKind::ViewPicture, in + "view.png", {}, folder / "view.png", false},
        {"another extension",
         ExportKind::PassDrawings,
         in + "passes.txt",
         {},
         folder / "passes.txt.dxf",
         false},
        {"one file per pass", ExportKind::PassDrawings, in + "each",
         "Pass drawings, one file per pass (*.dxf)", folder / "each.dxf", true},
    };
    for (const auto& c : cases) {
        answerNextDialog(c.typed, c.filter);
        const ExportChoice choice = exports.showExportDialog(c.kind);
        EXPECT_TRUE(choice.accepted) << c.name;
        EXPECT_EQ(choice.path, c.path) << c.name;
        EXPECT_EQ(choice.onePerPass, c.onePerPass) << c.name;
    }
}

}  // namespace
}  // namespace rolvanta
