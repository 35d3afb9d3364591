#include "pdf/report_pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "pdf/painter_page_canvas.h"

namespace rolvanta {

std::string renderReportPdf(const Project& project, const std::string& fileTitle,
                            const ReportTime& time, PageSize size) {
    const ReportPages pages = layOutReportPages(project, fileTitle, time, size);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("ROLVANTA"));
        writer.setTitle(QStringLiteral("Results Of Project - ") +
                        QString::fromStdString(fileTitle));
        writer.setResolution(600);
        writer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(size.width, size.height), QPageSize::Millimeter),
                        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        if (!paintReportPages(pages, writer)) return {};
    }  // the writer finishes the document when it goes
    return buffer.data().toStdString();
}

}  // namespace rolvanta
