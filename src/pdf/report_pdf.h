#pragma once

// The printed report as a PDF file (A4 portrait), made in memory so that it
// can be written atomically like every other save. Needs a Qt GUI
// application (the offscreen platform will do).

#include <string>

#include "export/report_pages.h"

namespace rolvanta {

// The PDF document's bytes; empty when it could not be made.
std::string renderReportPdf(const Project& project, const std::string& fileTitle,
                            const ReportTime& time, PageSize size = kA4Portrait);

}  // namespace rolvanta
