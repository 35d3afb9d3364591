#include "platform/report_printing.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "export/report_pages.h"
#include "pdf/painter_page_canvas.h"

namespace rolvanta {

bool printReportPages(QPrinter& printer, const Project& project, const std::string& title,
                      const ReportTime& time) {
    // The pages carry their own margins: the painter starts at the paper's
    // corner, and the layout always comes out portrait.
    printer.setFullPage(true);
    printer.setPageOrientation(QPageLayout::Portrait);
    const QSizeF paper = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
    const PageSize size = paper.isValid() ? PageSize{paper.width(), paper.height()} : kA4Portrait;
    return paintReportPages(layOutReportPages(project, title, time, size), printer);
}

}  // namespace rolvanta
