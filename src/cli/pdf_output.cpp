#include "cli/pdf_output.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

#include "pdf/report_pdf.h"

namespace rolvanta::cli {

std::string reportPdf(const Project& project, const std::string& fileTitle,
                      const ReportTime& time) {
    // Qt's notes about its environment (no runtime folder, say) are not
    // the tool's to pass on: its standard error carries its own messages.
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::fprintf(stderr, "rolvanta-cli: %s\n", qPrintable(message));
            }
        });
    // Fonts need a GUI application: one on the offscreen platform, whatever
    // QT_QPA_PLATFORM says, for the time of drawing.
    std::unique_ptr<QGuiApplication> application;
    if (QCoreApplication::instance() == nullptr) {
        static char name[] = "rolvanta-cli", option[] = "-platform", platform[] = "offscreen";
        static char* argv[] = {name, option, platform, nullptr};
        static int argc = 3;
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    const std::string pdf = renderReportPdf(project, fileTitle, time);
    application.reset();
    qInstallMessageHandler(previous);
    return pdf;
}

}  // namespace rolvanta::cli
