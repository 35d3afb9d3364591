#include "platform/export_shell_qt.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QOpenGLWidget>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "pdf/report_pdf.h"
#include "platform/report_printing.h"
#include "storage/results_report.h"

namespace rolvanta {
namespace {

struct ExportFileType {
    const char* filter;
    const char* suffix;
};

ExportFileType fileTypeOf(ExportKind kind) {
    switch (kind) {
        case ExportKind::PassDrawings:
            return {"Pass drawings, every pass (*.dxf)", "dxf"};
        case ExportKind::ReportPdf:
            return {"Report (*.pdf)", "pdf"};
        case ExportKind::ViewPicture:
            return {"Picture (*.png)", "png"};
        case ExportKind::ScheduleCsv:
            return {"Schedule (*.csv)", "csv"};
        case ExportKind::ScheduleJson:
            return {"Schedule (*.json)", "json"};
    }
    return {"", ""};
}

constexpr const char* kOnePerPassFilter = "Pass drawings, one file per pass (*.dxf)";

}  // namespace

QtExportShell::QtExportShell(QWidget* window, std::function<QWidget*()> shownView)
    : window_(window), shownView_(std::move(shownView)) {}

ExportChoice QtExportShell::showExportDialog(ExportKind kind) {
    const ExportFileType type = fileTypeOf(kind);
    QFileDialog dialog(window_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters{QString::fromUtf8(type.filter)};
    if (kind == ExportKind::PassDrawings) filters << QString::fromUtf8(kOnePerPassFilter);
    dialog.setNameFilters(filters);
    // The dialog appends the extension to a name without one before it
    // asks whether to replace an existing file.
    dialog.setDefaultSuffix(QString::fromUtf8(type.suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString path = dialog.selectedFiles().first();
    if (QFileInfo(path).suffix().compare(QString::fromUtf8(type.suffix), Qt::CaseInsensitive) !=
        0) {
        path += QStringLiteral(".") + QString::fromUtf8(type.suffix);
    }
    ExportChoice choice;
    choice.accepted = true;
    choice.path = path.toStdString();
    choice.onePerPass = dialog.selectedNameFilter() == QString::fromUtf8(kOnePerPassFilter);
    return choice;
}

std::string QtExportShell::renderReportPdf(const Project& project, const std::string& title) {
    return ::rolvanta::renderReportPdf(project, title, currentReportTime());
}

std::string QtExportShell::grabViewPicture() { return pictureOf(shownView_()); }

bool QtExportShell::printReport(const Project& project, const std::string& title) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("ROLVANTA - ") + QString::fromStdString(title));
    QPrintDialog dialog(&printer, window_);
    if (dialog.exec() != QDialog::Accepted) return true;
    return printReportPages(printer, project, title, currentReportTime());
}

std::string pictureOf(QWidget* widget) {
    if (widget == nullptr) return {};
    // Both paint the widget at its own device pixel ratio, so a HiDPI
    // window gives a picture of its real pixels. The pass view draws with
    // OpenGL: its frame is drawn again into a framebuffer and read back,
    // with the texts painted over it (a plain grab() leaves them out).
    auto* gl = qobject_cast<QOpenGLWidget*>(widget);
    const QImage picture = gl != nullptr ? gl->grabFramebuffer() : widget->grab().toImage();
    if (picture.isNull()) return {};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) return {};
    return buffer.data().toStdString();
}

}  // namespace rolvanta
